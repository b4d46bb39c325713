// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/snapshot.h"

// What the mouse does on the picture, written into the five field texts as
// the navigation buttons write: all of the texts change, or on a failure
// none. Distances and points are in loop units, one to a column or row of
// the sweep (with a density n, n pixels of the picture to a unit).
namespace zentrel {

// A point of the picture counted from its first column and row: column c
// has the loop value left + 1 + c; fractions lie between columns.
struct PicturePoint {
    double column = 0;
    double row = 0;
};

// What places the picture: its pattern's rule, and the width of a view that
// has one of its own.
struct PictureFrame {
    SnapshotRule rule;
    std::optional<double> width;
};

// Dragging: the content follows the hand, so dragging right by dx shows
// what lay dx left of the view. A distance of 0 leaves its field alone.
Outcome<FieldTexts> panView(FieldTexts f, double dx, double dy);

// The wheel: the Xoom divided by factor (2 halves it as "X" does, 0.5
// doubles it as "OOM" does), and the view moved so that the formula
// coordinates under the point stay where they were. The factor is positive.
Outcome<FieldTexts> zoomAround(FieldTexts f, const PictureFrame& frame, PicturePoint point,
                               double factor);

// A double click: zoomed in by two, the point's formula coordinates moved to
// the middle pixel, column floor(width / 2) and row floor(size / 2).
Outcome<FieldTexts> zoomInCentredOn(FieldTexts f, const PictureFrame& frame, PicturePoint point);

}  // namespace zentrel
