// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_up.h"

#include "app/actions.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace zentrel::app {
namespace {

constexpr int kNoDesktop = 2;
constexpr int kBadCommandLine = 2;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The toolkit's own options, written -name or --name; those that take a
// value take the next argument, or one joined with "=".
struct ToolkitOption {
    const char* name;
    bool takesValue;
};

// clang-format off
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"display", true}, {"geometry", true}, {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true}, {"title", true}, {"name", true}, {"session", true}, {"style", true},
    {"stylesheet", true}, {"qmljsdebugger", true}, {"reverse", false}, {"widgetcount", false},
    {"nograb", false}, {"dograb", false}, {"sync", false},
};
// clang-format on

// The option's name without its dashes and any "=value".
std::string optionName(const std::string& arg)
{
    const std::size_t start = arg.rfind("--", 0) == 0 ? 2 : 1;
    return arg.substr(
        start, arg.find('=') == std::string::npos ? std::string::npos : arg.find('=') - start);
}

const ToolkitOption* toolkitOption(const std::string& arg)
{
    if (arg.size() < 2 || arg[0] != '-') return nullptr;
    const std::string name = optionName(arg);
    for (const ToolkitOption& option : kToolkitOptions)
        if (name == option.name) return &option;
    return nullptr;
}

// How many arguments the toolkit option at args[i] takes, itself counted.
std::size_t toolkitSpan(const std::vector<std::string>& args, std::size_t i)
{
    const ToolkitOption* option = toolkitOption(args[i]);
    if (!option) return 0;
    const bool joined = args[i].find('=') != std::string::npos;
    return option->takesValue && !joined && i + 1 < args.size() ? 2 : 1;
}

// The value of a toolkit option, written -name VALUE or --name VALUE.
std::string optionValue(const std::vector<std::string>& args, const std::string& name)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-" + name || args[i] == "--" + name) return args[i + 1];
    return "";
}

// The first argument that is neither ours, the toolkit's, nor a file.
std::optional<std::string> unknownOption(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] == "--") return std::nullopt;
        if (const std::size_t span = toolkitSpan(args, i)) {
            i += span;
            continue;
        }
        const bool ours = args[i] == "--help" || args[i] == "-h" || args[i] == "--version";
        if (args[i].size() > 1 && args[i][0] == '-' && !ours) return args[i];
        ++i;
    }
    return std::nullopt;
}

bool canOpenOn(const std::string& platform, const WindowSystem& here)
{
    const std::string name = platform.substr(0, platform.find(':'));  // "xcb:option"
    if (name.empty()) return !here.display.empty() || !here.waylandDisplay.empty();
    if (name == "xcb") return !here.display.empty();
    if (name.rfind("wayland", 0) == 0) return !here.waylandDisplay.empty();
    return true;
}

bool asked(const std::vector<std::string>& args, std::initializer_list<const char*> spellings)
{
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        return std::find(spellings.begin(), spellings.end(), arg) != spellings.end();
    });
}

}  // namespace

WindowSystem windowSystemHere(const std::vector<std::string>& args)
{
    WindowSystem here{environment("DISPLAY"), environment("WAYLAND_DISPLAY"),
                      environment("QT_QPA_PLATFORM")};
    if (const std::string display = optionValue(args, "display"); !display.empty())
        here.display = display;
    if (const std::string platform = optionValue(args, "platform"); !platform.empty())
        here.platform = platform;
    return here;
}

bool canOpenWindow(const WindowSystem& here)
{
    // A list of platforms is tried in order, "wayland;xcb".
    std::istringstream platforms(here.platform);
    std::string platform;
    bool any = false;
    while (std::getline(platforms, platform, ';')) {
        if (canOpenOn(platform, here)) return true;
        any = true;
    }
    return !any && canOpenOn("", here);
}

