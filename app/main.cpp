// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel: the desktop program.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/desktop_identity.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "app/view_keeper.h"
#include "app/window_frame.h"
#include "engine/standard_streams.h"
#include "picture/hidden_name.h"

namespace {

std::vector<std::string> arguments;
QtMessageHandler usualHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

// The toolkit ends with many lines and an abort when the desktop it was
// given does not answer; one line and the status of no desktop say it. What
// it says on the way is held back until it has started.
void endOnToolkitFailure(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages.emplace_back(type, text);
        return;
    }
    const auto here = zentrel::app::windowSystemHere(arguments);
    std::fputs(zentrel::app::unreachableDesktopText(here).c_str(), stderr);
    std::_Exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    zentrel::openClosedStandardStreams();
    zentrel::setProgramName("zentrel");
    arguments.assign(argv + 1, argv + argc);
    const auto end =
        zentrel::app::endBeforeTheWindow(arguments, zentrel::app::windowSystemHere(arguments));
    if (end) {
        std::fputs(end->out.c_str(), stdout);
        std::fputs(end->err.c_str(), stderr);
        return end->status;
    }
    if (const auto scale = zentrel::app::scaleFactorToUse(std::getenv("QT_SCALE_FACTOR")))
        setenv("QT_SCALE_FACTOR", scale->c_str(), 1);
    usualHandler = qInstallMessageHandler(endOnToolkitFailure);
    QApplication app(argc, argv);
    qInstallMessageHandler(usualHandler);
    for (const auto& [type, text] : heldMessages) usualHandler(type, QMessageLogContext(), text);
    zentrel::app::setDesktopIdentity();
    auto* window = new zentrel::app::MainWindow;
    zentrel::app::WindowFrame frame(window);
    frame.show();
    // A picture named on the command line opens once the window is up, as
    // one dropped on it would.
    const auto pictures = zentrel::app::picturesToOpen(arguments);
    if (!pictures.empty())
        QTimer::singleShot(0, window, [window, path = QString::fromStdString(pictures.front())] {
            window->keeper().openPicture(path);
        });
    return app.exec();
}
