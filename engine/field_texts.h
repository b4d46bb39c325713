// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace zentrel {

// The texts of the five parameter fields, the only store of drawing state.
// The defaults are the texts the window starts with.
struct FieldTexts {
    std::string across = "1";        // TextOne: horizontal position
    std::string down = "1";          // TextTwo: vertical position
    std::string size = "150";        // TextThree: size of the picture
    std::string xoom = "1";          // TextFour: the Xoom, smaller zooms in
    std::string brightness = "150";  // Textfive: brightness

    bool operator==(const FieldTexts&) const = default;
};

// The five fields by the part they play. A failure names its field by role;
// the window and the renderer each have their own words for it.
enum class FieldRole { Across, Down, Size, Xoom, Brightness };

const std::string& fieldText(const FieldTexts& f, FieldRole role);
std::string& fieldText(FieldTexts& f, FieldRole role);

// The field's name in the program ("TextOne" ... "Textfive"), for failures
// told in the program's own terms.
const char* fieldName(FieldRole role);

}  // namespace zentrel
