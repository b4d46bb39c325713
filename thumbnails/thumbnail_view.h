// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/outcome.h"
#include "engine/pattern.h"
#include "picture/view.h"

namespace zentrel {

// A thumbnail is 144 rows high: 192 x 144 for the large 1024 x 768 picture.
inline constexpr int kThumbnailRows = 144;

// The view of the pattern (the main view's own or another) that shows the
// main view's region, its centre and its span down, in kThumbnailRows rows,
// one sample a pixel, as wide as the main view's shape makes it (to the
// nearest column; a width of its own unless square): the Xoom and the
// positions written as field texts, so that the view is one the window and
// zentrel-render draw as it is.
// The failure is that of the main view's fields, or of the new ones.
Outcome<View> thumbnailView(const View& main, const Pattern& pattern);

}  // namespace zentrel
