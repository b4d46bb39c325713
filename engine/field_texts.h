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

}  // namespace zentrel
