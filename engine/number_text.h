#pragma once

#include <string>

namespace zentrel {

// The decimal text in which numbers are written back into the fields: at
// most 15 significant digits, "300", "0.2", "-74.5", never ".2" or "1.50".
// Beyond 15 integer digits or below 0.0001 an exponent form is used
// ("1E+15", "1.5E-07"), which the field conversion reads back.
std::string numberText(double value);

}  // namespace zentrel
