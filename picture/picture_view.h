#pragma once

#include <string>

#include "engine/outcome.h"
#include "picture/view.h"

namespace zentrel {

// The view a picture file of this program carries in its recipe: a PNG's
// text chunk, a PPM's comment line. A file that cannot be read, that is no
// PNG or PPM, or that holds no recipe of ours is a failure (NotAView) that
// says which.
Outcome<View> viewOfPicture(const std::string& path);

}  // namespace zentrel
