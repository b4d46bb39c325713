// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/job_source.h"

namespace zentrel {

// One thread per core: what a pool has unless told otherwise.
int defaultThreadCount();

// Work a person waits for comes before work in the background, such as a
// poster rendered while the window goes on drawing.
enum class Priority { Background, Interactive };

// Threads that run the work of the sources added to them: threads - 1
// workers, the remaining thread being the one that waits for the results and
// works as well rather than sleep. Of the sources of the highest priority
// with work, the newest is served first, so a drawing started while another
// one waits (a nested drawing) gets every worker.
class WorkerPool {
public:
    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    int threads() const { return static_cast<int>(workers_.size()) + 1; }

    // defaultThreadCount() threads, created on first use.
    static WorkerPool& shared();

    // Offers the source's work to the workers, ahead of every older source of
    // its priority.
    void add(JobSource& source, Priority priority = Priority::Interactive);
    // Takes the source back and waits until no worker runs its work any more.
    void remove(JobSource& source);
    // Tells an idle worker that a source may have work again. Call it without
    // holding the source's own lock.
    void wake();

private:
    struct Entry {
        JobSource* source;
        int running;     // workers inside source->runOne()
        bool withdrawn;  // being removed: offered to no worker any more
        Priority priority;
    };

    void work();
    Entry* newestClaimable();  // under mutex_
    Entry* newestClaimable(Priority priority);
    Entry* entryOf(const JobSource* source);  // under mutex_

    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable sourceLeft_;
    std::vector<Entry> sources_;  // oldest first
    int idleWorkers_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace zentrel
