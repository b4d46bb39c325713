// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/actions.h"

#include "app/finder.h"
#include "app/movie_maker.h"
#include "app/view_keeper.h"
#include "params/navigation.h"
#include "params/presets.h"
#include "patterns/pattern_table.h"

namespace zentrel::app {
namespace {

using W = ActionTarget;

// A field rule applied to the fields as they stand.
template <auto rule, auto... arguments>
void applyRule(W& window, int)
{
    window.applyFieldRule(rule(window.fieldTexts(), arguments...));
}

template <void (ViewKeeper::*keep)()>
void keepView(W& window, int)
{
    (window.keeper().*keep)();
}

template <void (Finder::*act)()>
void useFinder(W& window, int)
{
    (window.finder().*act)();
}

// The actions with keys, in the order --help lists them.
std::vector<ActionRow> keyedRows()
{
    using A = Action;
    using enum Direction;
    // clang-format off
    return {
        {A::MoveRight, -1, "move-right", "", "Right", "as \">\": the view half a picture to the right", applyRule<moveAcross, Forward>},
        {A::MoveLeft, -1, "move-left", "", "Left", "as \"<\": half a picture to the left", applyRule<moveAcross, Back>},
        {A::MoveDown, -1, "move-down", "", "Down", "as \"V\": half a picture down", applyRule<moveDown, Forward>},
        {A::MoveUp, -1, "move-up", "", "Up", "as \"^\": half a picture up", applyRule<moveDown, Back>},
        {A::HalveXoom, -1, "halve-xoom", "", "+", "as \"X\": halves the XOOM, zooming in", applyRule<halveXoom>},
        {A::DoubleXoom, -1, "double-xoom", "", "-", "as \"OOM\": doubles the XOOM, zooming out", applyRule<doubleXoom>},
        {A::Halt, -1, "halt", "", "Esc", "as \"halt !\": stops the drawing", [](W& w, int) { w.halt(); }},
        {A::Back, -1, "back", "", "Alt+Left", "back to the view before (the mouse's back button too)", [](W& w, int) { w.stepThroughHistory(-1); }},
        {A::Forward, -1, "forward", "", "Alt+Right", "forward again (the mouse's forward button too)", [](W& w, int) { w.stepThroughHistory(1); }},
        {A::HoldZoomIn, -1, "hold-zoom-in", "", "PgUp", "held: zooms in toward the pointer on the picture, or its middle", [](W& w, int) { w.holdZoom(1); }},
        {A::HoldZoomOut, -1, "hold-zoom-out", "", "PgDown", "held: zooms out likewise", [](W& w, int) { w.holdZoom(-1); }},
    };
    // clang-format on
}

// One per pattern: its button, and Alt with the initial of its caption.
std::vector<ActionRow> patternRows()
{
    std::vector<ActionRow> rows;
    for (int i = 0; i < kPatternCount; ++i) {
        const std::string caption(patternTable()[i]->caption);
        const char initial = static_cast<char>(caption[0] - 'a' + 'A');
        rows.push_back({Action::DrawPattern, i, "draw-" + caption, "",
                        std::string("Alt+") + initial, "draws \"" + caption + "\"",
                        [](W& w, int pattern) {
                            w.focusPatternButton(pattern);
                            w.drawPattern(pattern);
                        }});
    }
    return rows;
}

// Keeping and sharing what the window shows: the context menu's entries.
std::vector<ActionRow> keepingRows()
{
    using A = Action;
    using K = ViewKeeper;
    // clang-format off
    return {
        {A::SavePicture, -1, "save-picture", "Save picture\u2026", "Ctrl+S", "saves the picture as a PNG that holds its view", keepView<&K::savePicture>},
        // A field with the focus keeps Ctrl+C for its own text.
        {A::CopyPicture, -1, "copy-picture", "Copy picture", "Ctrl+C", "copies the picture (outside the fields)", keepView<&K::copyPicture>},
        {A::CopyView, -1, "copy-view", "Copy view", "Ctrl+Shift+C", "copies the view as a zentrel-render command", keepView<&K::copyView>},
        {A::PasteView, -1, "paste-view", "Paste view", "Ctrl+Shift+V", "takes a copied view and draws it", keepView<&K::pasteView>},
        {A::OpenView, -1, "open-view", "Open view from picture\u2026", "Ctrl+O", "opens the view of a saved picture", keepView<&K::openViewFromPicture>},
        {A::RenderPoster, -1, "render-poster", "Render poster\u2026", "Ctrl+P", "renders the view as a larger, smoother picture", keepView<&K::renderPoster>},
        {A::ExportPage, -1, "export-page", "Export zoomable page\u2026", "Ctrl+E", "writes the view as a web page of tiles, exact at every zoom", keepView<&K::exportPage>},
    };
    // clang-format on
}

// Movies that fly through views.
std::vector<ActionRow> movieRows()
{
    using A = Action;
    // clang-format off
    return {
        {A::MakeMovie, -1, "make-movie", "Make movie\u2026", "Ctrl+M", "makes a movie flying through keyframes or the history", [](W& w, int) { w.movies().makeMovie(); }},
        {A::AddKeyframe, -1, "add-keyframe", "Add keyframe", "Ctrl+K", "keeps the view as the next keyframe of a movie", [](W& w, int) { w.movies().addKeyframe(); }},
    };
    // clang-format on
}

// Finding what the window offers beyond its buttons.
std::vector<ActionRow> findingRows()
{
    using A = Action;
    // clang-format off
    return {
        {A::ShowMenu, -1, "show-menu", "", "Menu; Shift+F10", "opens the menu of the picture (right click)", [](W& w, int) { w.showContextMenu(); }},
        {A::ShowKeys, -1, "show-keys", "Keys and mouse\u2026", "F1", "shows the keys and what the mouse does", [](W& w, int) { w.showKeysAndMouse(); }},
        {A::ShowGallery, -1, "every-pattern-here", "Every pattern here", "Ctrl+G", "shows all nineteen patterns at the view; a click draws one", useFinder<&Finder::showGallery>},
        {A::BookmarkView, -1, "bookmark-view", "Bookmark this view", "Ctrl+D", "keeps the view as a small picture in the bookmarks folder", useFinder<&Finder::bookmarkView>},
        {A::ShowBookmarks, -1, "bookmarks", "Bookmarks", "Ctrl+B", "shows the bookmarked views, to open, rename or delete", useFinder<&Finder::showBookmarks>},
        {A::SmoothSteps, -1, "smooth-steps", "Smooth steps", "", "", [](W& w, int) { w.setSmoothSteps(!w.smoothSteps()); }, [](const W& w) { return w.smoothSteps(); }},
    };
    // clang-format on
}

// The actions of the window's controls alone.
std::vector<ActionRow> clickRows()
{
    using A = Action;
    using enum Axis;
    using enum Corner;
    // clang-format off
    return {
        {A::Reset, -1, "reset", "", "", "", [](W& w, int) { w.reset(); }},
        {A::SmallPreset, -1, "small-picture", "", "", "", applyRule<smallPreset>},
        {A::MediumPreset, -1, "medium-picture", "", "", "", applyRule<mediumPreset>},
        {A::LargePreset, -1, "large-picture", "", "", "", applyRule<largePreset>},
        {A::DoubleDown, -1, "double-down", "", "", "", applyRule<doublePosition, Down>},
        {A::HalveDown, -1, "halve-down", "", "", "", applyRule<halvePosition, Down>},
        {A::DoubleAcross, -1, "double-across", "", "", "", applyRule<doublePosition, Across>},
        {A::HalveAcross, -1, "halve-across", "", "", "", applyRule<halvePosition, Across>},
        {A::StepXoomOut, -1, "step-xoom-out", "", "", "", applyRule<stepXoomOut>},
        {A::StepXoomIn, -1, "step-xoom-in", "", "", "", applyRule<stepXoomIn>},
        {A::ZoomLowerRight, -1, "zoom-lower-right", "", "", "", applyRule<zoomIntoCorner, LowerRight>},
        {A::ZoomLowerLeft, -1, "zoom-lower-left", "", "", "", applyRule<zoomIntoCorner, LowerLeft>},
        {A::ZoomTopRight, -1, "zoom-top-right", "", "", "", applyRule<zoomIntoCorner, TopRight>},
        {A::ZoomTopLeft, -1, "zoom-top-left", "", "", "", applyRule<zoomIntoCorner, TopLeft>},
        {A::Exit, -1, "exit", "", "", "", [](W& w, int) { w.exitProgram(); }},
        {A::Minimise, -1, "minimise", "", "", "", [](W& w, int) { w.minimise(); }},
        {A::OpenLink, -1, "open-link", "", "", "", [](W& w, int) { w.openLink(); }},
    };
    // clang-format on
}

}  // namespace

const std::vector<ActionRow>& actionRegistry()
{
    static const std::vector<ActionRow> rows = [] {
        std::vector<ActionRow> all;
        for (auto part : {keyedRows, patternRows, keepingRows, movieRows, findingRows, clickRows})
            for (ActionRow& row : part()) all.push_back(std::move(row));
        return all;
    }();
    return rows;
}

const ActionRow* actionRow(Action action, int pattern)
{
    for (const ActionRow& row : actionRegistry())
        if (row.action == action && row.pattern == pattern) return &row;
    return nullptr;
}

std::vector<KeyText> allKeys()
{
    std::vector<KeyText> keys;
    for (const ActionRow& row : actionRegistry()) {
        if (row.keys.empty()) continue;
        std::string shown = row.keys;
        for (std::size_t at; (at = shown.find("; ")) != std::string::npos;)
            shown.replace(at, 2, ", ");
        keys.push_back({shown, row.what});
    }
    return keys;
}

const std::vector<KeyText>& mouseGestures()
{
    // clang-format off
    static const std::vector<KeyText> gestures = {
        {"Wheel", "zooms in or out around the pointer"},
        {"Drag", "moves the view with the picture"},
        {"Double click", "zooms in on the point, centring it"},
        {"Middle button held", "zooms in toward the pointer (with Shift, out) until let go; the wheel meanwhile zooms faster or slower"},
        {"Right click", "the menu: save, copy, paste, open, poster, movie"},
        {"Back, Forward", "the mouse's side buttons: back and forward through the views"},
    };
    // clang-format on
    return gestures;
}

}  // namespace zentrel::app
