// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "engine/math_path.h"

namespace zentrel::bench {

enum class MathsFunction { Sin, Cos, Tan, Pow };

// Calls one maths function of one path on count values (pow: count pairs of
// base and exponent, interleaved), repeats times over, and returns the sum of
// the results, so that no call can be left out. Paths the processor cannot
// run must not be asked for.
double sumOfCalls(MathPath path, MathsFunction f, const double* values, std::size_t count,
                  int repeats);

}  // namespace zentrel::bench
