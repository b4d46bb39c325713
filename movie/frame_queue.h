// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/outcome.h"
#include "movie/movie_sink.h"

namespace zentrel {

// A frame rendered and waiting for its sink.
struct QueuedFrame {
    long long number = 0;
    std::vector<Colour> pixels;
    std::string recipe;
};

// Frames written behind the rendering on a thread of their own (the
// encoder has its own threads besides), at most a few waiting, so memory
// stays bounded whatever the movie's length.
class FrameQueue {
public:
    FrameQueue(MovieSink& sink, std::size_t waiting);
    // Stops the writer, frames still waiting dropped.
    ~FrameQueue();
    FrameQueue(const FrameQueue&) = delete;
    FrameQueue& operator=(const FrameQueue&) = delete;

    // Pixels of a frame written already, to be filled again.
    std::vector<Colour> spare();
    // Hands the frame on, waiting while the queue is full; the writer's
    // failure once it has failed.
    Status push(QueuedFrame frame);
    // Waits until every frame is written: the first failure, if any.
    Status finish();

private:
    void write();

    MovieSink& sink_;
    const std::size_t waiting_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<QueuedFrame> frames_;
    std::vector<std::vector<Colour>> spares_;
    Status failure_;
    bool ending_ = false;
    bool writing_ = false;
    std::thread writer_;
};

}  // namespace zentrel
