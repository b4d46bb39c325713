// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "engine/job_source.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "engine/worker_pool.h"

namespace zentrel {

// The columns of one picture (or of a band of its rows), delivered in sweep
// order while the pool's workers compute the next ones. Only a bounded number
// of columns is computed ahead; closing the stream stops that work at once.
class ColumnStream final : public JobSource {
public:
    // xs and ys must outlive the stream.
    ColumnStream(WorkerPool& pool, const Pattern& pattern, const Snapshot& snapshot,
                 std::span<const double> xs, std::span<const double> ys,
                 Priority priority = Priority::Interactive);
    ~ColumnStream() override;
    ColumnStream(const ColumnStream&) = delete;
    ColumnStream& operator=(const ColumnStream&) = delete;

    int columnCount() const { return static_cast<int>(xs_.size()); }

    // Waits for the next column; its colours stay valid until the next call.
    // Rethrows what the computation of that column threw.
    Outcome<std::span<const Colour>> next();

    bool claimable() override;
    void runOne() noexcept override;

private:
    struct Slot {
        bool ready = false;
        std::optional<Failure> failure;
        std::exception_ptr thrown;
    };

    bool claimableLocked() const;
    // Claims the next columns, at most `most`, and computes them with the
    // lock released.
    void computeNextColumns(std::unique_lock<std::mutex>& lock, int most) noexcept;
    // Marks the columns from shown to end ready, under the lock, and wakes
    // the reader if it waits for one of them.
    void showReady(int& shown, int end);
    // Hands the column last delivered back to the ring; true if a worker
    // sleeping should be woken to claim more.
    bool releaseHeldColumn();
    Colour* slotColours(int column);

    WorkerPool& pool_;
    const Pattern& pattern_;
    const Snapshot snapshot_;
    std::span<const double> xs_;
    std::span<const double> ys_;
    const int perClaim_;  // columns a claim takes at most
    const int ahead_;
    std::vector<Colour> colours_;  // ahead_ slots of ys_.size() colours
    std::vector<Slot> slots_;

    std::mutex mutex_;
    std::condition_variable columnReady_;
    int claimed_ = 0;    // columns handed out for computing
    int delivered_ = 0;  // columns handed to the reader and given back
    bool holding_ = false;
    // Set under the lock; read without it between the columns of a claim.
    std::atomic<bool> closed_ = false;
    // The column the reader sleeps for, or -1. Set under the lock; read
    // without it between the columns of a claim.
    std::atomic<int> awaited_ = -1;
};

}  // namespace zentrel
