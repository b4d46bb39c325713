// zentrel: the desktop program.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/desktop_identity.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "app/window_frame.h"
#include "engine/standard_streams.h"

int main(int argc, char** argv)
{
    zentrel::openClosedStandardStreams();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto end = zentrel::app::endBeforeTheWindow(args, zentrel::app::windowSystemHere(args));
    if (end) {
        std::fputs(end->out.c_str(), stdout);
        std::fputs(end->err.c_str(), stderr);
        return end->status;
    }
    if (const auto scale = zentrel::app::scaleFactorToUse(std::getenv("QT_SCALE_FACTOR")))
        setenv("QT_SCALE_FACTOR", scale->c_str(), 1);
    QApplication app(argc, argv);
    zentrel::app::setDesktopIdentity();
    auto* window = new zentrel::app::MainWindow;
    zentrel::app::WindowFrame frame(window);
    frame.show();
    return app.exec();
}
