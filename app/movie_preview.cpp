// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/movie_preview.h"

#include <algorithm>
#include <cmath>

namespace zentrel::app {

View windowViewOf(const FlightFrame& frame)
{
    const View& shown = frame.second && frame.dissolve >= 0.5 ? *frame.second : frame.view;
    return viewWith(*shown.pattern, shown.fields);
}

MoviePreview::MoviePreview(std::function<void(const View&)> show, QObject* parent)
    : QObject(parent), show_(std::move(show))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &MoviePreview::tick);
}

void MoviePreview::play(MovieTimeline timeline)
{
    timeline_ = std::move(timeline);
    shown_ = -1;
    startFrame_ = 0;
    timer_.setInterval(std::max(1, static_cast<int>(1000 / timeline_->fps())));
    clock_.start();
    timer_.start();
    tick();
}

void MoviePreview::resume()
{
    if (!timeline_ || playing()) return;
    startFrame_ = atTheEnd() ? 0 : shown_ + 1;
    clock_.start();
    timer_.start();
    tick();
}

void MoviePreview::pause() { timer_.stop(); }

void MoviePreview::stop()
{
    timer_.stop();
    timeline_.reset();
    shown_ = -1;
}

void MoviePreview::tick()
{
    if (!timeline_) return;
    const long long due =
        startFrame_ +
        static_cast<long long>(std::floor(clock_.nsecsElapsed() * 1e-9 * timeline_->fps()));
    const long long last = timeline_->frameCount() - 1;
    if (due >= last) {
        timer_.stop();
        showFrame(last);
        emit reachedTheEnd();
        return;
    }
    if (due != shown_) showFrame(due);
}

void MoviePreview::showFrame(long long frame)
{
    const auto views = timeline_->frame(frame);
    shown_ = frame;
    emit frameShownChanged(frame, timeline_->frameCount());
    // A frame whose texts cannot hold its numbers is passed over.
    if (!views) return;
    // Drawn from the event loop rather than from the tick: the drawing pumps
    // events, and a timer's tick does not come again while it runs, so the
    // next frame could not take its place.
    QMetaObject::invokeMethod(
        this,
        [this, view = windowViewOf(views.value())] {
            if (timeline_) show_(view);
        },
        Qt::QueuedConnection);
}

}  // namespace zentrel::app
