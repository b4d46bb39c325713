// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "engine/outcome.h"

namespace zentrel {

// The strict conversion: the whole text, blanks and tabs around it allowed,
// must be one number (sign, digits, ".", E or D exponent; or &H / &O).
// TypeMismatch otherwise, Overflow beyond the double range.
Outcome<double> strictValue(std::string_view text);

// A navigation step: v rounded to a whole number, halves to the even
// neighbour; Overflow outside -32768..32767.
Outcome<int> stepValue(double v);

}  // namespace zentrel
