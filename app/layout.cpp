// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout.h"

#include <string>

#include "engine/field_texts.h"
#include "patterns/pattern_table.h"

namespace zentrel::app {
namespace {

using K = ControlKind;
using A = Action;

constexpr Rgb kPanelGrey = kWindowColour;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGreyText{128, 128, 128};
constexpr Rgb kPaleYellow{255, 255, 192};
constexpr Rgb kLime{175, 255, 0};
constexpr Rgb kAqua{0, 255, 208};
constexpr Rgb kOrange{255, 208, 0};
constexpr Rgb kSizeField{64, 32, 0};
constexpr Rgb kSizeText{255, 128, 64};
constexpr Rgb kPositionField{0, 64, 64};
constexpr Rgb kPositionText{0, 255, 255};

constexpr FontSpec kDefault = kWindowFont;
constexpr FontSpec kVerdana825Bold{"Verdana", 8.25, true};
constexpr FontSpec kVerdana975Bold{"Verdana", 9.75, true};
constexpr FontSpec kVerdana1425Bold{"Verdana", 14.25, true};
constexpr FontSpec kSansSerif1350Bold{"MS Sans Serif", 13.5, true};

std::vector<ControlSpec> labels()
{
    // clang-format off
    return {
        {"Label3", K::Label, A::None, "", 8, 32, 137, 248, kBlack, {}, kDefault, "", true},
        {"Label10", K::Label, A::None, "", 8, 312, 137, 773, kBlack, {}, kDefault, "", true},
        {"Label13", K::Label, A::None, "Label13", 0, 992, 1273, 33, kBlack, {}, {"MS Sans Serif", 8.25, false}, ""},
        {"Label4", K::Label, A::Exit, "<", 8, 4, 17, 17, kPanelGrey, kRed, {"MS Sans Serif", 12, true}, "  Exit  "},
        {"Label2", K::Label, A::Exit, "exit", 24, 8, 33, 17, kPanelGrey, Rgb{192, 0, 0}, kDefault, ""},
        {"Label17", K::Label, A::HalveXoom, "X", 356, 4, 20, 25, kPanelGrey, kYellow, {"Verdana", 18, true}, ""},
        {"Label8", K::Label, A::DoubleXoom, "OOM", 376, 8, 41, 17, kPanelGrey, kYellow, {"Verdana", 11.25, true}, ""},
        {"Label5", K::Label, A::None, "QUOR ZENTREL", 568, 8, 223, 25, kPanelGrey, kGreyText, kVerdana825Bold, ""},
        {"Label6", K::Label, A::None, "VERSION   5.2014", 832, 8, 167, 25, kPanelGrey, kGreyText, kVerdana825Bold, ""},
        {"Label7", K::Label, A::Minimise, "-", 1240, 0, 17, 25, kPanelGrey, kRed, kSansSerif1350Bold, "minimize"},
        {"Label1", K::Label, A::Exit, "x", 1256, 0, 25, 33, kPanelGrey, kRed, kSansSerif1350Bold, "exit"},
        {"Label9(1)", K::Label, A::None, "side", 96, 134, 41, 17, kPanelGrey, kWhite, kDefault, ""},
        {"Label9(2)", K::Label, A::None, "zero point", 16, 152, 65, 17, kPanelGrey, kWhite, kDefault, ""},
        {"Label9(0)", K::Label, A::None, "brightness", 16, 258, 65, 17, kPanelGrey, kWhite, kDefault, ""},
    };
    // clang-format on
}

std::vector<ControlSpec> controls(const std::string& address)
{
    const FieldTexts kStart;
    // clang-format off
    return {
        {"cmdXX(0)", K::Button, A::StepXoomOut, "<<", 16, 39, 60, 21, kPaleYellow, {}, kDefault, "Log Xoom"},
        {"cmdXX(1)", K::Button, A::StepXoomIn, ">>", 76, 39, 60, 21, kPaleYellow, {}, kDefault, "Log Xoom"},
        {"TextFour", K::Field, A::None, kStart.xoom, 76, 5, 273, 24, Rgb{0, 64, 48}, Rgb{0, 255, 175},
         {"Verdana", 9.75, true}, "  Set the Xoom to a frcation to xoom into the zentrel,  "},
        {"Command1", K::Button, A::OpenLink, address, 992, 8, 193, 22, kAqua, {}, {"Verdana", 8.25, false}, ""},
        {"cmdXX(5)", K::Button, A::ZoomTopLeft, "", 16, 60, 60, 20, kLime, {}, kDefault, "Move and Xoom to top left"},
        {"cmdXX(4)", K::Button, A::ZoomTopRight, "", 76, 60, 60, 20, kLime, {}, kDefault, "Xoom and Move to top right"},
        {"cmdXX(3)", K::Button, A::ZoomLowerLeft, "", 16, 80, 60, 20, kLime, {}, kDefault, "Move and Xoom to lower left"},
        {"cmdXX(2)", K::Button, A::ZoomLowerRight, "", 76, 80, 60, 20, kLime, {}, kDefault, "Xoom and Move to lower right"},
        {"cmd1", K::Button, A::SmallPreset, "S", 16, 101, 24, 22, Rgb{0, 192, 192}, {}, kDefault, "  Small  "},
        {"cmdb", K::Button, A::MediumPreset, "M", 40, 101, 36, 25, kYellow, {}, {"MS Sans Serif", 9.75, true}, "  Medium  "},
        {"Command4", K::Button, A::LargePreset, "L", 76, 101, 60, 33, Rgb{255, 255, 128}, {}, {"MS Sans Serif", 18, true}, "  Large  "},
        {"TextThree", K::Field, A::None, kStart.size, 16, 128, 59, 19, kSizeField, kSizeText, kDefault, "Size of image"},
        {"verty(1)", K::Button, A::MoveUp, "^", 90, 158, 49, 26, kAqua, {}, kVerdana1425Bold, ""},
        {"cmdblue(0)", K::Button, A::DoubleDown, "x", 16, 168, 36, 20, kOrange, {}, kDefault, ""},
        {"cmdblue(1)", K::Button, A::HalveDown, "/", 52, 168, 36, 20, kOrange, {}, kDefault, ""},
        {"verty(0)", K::Button, A::MoveDown, "V", 90, 184, 49, 26, kAqua, {}, {"Courier New", 14.25, true}, ""},
        {"TextTwo", K::Field, A::None, kStart.down, 16, 188, 71, 19, kPositionField, kPositionText, kDefault, "Move image up or down"},
        {"TextOne", K::Field, A::None, kStart.across, 16, 208, 71, 19, kPositionField, kPositionText, kDefault, "Move image left or right"},
        {"horz(1)", K::Button, A::MoveLeft, "<", 90, 210, 25, 36, kAqua, {}, kDefault, ""},
        {"horz(0)", K::Button, A::MoveRight, ">", 114, 210, 25, 36, kAqua, {}, kDefault, ""},
        {"cmdblue(2)", K::Button, A::DoubleAcross, "x", 16, 226, 36, 20, kOrange, {}, kDefault, ""},
        {"cmdblue(3)", K::Button, A::HalveAcross, "/", 52, 226, 36, 20, kOrange, {}, kDefault, ""},
        {"Textfive", K::Field, A::None, kStart.brightness, 80, 256, 57, 19, kSizeField, kSizeText, kDefault, "Vary the brightness of colour"},
        {"Command3", K::Button, A::Reset, "reset", 8, 284, 65, 25, kYellow, {}, kVerdana975Bold, ""},
        {"cmdstop", K::Button, A::Halt, "halt !", 80, 284, 65, 25, kYellow, {}, kVerdana975Bold, ""},
    };
    // clang-format on
}

void addPatternButtons(std::vector<ControlSpec>& specs)
{
    const auto& table = patternTable();
    for (int i = 0; i < kPatternCount; ++i) {
        ControlSpec button{arrayName("CMD", i),
                           K::Button,
                           A::DrawPattern,
                           std::string(table[i]->caption),
                           24,
                           320 + 32 * i,
                           105,
                           25,
                           kUnselectedPattern,
                           {},
                           {"Verdana", 12, true},
                           ""};
        button.pattern = i;
        specs.push_back(std::move(button));
    }
}

}  // namespace

std::string arrayName(std::string_view array, int index)
{
    return std::string(array) + "(" + std::to_string(index) + ")";
}

const std::vector<ControlSpec>& controlLayout()
{
    static const std::vector<ControlSpec> layout = [] {
        std::vector<ControlSpec> specs = labels();
        const auto rest = controls(ZENTREL_HOME_ADDRESS);
        specs.insert(specs.end(), rest.begin(), rest.end());
        addPatternButtons(specs);
        return specs;
    }();
    return layout;
}

const std::vector<std::string_view>& tabOrder()
{
    static const std::vector<std::string_view> order = {
        "TextThree",  "TextTwo",  "TextOne", "Textfive", "Command3",   "CMD(0)",     "CMD(1)",
        "CMD(2)",     "CMD(3)",   "CMD(4)",  "CMD(5)",   "CMD(6)",     "CMD(7)",     "CMD(8)",
        "TextFour",   "CMD(9)",   "CMD(10)", "cmdstop",  "CMD(11)",    "CMD(12)",    "CMD(13)",
        "CMD(14)",    "CMD(15)",  "CMD(16)", "cmd1",     "cmdb",       "Command4",   "CMD(17)",
        "verty(0)",   "verty(1)", "horz(0)", "horz(1)",  "cmdblue(0)", "cmdblue(1)", "cmdblue(2)",
        "cmdblue(3)", "Command1", "CMD(18)", "cmdXX(3)", "cmdXX(2)",   "cmdXX(1)",   "cmdXX(0)",
        "cmdXX(4)",   "cmdXX(5)",
    };
    return order;
}

}  // namespace zentrel::app
