// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_frame.h"

#include <QCloseEvent>
#include <QScreen>
#include <QScrollBar>

#include "app/layout.h"
#include "app/main_window.h"

namespace zentrel::app {

WindowFrame::WindowFrame(MainWindow* window) : window_(window)
{
    setObjectName("windowFrame");
    setWindowTitle(window->windowTitle());
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(window);
    // A click on a label or on the picture must leave the focus where it
    // is, not hand it to the frame.
    setFocusPolicy(Qt::NoFocus);
    // Placed in the frame, the window has lost the focus it set.
    window->focusFirstField();
    // A pattern clicked low on a small screen is drawn in sight.
    connect(window, &MainWindow::drawingStarted, this, &WindowFrame::showPictureCorner);
    fitToScreen();
}

void WindowFrame::fitToScreen()
{
    const QSize content = window_->size();
    const QRect room = screen()->availableGeometry();
    QSize size = content.boundedTo(room.size());
    // A scroll bar takes room from the other side.
    if (content.width() > room.width())
        size.rheight() =
            std::min(room.height(), content.height() + horizontalScrollBar()->sizeHint().height());
    if (content.height() > room.height())
        size.rwidth() =
            std::min(room.width(), content.width() + verticalScrollBar()->sizeHint().width());
    resize(size);
}

void WindowFrame::showPictureCorner() { ensureVisible(kPlotLeft, kPlotTop, kPlotLeft, kPlotTop); }

void WindowFrame::closeEvent(QCloseEvent* event)
{
    // Closing the frame ends the program as the window's exit labels do.
    event->ignore();
    window_->close();
}

}  // namespace zentrel::app
