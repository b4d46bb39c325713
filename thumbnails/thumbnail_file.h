// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"
#include "engine/render.h"
#include "picture/view.h"

namespace zentrel {

// Writes the picture to a picture file (PNG unless the path's ending asks
// for another format) carrying the view's recipe, as every picture file of
// the program does: a small picture that stands for a larger view, opened
// as that view. The file takes its name only once complete, replacing any
// of that name.
Status writePictureOfView(const Picture& picture, const View& carried, const std::string& path);

}  // namespace zentrel
