// SPDX-License-Identifier: GPL-3.0-or-later
// A movie's frames drawn one after another on every core, each handed to
// the sink's own thread while the next is drawn.

#include "movie/frame_queue.h"
#include "movie/frame_render.h"
#include "movie/movie_plan.h"

namespace zentrel {
namespace {

// Frames waiting for the encoder while the next is drawn: enough to ride
// out its uneven pace, few enough to keep memory small.
constexpr std::size_t kFramesWaiting = 3;

// Draws every frame into the queue: Cancelled when asked to stop.
Outcome<PosterEnd> drawFrames(WorkerPool& pool, const MoviePlan& plan, const MovieWatch& watch,
                              Priority priority, FrameQueue& queue)
{
    FrameRender render(pool, plan.header.width, plan.header.height, priority);
    const long long frames = plan.timeline.frameCount();
    for (long long n = 0; n < frames; ++n) {
        if (watch.cancelled()) return PosterEnd::Cancelled;
        const auto frame = plan.timeline.frame(n);
        if (!frame) return frame.failure();
        QueuedFrame queued{n, queue.spare(), recipeOf(frame.value().view)};
        const auto end = render.render(frame.value(), watch.cancelled, queued.pixels);
        if (!end || end.value() == PosterEnd::Cancelled) return end;
        if (auto failure = queue.push(std::move(queued))) return *failure;
        watch.progress(n + 1, frames);
    }
    return PosterEnd::Written;
}

}  // namespace

Outcome<PosterEnd> writeMovie(WorkerPool& pool, const MoviePlan& plan, const MovieWatch& watch,
                              Priority priority)
{
    auto sink = plan.format->open(plan.destination, plan.header);
    if (!sink) return sink.failure();
    {
        FrameQueue queue(*sink.value(), kFramesWaiting);
        const auto drawn = drawFrames(pool, plan, watch, priority, queue);
        if (!drawn || drawn.value() == PosterEnd::Cancelled) return drawn;
        if (auto failure = queue.finish()) return *failure;
    }
    if (auto failure = sink.value()->commit()) return *failure;
    return PosterEnd::Written;
}

}  // namespace zentrel
