// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_formats.h"

namespace zentrel::app {

// The clipboard as a picture format: the picture, once complete, becomes
// the clipboard's image; one that fails or is cancelled leaves the
// clipboard as it was. It takes no destination.
const PictureFormat& clipboardImage();

}  // namespace zentrel::app
