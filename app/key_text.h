#pragma once

#include <string>

namespace zentrel::app {

// A key and what it does, in words, for --help.
struct KeyText {
    std::string keys;
    std::string what;
};

}  // namespace zentrel::app
