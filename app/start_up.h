// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// What zentrel settles before the toolkit starts. The toolkit ends the
// process with an abort when it finds no desktop to open a window on, so
// that case is told apart here, as are the options that need no window.
namespace zentrel::app {

// What the environment offers for a window.
struct WindowSystem {
    std::string display;         // DISPLAY (or -display): an X server
    std::string waylandDisplay;  // WAYLAND_DISPLAY: a Wayland session
    std::string platform;        // -platform, else QT_QPA_PLATFORM: the toolkit's plugins
};

// The window system of this process, from its arguments and environment.
WindowSystem windowSystemHere(const std::vector<std::string>& args);

// Whether the toolkit can open a window: X needs a display, Wayland a
// session; other platforms (offscreen, vnc, eglfs...) need no desktop.
bool canOpenWindow(const WindowSystem& here);

// An end before the window opens: what to print and the exit status.
struct EarlyEnd {
    int status;
    std::string out;
    std::string err;
};

// --help and --version, answered without a window; an option that is
// neither ours nor the toolkit's (-platform, -style...), refused; no
// desktop, said in one line. Nothing when the window can open.
std::optional<EarlyEnd> endBeforeTheWindow(const std::vector<std::string>& args,
                                           const WindowSystem& here);

std::string helpText();

// The pictures named on the command line, in order: every argument that is
// no option, and every one after "--".
std::vector<std::string> picturesToOpen(const std::vector<std::string>& args);

// One line for a desktop that is named but does not answer, which the
// toolkit would report in many lines and an abort.
std::string unreachableDesktopText(const WindowSystem& here);

// The scale factor to ask of the toolkit instead of the one given, if any:
// below 1 its controls lose their captions and pictures their columns, so
// the window is drawn at 1 there.
std::optional<std::string> scaleFactorToUse(const char* given);

}  // namespace zentrel::app
