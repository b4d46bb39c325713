// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/outcome.h"

namespace zentrel {

// The number at the start of a text, as the field conversion finds it.
struct NumberScan {
    enum class Kind { None, Decimal, Hexadecimal, Octal };
    Kind kind = Kind::None;
    std::string literal;  // the digits read, blanks dropped, ready to convert
    std::size_t end = 0;  // index just past the last character that belongs to it
};

// Finds the longest numeric beginning of text: an optional sign, digits with
// at most one ".", an optional exponent written with E or D; or &H / &O and a
// hexadecimal or octal whole number. With blanksInside, blanks, tabs and line
// feeds anywhere are skipped.
NumberScan scanNumber(std::string_view text, bool blanksInside);

// The value of a scanned number; Overflow beyond the double range.
Outcome<double> scannedValue(const NumberScan& scan);

// The field conversion: the numeric beginning of the text, 0 when there is
// none. Never a failure for ordinary text; Overflow for a number beyond the
// double range.
Outcome<double> fieldValue(std::string_view text);

}  // namespace zentrel
