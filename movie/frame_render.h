// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "engine/colour.h"
#include "engine/outcome.h"
#include "engine/worker_pool.h"
#include "motion/flight.h"
#include "picture/poster.h"

namespace zentrel {

// A frame's picture: the poster of its view, rendered on every core into
// memory as posters are into files (sampled at its density, smoothed in
// linear light); between two patterns the posters of both views dissolved
// in linear light by the frame's weight. Every frame must be width x height.
class FrameRender {
public:
    FrameRender(WorkerPool& pool, int width, int height, Priority priority);

    // The pixels, rows from the top, into out; Cancelled when asked to stop.
    Outcome<PosterEnd> render(const FlightFrame& frame, const std::function<bool()>& cancelled,
                              std::vector<Colour>& out);

private:
    Outcome<PosterEnd> poster(const View& view, const std::function<bool()>& cancelled,
                              std::vector<Colour>& out);

    WorkerPool& pool_;
    const int width_;
    const int height_;
    const Priority priority_;
    std::vector<Colour> second_;  // the second pattern's picture of a dissolve
};

}  // namespace zentrel
