// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/layout.h"
#include "engine/field_texts.h"
#include "engine/outcome.h"

// Everything the window can be asked to do, one row each: a click on a
// control, a key, a menu entry. The key list of --help (and so of the manual
// page), the context menu and the window's keys are all made from it.
namespace zentrel::app {

class Finder;
class MovieMaker;
class ViewKeeper;

// What the actions do to the window that runs them.
class ActionTarget {
public:
    virtual ~ActionTarget() = default;

    virtual FieldTexts fieldTexts() const = 0;
    // A rule's texts for the fields, the view left recorded for the way back.
    virtual void applyFieldRule(const Outcome<FieldTexts>& result) = 0;
    virtual void drawPattern(int index) = 0;
    // Moves the focus to the pattern's button, as a click on it does (the
    // size field is checked as it loses the focus).
    virtual void focusPatternButton(int index) = 0;
    virtual void halt() = 0;
    virtual void reset() = 0;
    virtual void stepThroughHistory(int steps) = 0;
    virtual void openLink() = 0;
    virtual void minimise() = 0;
    virtual void exitProgram() = 0;
    virtual ViewKeeper& keeper() = 0;
    virtual Finder& finder() = 0;
    virtual MovieMaker& movies() = 0;
    virtual void showContextMenu() = 0;
    virtual void showKeysAndMouse() = 0;
    // Zooms in (1) or out (-1) until the key is let go.
    virtual void holdZoom(int direction) = 0;
    virtual bool smoothSteps() const = 0;
    virtual void setSmoothSteps(bool on) = 0;
};

struct ActionRow {
    Action action;
    int pattern = -1;      // with Action::DrawPattern: the index in the pattern table
    std::string name;      // "halve-xoom", "draw-aqua": what tests and settings call it
    std::string menuText;  // the context menu's entry; empty for none
    std::string keys;      // as the toolkit reads them: "Alt+A", "Ctrl+Shift+C"; empty for none
    std::string what;      // what the keys do, for --help
    void (*run)(ActionTarget& window, int pattern);
    // A switch, whose entry is ticked when this says it is on; none for the
    // other actions.
    bool (*isOn)(const ActionTarget& window) = nullptr;
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
