// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/worker_pool.h"

#include <algorithm>

namespace zentrel {

int defaultThreadCount()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

WorkerPool::WorkerPool(int threads)
{
    for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& t : workers_) t.join();
}

WorkerPool& WorkerPool::shared()
{
    static WorkerPool pool(defaultThreadCount());
    return pool;
}

void WorkerPool::add(JobSource& source, Priority priority)
{
    {
        std::lock_guard lock(mutex_);
        sources_.push_back({&source, 0, false, priority});
    }
    workAvailable_.notify_all();
}

void WorkerPool::remove(JobSource& source)
{
    std::unique_lock lock(mutex_);
    entryOf(&source)->withdrawn = true;
    sourceLeft_.wait(lock, [&] { return entryOf(&source)->running == 0; });
    std::erase_if(sources_, [&](const Entry& e) { return e.source == &source; });
}

void WorkerPool::wake()
{
    std::lock_guard lock(mutex_);
    if (idleWorkers_ > 0) workAvailable_.notify_one();
}

WorkerPool::Entry* WorkerPool::entryOf(const JobSource* source)
{
    const auto found = std::find_if(sources_.begin(), sources_.end(),
                                    [&](const Entry& e) { return e.source == source; });
    return found == sources_.end() ? nullptr : &*found;
}

WorkerPool::Entry* WorkerPool::newestClaimable(Priority priority)
{
    for (auto it = sources_.rbegin(); it != sources_.rend(); ++it)
        if (it->priority == priority && !it->withdrawn && it->source->claimable()) return &*it;
    return nullptr;
}

WorkerPool::Entry* WorkerPool::newestClaimable()
{
    if (Entry* interactive = newestClaimable(Priority::Interactive)) return interactive;
    return newestClaimable(Priority::Background);
}

void WorkerPool::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        Entry* entry = nullptr;
        while (!stopping_ && !(entry = newestClaimable())) {
            ++idleWorkers_;
            workAvailable_.wait(lock);
            --idleWorkers_;
        }
        if (stopping_) return;
        JobSource* source = entry->source;
        ++entry->running;
        lock.unlock();
        source->runOne();
        lock.lock();
        // The vector may have moved while the lock was released.
        if (--entryOf(source)->running == 0) sourceLeft_.notify_all();
    }
}

}  // namespace zentrel
