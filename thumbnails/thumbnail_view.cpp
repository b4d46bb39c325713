// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/thumbnail_view.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "motion/view_geometry.h"

namespace zentrel {

Outcome<View> thumbnailView(const View& main, const Pattern& pattern)
{
    const Outcome<ViewGeometry> region = geometryOf(main);
    if (!region) return region.failure();
    const ViewGeometry& g = region.value();
    if (!(g.rows > 0)) return Failure{Fault::NotAView, "the view has no rows to show"};
    const double shrink = kThumbnailRows / g.rows;

    View reference = viewWith(pattern, main.fields);
    reference.fields.size = std::to_string(kThumbnailRows);
    // The size alone gives a square; any other shape is a width of its own.
    const int columns = static_cast<int>(std::max(1.0, std::round(g.columns * shrink)));
    if (columns != kThumbnailRows) reference.width = columns;
    const Outcome<ViewGeometry> own = geometryOf(reference);
    if (!own) return own.failure();

    ViewGeometry wanted = own.value();
    wanted.centreX = g.centreX;
    wanted.centreY = g.centreY;
    wanted.scale = g.scale / shrink;
    return viewShowing(reference, wanted);
}

}  // namespace zentrel
