#include "app/start_up.h"

#include "app/actions.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace zentrel::app {
namespace {

constexpr int kNoDesktop = 2;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value of a toolkit option, written -name VALUE or --name VALUE.
std::string optionValue(const std::vector<std::string>& args, const std::string& name)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-" + name || args[i] == "--" + name) return args[i + 1];
    return "";
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
    if (canOpenWindow(here)) return std::nullopt;
    return EarlyEnd{kNoDesktop, "",
                    "zentrel: there is no desktop here to open the window on (no DISPLAY or "
                    "WAYLAND_DISPLAY); zentrel-render draws the pictures without one.\n"};
}

namespace {

// "  Alt+A        draws "aqua"", one key a line.
std::string keyLines()
{
    std::string lines;
    for (const KeyText& key : allKeys())
        lines += "  " + key.keys +
                 std::string(key.keys.size() < 15 ? 15 - key.keys.size() : 1, ' ') + key.what +
                 "\n";
    return lines;
}

}  // namespace

std::string helpText()
{
    return "Usage: zentrel [--help | --version]\n"
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
           "Exit status: 0 when the window is closed; 2 when there is no desktop\n"
           "to open it on.\n"
           "\n"
           "Keys:\n" +
           keyLines();
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
