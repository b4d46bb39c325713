// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include "picture/view.h"

namespace zentrel::app {

// The view's picture, one sample a pixel, scaled down to fit the box; a
// null image when the view draws no picture.
QImage viewThumbnail(const View& view, QSize box);

}  // namespace zentrel::app
