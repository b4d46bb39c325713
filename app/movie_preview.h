// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "movie/movie.h"
#include "picture/view.h"

namespace zentrel::app {

// A movie played in the window's picture area at its own frame rate: each
// tick shows the frame the clock has reached, the window drawing it coarse
// to fine and giving way to the next; a frame drawn late is passed over, so
// the movie keeps its time. Paused, the frame stays until drawn exactly.
class MoviePreview : public QObject {
    Q_OBJECT
public:
    // show draws a frame's view in the window.
    MoviePreview(std::function<void(const View&)> show, QObject* parent);

    // Plays the timeline from its first frame.
    void play(MovieTimeline timeline);
    // On from the frame shown.
    void resume();
    void pause();
    // The preview ends; the window is left to its owner.
    void stop();

    bool active() const { return timeline_.has_value(); }
    bool playing() const { return timer_.isActive(); }
    // The frame shown last; -1 before any.
    long long frameShown() const { return shown_; }
    // Paused on the last frame: playing on starts again.
    bool atTheEnd() const { return timeline_ && shown_ + 1 >= timeline_->frameCount(); }

signals:
    void frameShownChanged(long long frame, long long frames);
    // The last frame is shown; the preview pauses on it.
    void reachedTheEnd();

private:
    void tick();
    void showFrame(long long frame);

    std::function<void(const View&)> show_;
    std::optional<MovieTimeline> timeline_;
    QTimer timer_;
    QElapsedTimer clock_;
    long long startFrame_ = 0;  // the frame the clock started from
    long long shown_ = -1;
};

// The view the window draws for a frame: where two patterns dissolve, the
// one that shows more; one sample a pixel, as the window draws.
View windowViewOf(const FlightFrame& frame);

}  // namespace zentrel::app
