// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every control of the window, as data: the window builds itself from this
// table, and the tests check it row by row.
namespace zentrel::app {

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

struct FontSpec {
    std::string_view family;  // the designed face; the nearest installed one is used
    double points;
    bool bold;
};

enum class ControlKind { Label, Button, Field };

// What clicking a control does.
enum class Action {
    None,
    DrawPattern,  // the pattern of the row's index
    Halt,
    Reset,
    SmallPreset,
    MediumPreset,
    LargePreset,
    HalveXoom,
    DoubleXoom,
    MoveRight,
    MoveLeft,
    MoveDown,
    MoveUp,
    DoubleDown,
    HalveDown,
    DoubleAcross,
    HalveAcross,
    StepXoomOut,
    StepXoomIn,
    ZoomLowerRight,
    ZoomLowerLeft,
    ZoomTopRight,
    ZoomTopLeft,
    Exit,
    Minimise,
    OpenLink,
    Back,  // to the view before (keys and mouse buttons only)
    Forward,
    HoldZoomIn,  // zooms while the key is held (keys only)
    HoldZoomOut,
    SmoothSteps,  // the context menu's switch of the steps' animation
    // Keeping and sharing views: keys and the context menu only.
    SavePicture,
    CopyPicture,
    CopyView,
    PasteView,
    OpenView,
    RenderPoster,
    // Movies of views: keys and the context menu only.
    MakeMovie,
    AddKeyframe,
    // Zoomable pages of views: keys and the context menu only.
    ExportPage,
    // Finding what the window offers: keys and the context menu only.
    ShowMenu,
    ShowKeys,
    ShowGallery,
    BookmarkView,
    ShowBookmarks,
};

struct ControlSpec {
    std::string name;  // object name; array members as "CMD(3)"
    ControlKind kind;
    Action action;
    std::string caption;
    int left, top, width, height;
    Rgb background;
    std::optional<Rgb> textColour;  // none: the platform's text colour
    FontSpec font;
    std::string tooltip;
    bool bordered = false;
    int pattern = -1;  // with Action::DrawPattern: the index in the pattern table
};

inline constexpr int kClientWidth = 1272;
inline constexpr int kClientHeight = 1016;
// Where every drawing lands on the window, whatever its origin: column c of
// a picture is window column kPlotLeft + c, row r is window row kPlotTop + r.
inline constexpr int kPlotLeft = 161;
inline constexpr int kPlotTop = 51;
inline constexpr Rgb kWindowColour{64, 64, 64};
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 8.25, true};

inline constexpr Rgb kUnselectedPattern{128, 128, 128};
// The pattern button chosen last: the colour of the "X" label's text.
inline constexpr Rgb kChosenPattern{255, 255, 0};

// The controls in stacking order, lowest first: labels lie beneath buttons
// and fields.
const std::vector<ControlSpec>& controlLayout();

// The controls that take the focus, first to last.
const std::vector<std::string_view>& tabOrder();

// The object name of member index of a control array: "CMD(3)".
std::string arrayName(std::string_view array, int index);

}  // namespace zentrel::app
