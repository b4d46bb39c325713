// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

#include "engine/outcome.h"
#include "picture/view.h"

namespace zentrel {

// The view a picture file of this program carries in its recipe: a PNG's
// text chunk, a PPM's comment line. A file that cannot be read, that is no
// regular file, no PNG or PPM, or that holds no recipe of ours is a failure
// (NotAView) that says which. However large or damaged the file, reading it
// takes little memory: only the recipe's own chunk is read into it, and no
// more of that than the longest recipe.
Outcome<View> viewOfPicture(const std::string& path);

// The same for a file already open at its start; `name` is what failures
// call it.
Outcome<View> viewOfOpenPicture(std::FILE* file, const std::string& name);

}  // namespace zentrel
