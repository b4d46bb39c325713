// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "engine/pattern.h"

namespace zentrel::bench {

// The nineteen patterns in button order as the program computed them before
// its vector maths: the C library's sin, cos, tan and pow, four pixels side
// by side, on every path.
const std::vector<Pattern>& libmPatterns();

}  // namespace zentrel::bench
