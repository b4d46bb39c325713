#pragma once

#include <string>

#include "engine/outcome.h"

namespace zentrel::cli {

// A failure in the renderer's words, for one line after "zentrel-render: ":
// a field is named by its option (--xoom), and the line says what to give
// instead.
std::string failureText(const Failure& failure);

}  // namespace zentrel::cli
