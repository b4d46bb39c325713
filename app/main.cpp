// zentrel: the desktop program.

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/desktop_identity.h"
#include "app/main_window.h"
#include "app/start_up.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto end = zentrel::app::endBeforeTheWindow(args, zentrel::app::windowSystemHere(args));
    if (end) {
        std::fputs(end->out.c_str(), stdout);
        std::fputs(end->err.c_str(), stderr);
        return end->status;
    }
    QApplication app(argc, argv);
    zentrel::app::setDesktopIdentity();
    zentrel::app::MainWindow window;
    window.show();
    return app.exec();
}
