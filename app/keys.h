#pragma once

#include <string>
#include <vector>

#include "app/key_text.h"
#include "app/layout.h"

// The window's keys: one row each, with what it does. They work wherever the
// focus is, except where a field uses the key for its own typing (arrows,
// + and - move and type in a field).
namespace zentrel::app {

struct KeyRow {
    std::string keys;  // as the toolkit reads them: "Alt+A", "Ctrl+Shift+C"
    std::string what;  // for --help
    Action action;
    int pattern = -1;  // with Action::DrawPattern
};

// Navigation, halt, history and one key per pattern (Alt and the initial of
// its caption).
const std::vector<KeyRow>& navigationKeys();

// Every key of the window, the keeping ones too, for --help.
std::vector<KeyText> allKeys();

}  // namespace zentrel::app
