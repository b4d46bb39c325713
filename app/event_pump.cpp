// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/event_pump.h"

#include <QCoreApplication>

namespace zentrel::app {
namespace {

// A screen frame at sixty frames a second, a little early rather than late.
constexpr qint64 kFrameMilliseconds = 15;

}  // namespace

EventPump::EventPump() { sinceFull_.start(); }

void EventPump::operator()()
{
    if (sinceFull_.elapsed() < kFrameMilliseconds) return QCoreApplication::sendPostedEvents();
    sinceFull_.restart();
    QCoreApplication::processEvents();
}

}  // namespace zentrel::app
