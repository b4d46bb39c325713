#pragma once

#include <string>

namespace zentrel {

// The texts of the five parameter fields, the only store of drawing state.
struct FieldTexts {
    std::string one = "1";      // TextOne: horizontal position
    std::string two = "1";      // TextTwo: vertical position
    std::string three = "150";  // TextThree: size
    std::string four = "1";     // TextFour: Xoom
    std::string five = "150";   // Textfive: brightness

    bool operator==(const FieldTexts&) const = default;
};

}  // namespace zentrel
