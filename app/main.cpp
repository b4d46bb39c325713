// zentrel: the desktop program.

#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zentrel::app::MainWindow window;
    window.show();
    return app.exec();
}
