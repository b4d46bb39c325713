// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace zentrel {
class ViewSession;
}

namespace zentrel::app {

// Ticks the session's motions once a frame of the screen the window is on,
// from the moment one starts until the session is still again.
class FrameClock : public QObject {
    Q_OBJECT
public:
    FrameClock(ViewSession& session, QWidget* window);
    void start();

private:
    void tick();

    ViewSession& session_;
    QWidget* window_;
    QTimer timer_;
};

// Whether the hand's and the history's steps are flown smoothly: the
// ZENTREL_SMOOTH_STEPS environment variable (0 or 1) when set, else the
// choice kept in the settings, on at first.
bool smoothStepsChosen();
void keepSmoothSteps(bool on);

}  // namespace zentrel::app
