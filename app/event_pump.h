// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

namespace zentrel::app {

// The pump the drawings run between columns and pieces. Events the program
// posted to itself (a click queued by a handler, a call put off until the
// drawing pauses) go at once, after every column; the window system's input
// and the repaints wait for the next screen frame, since the screen cannot
// show them sooner and a full pump after every column costs more than the
// column's maths.
class EventPump {
public:
    EventPump();
    void operator()();

private:
    QElapsedTimer sinceFull_;
};

}  // namespace zentrel::app
