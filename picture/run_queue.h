// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "engine/job_source.h"
#include "engine/worker_pool.h"
#include "picture/png_runs.h"

namespace zentrel {

// Runs of a PNG's rows deflated on a pool's workers while the picture goes on,
// and taken back in the order they were given. The thread that waits for a
// run deflates waiting runs itself rather than sleep, so a pool of one
// thread does all the work there.
class RunQueue final : public JobSource {
public:
    RunQueue(WorkerPool& pool, Priority priority);
    ~RunQueue() override;
    RunQueue(const RunQueue&) = delete;
    RunQueue& operator=(const RunQueue&) = delete;

    // rows as RowRun::rows takes them; the run points into them.
    void push(std::vector<unsigned char> rows, RowRun run);
    std::size_t size() const;
    // Waits for the oldest run, deflating others meanwhile, and takes it out.
    DeflatedRun takeOldest();

    bool claimable() override;
    void runOne() noexcept override;

private:
    struct Entry {
        std::vector<unsigned char> rows;
        RowRun run;
        DeflatedRun out;
        bool claimed = false;
        bool done = false;
    };

    // Claims the oldest waiting run and deflates it with the lock released;
    // false when none waits.
    bool deflateOne(std::unique_lock<std::mutex>& lock) noexcept;

    WorkerPool& pool_;
    mutable std::mutex mutex_;
    std::condition_variable runDone_;
    std::deque<Entry> entries_;  // oldest first; references stay valid as it grows
};

}  // namespace zentrel
