// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/frame_queue.h"

namespace zentrel {

FrameQueue::FrameQueue(MovieSink& sink, std::size_t waiting)
    : sink_(sink), waiting_(waiting), writer_([this] { write(); })
{
}

FrameQueue::~FrameQueue()
{
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
        frames_.clear();
    }
    changed_.notify_all();
    writer_.join();
}

std::vector<Colour> FrameQueue::spare()
{
    std::lock_guard lock(mutex_);
    if (spares_.empty()) return {};
    std::vector<Colour> pixels = std::move(spares_.back());
    spares_.pop_back();
    return pixels;
}

Status FrameQueue::push(QueuedFrame frame)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return frames_.size() < waiting_ || failure_; });
    if (failure_) return failure_;
    frames_.push_back(std::move(frame));
    changed_.notify_all();
    return std::nullopt;
}

Status FrameQueue::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return (frames_.empty() && !writing_) || failure_; });
    return failure_;
}

void FrameQueue::write()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return !frames_.empty() || ending_; });
        if (ending_) return;
        QueuedFrame frame = std::move(frames_.front());
        frames_.pop_front();
        writing_ = true;
        lock.unlock();
        Status written = sink_.writeFrame({frame.number, frame.pixels, frame.recipe});
        lock.lock();
        writing_ = false;
        spares_.push_back(std::move(frame.pixels));
        if (written) {
            failure_ = std::move(written);
            frames_.clear();
        }
        changed_.notify_all();
        if (failure_) return;
    }
}

}  // namespace zentrel
