// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/outcome.h"
#include "picture/view.h"

// Where a view looks, in the formula coordinates of its pattern. The
// formulas see a loop value v only as v / 200 * zoom, the zoom being the
// Xoom as the pattern's rule scales it; so one column (or row) further is
// zoom / 200 further in the formula coordinates, across and down alike.
namespace zentrel {

struct ViewGeometry {
    double centreX = 0;  // the formula coordinates of the middle of the view:
    double centreY = 0;  // the loop values left + (width + 1) / 2, top + (size + 1) / 2
    double scale = 0;    // formula units from one column or row to the next;
                         // negative for a negative zoom, which mirrors the picture
    double columns = 0;  // the extents, in loop values
    double rows = 0;

    // How wide the view is in formula units.
    double span() const;
};

// The geometry of the view by its pattern's own rule, or the failure of its
// snapshot (NotAView for a view of no pattern).
Outcome<ViewGeometry> geometryOf(const View& view);

// The view of the reference's pattern, extents, sampling and brightness that
// shows the centre and scale of the geometry (whose extents must be the
// reference's): the Xoom and the position fields are written with the
// fields' number text, the positions from the Xoom as read back, so that
// the centre lies where it should to the rounding of the positions' texts.
// A field whose value would not change keeps its text, so the reference's
// own geometry gives the reference back.
Outcome<View> viewShowing(const View& reference, const ViewGeometry& geometry);

}  // namespace zentrel
