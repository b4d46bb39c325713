#pragma once

#include <string>
#include <vector>

#include "app/layout.h"

// Everything the window can be asked to do, one row each: a click on a
// control, a key, a menu entry. The key list of --help (and so of the manual
// page), the context menu and the window's keys are all made from it.
namespace zentrel::app {

class MainWindow;

struct ActionRow {
    Action action;
    int pattern = -1;      // with Action::DrawPattern: the index in the pattern table
    std::string name;      // "halve-xoom", "draw-aqua": what tests and settings call it
    std::string menuText;  // the context menu's entry; empty for none
    std::string keys;      // as the toolkit reads them: "Alt+A", "Ctrl+Shift+C"; empty for none
    std::string what;      // what the keys do, for --help
    void (*run)(MainWindow& window, int pattern);
};

// Every action, in the order --help lists the keys and the menu its entries.
const std::vector<ActionRow>& actionRegistry();

// The row of a control's action (with its pattern for a pattern button);
// null for Action::None.
const ActionRow* actionRow(Action action, int pattern = -1);

// A key and what it does, in words.
struct KeyText {
    std::string keys;
    std::string what;
};

// Every key of the window, for --help; keys of one action with ", ".
std::vector<KeyText> allKeys();

// What the mouse does on the picture.
const std::vector<KeyText>& mouseGestures();

}  // namespace zentrel::app
