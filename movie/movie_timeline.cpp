// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "engine/number_text.h"
#include "movie/movie.h"

namespace zentrel {
namespace {

Failure noMovie(const std::string& why) { return Failure{Fault::NotAView, why}; }

FlightFrame still(const View& view) { return FlightFrame{view, std::nullopt, 0}; }

}  // namespace

// round(T x fps) + 1 frames: frame n at n / fps seconds, the last at the
// end of the movie, so both ends are keyframes whatever the rate.
Outcome<MovieTimeline> MovieTimeline::of(const KeyframePath& path, int fps)
{
    if (fps < 1 || fps > kMaxFps)
        return noMovie("the frame rate " + std::to_string(fps) + " is not 1 to " +
                       std::to_string(kMaxFps) + " frames a second");
    if (path.keyframes.empty()) return noMovie("a movie needs a keyframe");
    const double seconds = path.totalSeconds();
    const double frames = std::round(seconds * fps) + 1;
    if (!(frames <= static_cast<double>(kMaxMovieFrames)))
        return noMovie(numberText(seconds) + " seconds at " + std::to_string(fps) +
                       " frames a second is more than " + std::to_string(kMaxMovieFrames) +
                       " frames");
    MovieTimeline timeline(path, fps, static_cast<long long>(frames));
    if (auto failure = timeline.addStretches()) return *failure;
    return timeline;
}

MovieTimeline::MovieTimeline(KeyframePath path, int fps, long long frames)
    : path_(std::move(path)), fps_(fps), frames_(frames)
{
}

Status MovieTimeline::addStretches()
{
    double start = 0;
    const auto& keys = path_.keyframes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].hold > 0) stretches_.push_back({start, keys[i].hold, i, std::nullopt});
        start += keys[i].hold;
        if (i + 1 == keys.size()) break;
        auto flight =
            Flight::between(keys[i].view, keys[i + 1].view, FlightOptions{.ease = keys[i].ease});
        if (!flight)
            return noMovie("line " + std::to_string(keys[i].line) + ": " + flight.failure().where);
        stretches_.push_back({start, keys[i].seconds, i, std::move(flight.value())});
        start += keys[i].seconds;
    }
    return std::nullopt;
}

long long MovieTimeline::frameCount() const { return frames_; }

int MovieTimeline::fps() const { return fps_; }

Outcome<FlightFrame> MovieTimeline::frame(long long n) const
{
    const auto& keys = path_.keyframes;
    if (n <= 0) return sampledAsFirst(still(keys.front().view));
    if (n >= frames_ - 1) return sampledAsFirst(still(keys.back().view));
    const double t = static_cast<double>(n) / fps_;
    for (const Stretch& stretch : stretches_) {
        if (t >= stretch.start + stretch.seconds) continue;
        if (!stretch.flight) return sampledAsFirst(still(keys[stretch.keyframe].view));
        auto frame = stretch.flight->frameAt((t - stretch.start) / stretch.seconds);
        if (!frame) return frame.failure();
        return sampledAsFirst(std::move(frame.value()));
    }
    return sampledAsFirst(still(keys.back().view));
}

FlightFrame MovieTimeline::sampledAsFirst(FlightFrame frame) const
{
    const View& first = path_.keyframes.front().view;
    const auto sample = [&](View& view) {
        view.density = first.density;
        view.supersample = first.supersample;
        view.depth = 8;
        view.width = first.width;
    };
    sample(frame.view);
    if (frame.second) sample(*frame.second);
    return frame;
}

}  // namespace zentrel
