// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"
#include "picture/view.h"

namespace zentrel::cli {

// A failure in the renderer's words, for one line after "zentrel-render: ":
// a field is named by its option (--xoom), and the line says what to give
// instead.
std::string failureText(const Failure& failure);

// A poster of the view too large for a file (PosterTooLarge), with the
// options that make it smaller: the density, and the view's own width or
// else its size.
std::string posterTooLargeText(const Failure& failure, const View& view);

}  // namespace zentrel::cli