std::optional<EarlyEnd> endBeforeTheWindow(const std::vector<std::string>& args,
                                           const WindowSystem& here)
{
    if (asked(args, {"--help", "-h"})) return EarlyEnd{0, helpText(), ""};
    if (asked(args, {"--version"})) return EarlyEnd{0, "zentrel " ZENTREL_VERSION "\n", ""};
    if (const auto unknown = unknownOption(args))
        return EarlyEnd{
            kBadCommandLine, "",
            "zentrel: there is no option " + *unknown + "; zentrel --help lists the options.\n"};
    if (canOpenWindow(here)) return std::nullopt;
    return EarlyEnd{kNoDesktop, "",
                    "zentrel: there is no desktop here to open the window on (no DISPLAY or "
                    "WAYLAND_DISPLAY); zentrel-render draws the pictures without one.\n"};
}

std::vector<std::string> picturesToOpen(const std::vector<std::string>& args)
{
    std::vector<std::string> pictures;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size();) {
        if (!optionsEnded) {
            if (args[i] == "--") {
                optionsEnded = true;
                ++i;
                continue;
            }
            if (const std::size_t span = toolkitSpan(args, i)) {
                i += span;
                continue;
            }
            if (args[i].size() > 1 && args[i][0] == '-') {
                ++i;
                continue;
            }
        }
        pictures.push_back(args[i++]);
    }
    return pictures;
}

std::string unreachableDesktopText(const WindowSystem& here)
{
    const std::string where = !here.display.empty() ? "the X display " + here.display
                              : !here.waylandDisplay.empty()
                                  ? "the Wayland session " + here.waylandDisplay
                                  : "the desktop";
    return "zentrel: cannot open the window: " + where +
           " does not answer; zentrel-render draws the pictures without one.\n";
}

namespace {

// "  Alt+A        draws "aqua"", one key a line.
std::string keyLines(const std::vector<KeyText>& keys)
{
    std::string lines;
    for (const KeyText& key : keys)
        lines += "  " + key.keys +
                 std::string(key.keys.size() < 15 ? 15 - key.keys.size() : 2, ' ') + key.what +
                 "\n";
    return lines;
}

}  // namespace

std::string helpText()
{
    return "Usage: zentrel [PICTURE]\n"
           "       zentrel --help | --version\n"
           "\n"
           "Opens the Zentrel window, which draws pictures point by point from\n"
           "nineteen pattern formulas of sines, cosines, tangents and powers. A\n"
           "button per pattern draws it column by column; \"halt !\" stops it.\n"
           "Five fields set the view: the zero point across and down, the side of\n"
           "the picture, the XOOM (smaller zooms in) and the brightness. The\n"
           "buttons beside them move the view by half a picture, halve or double\n"
           "the XOOM, or zoom into a corner; \"reset\" clears the picture and the\n"
           "fields. Return, Enter and Space press the focused button.\n"
           "\n"
           "A PICTURE saved by Zentrel or zentrel-render (PNG or PPM) opens with\n"
           "its view drawn.\n"
           "\n"
           "Options:\n"
           "  -h, --help       this text\n"
           "  --version        the version\n"
           "  Other arguments are the Qt toolkit's own, such as -platform NAME.\n"
           "\n"
           "Environment:\n"
           "  The window opens on the desktop that DISPLAY (X) or WAYLAND_DISPLAY\n"
           "  (Wayland) names, or on the platform that QT_QPA_PLATFORM names.\n"
           "  Without any, zentrel says so in one line and ends; zentrel-render\n"
           "  draws the same pictures into files without a desktop.\n"
           "\n"
           "Exit status: 0 when the window is closed; 2 for an option it does not\n"
           "know, or when there is no desktop to open it on.\n"
           "\n"
           "Keys:\n" +
           keyLines(allKeys()) +
           "\n"
           "Mouse (on the picture):\n" +
           keyLines(mouseGestures());
}

std::optional<std::string> scaleFactorToUse(const char* given)
{
    if (!given || !*given) return std::nullopt;
    char* end = nullptr;
    const double factor = std::strtod(given, &end);
    if (end == given || factor >= 1) return std::nullopt;
    return std::string("1");
}

}  // namespace zentrel::app
