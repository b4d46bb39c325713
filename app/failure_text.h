// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "engine/outcome.h"

// Failures in the window's words: a field is named by what the window shows
// beside it ("zero point", "side", "XOOM", "brightness"), and every message
// says what to do about it.
namespace zentrel::app {

// `The XOOM "1e309" is too large a number. Type a smaller one.`
std::string failureText(const Failure& failure);

// A drawing that failed: a field as above; a failure of the formulas with
// the pattern's caption and the place where it arose.
std::string drawingFailureText(std::string_view caption, const Failure& failure);

}  // namespace zentrel::app
