// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/mouse_navigation.h"

#include <cmath>

#include "engine/field_value.h"
#include "params/field_edit.h"

namespace zentrel {
namespace {

using namespace params;

// Every origin rule puts left and top at a distance from the position fields
// that only the extents decide, and a zoom keeps the extents: moving the
// origin by d moves the position field by d, whatever the pattern.
//
// The formulas see a loop value v only as v / 200 * zoom. With the Xoom
// divided by factor, the loop value factor * v meets it in the same formula
// coordinate (to the bit for a factor of 2), so the view is moved until
// factor * v, for the point's v, is the loop value at the target.
Outcome<FieldTexts> zoomed(FieldTexts f, const Placement& p, PicturePoint point, double factor,
                           PicturePoint target)
{
    const double x = p.left + 1 + point.column;
    const double y = p.top + 1 + point.row;
    Outcome<FieldTexts> result = divided(std::move(f), FieldRole::Xoom, factor);
    if (!result) return result;
    result = moved(std::move(result.value()), FieldRole::Across, fieldValue,
                   factor * x - (p.left + 1 + target.column));
    if (!result) return result;
    return moved(std::move(result.value()), FieldRole::Down, fieldValue,
                 factor * y - (p.top + 1 + target.row));
}

}  // namespace

Outcome<FieldTexts> panView(FieldTexts f, double dx, double dy)
{
    Outcome<FieldTexts> result(std::move(f));
    if (dx != 0) result = moved(std::move(result.value()), FieldRole::Across, fieldValue, -dx);
    if (result && dy != 0)
        result = moved(std::move(result.value()), FieldRole::Down, fieldValue, -dy);
    return result;
}

Outcome<FieldTexts> zoomAround(FieldTexts f, const PictureFrame& frame, PicturePoint point,
                               double factor)
{
    const Outcome<Placement> placed = placePicture(frame.rule, f, frame.width);
    if (!placed) return placed.failure();
    return zoomed(std::move(f), placed.value(), point, factor, point);
}

Outcome<FieldTexts> zoomInCentredOn(FieldTexts f, const PictureFrame& frame, PicturePoint point)
{
    const Outcome<Placement> placed = placePicture(frame.rule, f, frame.width);
    if (!placed) return placed.failure();
    const Placement& p = placed.value();
    const PicturePoint middle{std::floor(p.width / 2), std::floor(p.size / 2)};
    return zoomed(std::move(f), p, point, 2, middle);
}

}  // namespace zentrel
