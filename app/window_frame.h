// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

namespace zentrel::app {

class MainWindow;

// The program's top-level window. The window's client area keeps its fixed
// size and every control its place; on a screen with less room the frame
// shows as much as fits and scrolls to the rest, so that every control and
// the whole picture stay in reach, each picture pixel still one screen
// pixel.
class WindowFrame : public QScrollArea {
    Q_OBJECT
public:
    explicit WindowFrame(MainWindow* window);

    // As large as the window, or as the screen's free area allows.
    void fitToScreen();
    // Scrolls to the picture's top-left corner.
    void showPictureCorner();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow* window_;
};

}  // namespace zentrel::app
