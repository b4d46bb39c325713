// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "thumbnails/thumbnail_batch.h"

namespace zentrel::app {

// The thumbnail as it shows now, each coarse pixel a block; a thumbnail
// failed or not begun is the window's background.
QImage imageOf(const Thumbnail& thumbnail);

}  // namespace zentrel::app
