// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/frame_render.h"

#include "picture/smooth.h"

namespace zentrel {
namespace {

// A picture's rows gathered in memory.
class MemorySink final : public PictureSink {
public:
    explicit MemorySink(std::vector<Colour>& pixels) : pixels_(pixels) { pixels_.clear(); }

    Status writeRows(std::span<const Colour> rows) override
    {
        pixels_.insert(pixels_.end(), rows.begin(), rows.end());
        return std::nullopt;
    }
    Status commit() override { return std::nullopt; }

private:
    std::vector<Colour>& pixels_;
};

}  // namespace

FrameRender::FrameRender(WorkerPool& pool, int width, int height, Priority priority)
    : pool_(pool), width_(width), height_(height), priority_(priority)
{
}

Outcome<PosterEnd> FrameRender::render(const FlightFrame& frame,
                                       const std::function<bool()>& cancelled,
                                       std::vector<Colour>& out)
{
    const bool mixed = frame.second && frame.dissolve > 0;
    const View& first = mixed && frame.dissolve >= 1 ? *frame.second : frame.view;
    const auto end = poster(first, cancelled, out);
    if (!end || end.value() == PosterEnd::Cancelled || !mixed || frame.dissolve >= 1) return end;
    const auto secondEnd = poster(*frame.second, cancelled, second_);
    if (!secondEnd || secondEnd.value() == PosterEnd::Cancelled) return secondEnd;
    dissolve(out, second_, frame.dissolve, out.data());
    return PosterEnd::Written;
}

Outcome<PosterEnd> FrameRender::poster(const View& view, const std::function<bool()>& cancelled,
                                       std::vector<Colour>& out)
{
    const auto plan = planPoster(view);
    if (!plan) return plan.failure();
    if (plan.value().width != width_ || plan.value().height != height_)
        return Failure{Fault::NotAView, "a frame of " + std::to_string(plan.value().width) + " x " +
                                            std::to_string(plan.value().height) +
                                            " pixels in a movie of " + std::to_string(width_) +
                                            " x " + std::to_string(height_)};
    MemorySink sink(out);
    return renderPoster(pool_, view, plan.value(), sink, PosterWatch{.cancelled = cancelled},
                        priority_);
}

}  // namespace zentrel
