// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zentrel {

// The decimal text in which numbers are written back into the fields: at
// most 15 significant digits, "300", "0.2", "-74.5", never ".2" or "1.50".
// Beyond 15 integer digits or below 0.0001 an exponent form is used
// ("1E+15", "1.5E-07").
//
// The field conversion reads every text written here back to a finite
// number. Digits are rounded to nearest, except where that would carry the
// text past the largest double (1.79769313486232E+308 would be refused when
// read back): there the last digit is rounded toward zero instead.
//
// The value must be finite: a NaN or an infinity has no number text, and
// passing one throws std::invalid_argument.
std::string numberText(double value);

}  // namespace zentrel
