#include "app/keys.h"

#include "app/view_keeper.h"
#include "patterns/pattern_table.h"

namespace zentrel::app {
namespace {

std::vector<KeyRow> patternKeys()
{
    std::vector<KeyRow> rows;
    for (int i = 0; i < kPatternCount; ++i) {
        const std::string caption(patternTable()[i]->caption);
        const char initial = static_cast<char>(caption[0] - 'a' + 'A');
        rows.push_back(
            {std::string("Alt+") + initial, "draws \"" + caption + "\"", Action::DrawPattern, i});
    }
    return rows;
}

}  // namespace

const std::vector<KeyRow>& navigationKeys()
{
    static const std::vector<KeyRow> rows = [] {
        // clang-format off
        std::vector<KeyRow> r = {
            {"Right", "as \">\": the view half a picture to the right", Action::MoveRight},
            {"Left", "as \"<\": half a picture to the left", Action::MoveLeft},
            {"Down", "as \"V\": half a picture down", Action::MoveDown},
            {"Up", "as \"^\": half a picture up", Action::MoveUp},
            {"+", "as \"X\": halves the XOOM, zooming in", Action::HalveXoom},
            {"-", "as \"OOM\": doubles the XOOM, zooming out", Action::DoubleXoom},
            {"Esc", "as \"halt !\": stops the drawing", Action::Halt},
            {"Alt+Left", "back to the view before (the mouse's back button too)", Action::Back},
            {"Alt+Right", "forward again (the mouse's forward button too)", Action::Forward},
        };
        // clang-format on
        for (KeyRow& row : patternKeys()) r.push_back(std::move(row));
        return r;
    }();
    return rows;
}

std::vector<KeyText> allKeys()
{
    std::vector<KeyText> keys;
    for (const KeyRow& row : navigationKeys()) keys.push_back({row.keys, row.what});
    for (const KeyText& key : keepKeys()) keys.push_back(key);
    return keys;
}

}  // namespace zentrel::app
