// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/run_queue.h"

#include <algorithm>

namespace zentrel {

RunQueue::RunQueue(WorkerPool& pool, Priority priority) : pool_(pool)
{
    pool_.add(*this, priority);
}

RunQueue::~RunQueue() { pool_.remove(*this); }

void RunQueue::push(std::vector<unsigned char> rows, RowRun run)
{
    {
        std::lock_guard lock(mutex_);
        Entry& entry = entries_.emplace_back();
        entry.rows = std::move(rows);
        entry.run = run;
        entry.run.rows = entry.rows;
    }
    pool_.wake();
}

std::size_t RunQueue::size() const
{
    std::lock_guard lock(mutex_);
    return entries_.size();
}

bool RunQueue::claimable()
{
    std::lock_guard lock(mutex_);
    return std::any_of(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.claimed; });
}

void RunQueue::runOne() noexcept
{
    std::unique_lock lock(mutex_);
    deflateOne(lock);
}

bool RunQueue::deflateOne(std::unique_lock<std::mutex>& lock) noexcept
{
    const auto waiting =
        std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.claimed; });
    if (waiting == entries_.end()) return false;
    Entry& entry = *waiting;
    entry.claimed = true;
    lock.unlock();
    DeflatedRun out;
    try {
        out = deflateRun(entry.run);
    } catch (...) {
        out.ok = false;  // out of memory: the file fails, the program goes on
    }
    lock.lock();
    entry.out = std::move(out);
    entry.done = true;
    runDone_.notify_all();
    return true;
}

DeflatedRun RunQueue::takeOldest()
{
    std::unique_lock lock(mutex_);
    while (!entries_.front().done)
        if (!deflateOne(lock)) runDone_.wait(lock);
    DeflatedRun out = std::move(entries_.front().out);
    entries_.pop_front();
    return out;
}

}  // namespace zentrel
