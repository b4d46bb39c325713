// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frame_clock.h"

#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "session/view_session.h"

namespace zentrel::app {
namespace {

const char* const kSmoothStepsSetting = "smoothSteps";
const char* const kSmoothStepsVariable = "ZENTREL_SMOOTH_STEPS";

double refreshRate(const QWidget* window)
{
    const QScreen* screen = window->screen();
    const double rate = screen ? screen->refreshRate() : 0;
    return rate >= 20 ? rate : 60;
}

}  // namespace

FrameClock::FrameClock(ViewSession& session, QWidget* window)
    : QObject(window), session_(session), window_(window)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameClock::tick);
}

void FrameClock::start()
{
    if (timer_.isActive()) return;
    const double rate = refreshRate(window_);
    session_.setFramePeriod(1 / rate);
    // Whole milliseconds at most a frame apart: a tick is never a frame late.
    timer_.start(static_cast<int>(1000 / rate));
}

void FrameClock::tick()
{
    session_.motionFrame();
    if (!session_.moving()) timer_.stop();
}

bool smoothStepsChosen()
{
    if (qEnvironmentVariableIsSet(kSmoothStepsVariable))
        return qEnvironmentVariable(kSmoothStepsVariable) != "0";
    return QSettings().value(kSmoothStepsSetting, true).toBool();
}

void keepSmoothSteps(bool on) { QSettings().setValue(kSmoothStepsSetting, on); }

}  // namespace zentrel::app
