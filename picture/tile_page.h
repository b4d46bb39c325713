// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"
#include "picture/view.h"

namespace zentrel {

// The index.html of a zoomable page of the view with levels 0 to levels,
// whose level 0 is width x height pixels: the map of the tiles, the pattern
// and the five field texts of the part on screen, and a "copy view" link
// that gives that part's zentrel-render command. Its position is in the
// address's fragment, #level/x/y, x and y in pixels of level 0 at the
// middle of the screen.
//
// The page computes no field rule: for each level the view holds the
// fields of a view as much zoomed in, from which the part on screen is a
// shift of the position fields alone. Failures are those of the fields at
// the deepest level (a Xoom too small to be written).
Outcome<std::string> tilePage(const View& view, int levels, int width, int height);

}  // namespace zentrel
