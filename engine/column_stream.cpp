// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/column_stream.h"

#include <algorithm>

#include "engine/cpu_state.h"
#include "engine/pattern.h"
#include "engine/worker_pool.h"

namespace zentrel {
namespace {

// Enough columns ahead to keep every worker busy while the reader plots and
// pumps events, few enough that a halt wastes next to nothing.
int columnsAhead(const WorkerPool& pool) { return 4 * pool.threads() + 4; }

// Columns are claimed a few at a time where they are short, so that a claim
// holds this many samples at least: the columns of a wide band of a smooth
// poster hold a few dozen samples each, and claimed one by one they cost
// more in the passing between threads than in the computing.
constexpr int kSamplesPerClaim = 512;

int columnsPerClaim(std::size_t rows)
{
    return static_cast<int>(
        std::max<std::size_t>(1, kSamplesPerClaim / std::max<std::size_t>(rows, 1)));
}

}  // namespace

ColumnStream::ColumnStream(WorkerPool& pool, const Pattern& pattern, const Snapshot& snapshot,
                           std::span<const double> xs, std::span<const double> ys,
                           Priority priority)
    : pool_(pool),
      pattern_(pattern),
      snapshot_(snapshot),
      xs_(xs),
      ys_(ys),
      perClaim_(columnsPerClaim(ys.size())),
      ahead_(std::min(columnsAhead(pool) * perClaim_, std::max(1, static_cast<int>(xs.size())))),
      colours_(static_cast<std::size_t>(ahead_) * ys.size()),
      slots_(static_cast<std::size_t>(ahead_))
{
    pool_.add(*this, priority);
}

ColumnStream::~ColumnStream()
{
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    // Waits for the workers still inside a column of this stream.
    pool_.remove(*this);
}

bool ColumnStream::claimable()
{
    std::lock_guard lock(mutex_);
    return claimableLocked();
}

bool ColumnStream::claimableLocked() const
{
    return !closed_ && claimed_ < columnCount() && claimed_ < delivered_ + ahead_;
}

void ColumnStream::runOne() noexcept
{
    std::unique_lock lock(mutex_);
    if (claimableLocked()) computeNextColumns(lock, perClaim_);
}

Colour* ColumnStream::slotColours(int column)
{
    return colours_.data() + static_cast<std::size_t>(column % ahead_) * ys_.size();
}

void ColumnStream::computeNextColumns(std::unique_lock<std::mutex>& lock, int most) noexcept
{
    const int first = claimed_;
    const int end = std::min({first + most, columnCount(), delivered_ + ahead_});
    claimed_ = end;
    lock.unlock();
    // The thread may have run vector-heavy toolkit code just before.
    clearUpperVectorState();
    // The slots claimed are this thread's until they are ready: the reader
    // looks at nothing in them but that flag, under the lock. Closing stops
    // a claim between columns; what it leaves is read by nobody.
    int shown = first;  // the columns before it are marked ready
    int column = first;
    while (column < end && !closed_.load(std::memory_order_relaxed)) {
        Slot& slot = slots_[column % ahead_];
        try {
            slot.failure = colourColumn(pattern_, snapshot_, xs_[column], ys_, slotColours(column));
        } catch (...) {
            slot.thrown = std::current_exception();
        }
        ++column;
        // A reader waiting for a column done gets it at once, not at the end
        // of the claim.
        const int awaited = awaited_.load(std::memory_order_relaxed);
        if (column < end && awaited >= shown && awaited < column) {
            lock.lock();
            showReady(shown, column);
            lock.unlock();
        }
    }
    lock.lock();
    showReady(shown, column);
}

void ColumnStream::showReady(int& shown, int end)
{
    const int awaited = awaited_;
    const bool wake = awaited >= shown && awaited < end;
    for (; shown < end; ++shown) slots_[shown % ahead_].ready = true;
    if (wake) columnReady_.notify_one();
}

// A worker that found every column ahead claimed sleeps until half of them
// are free again: woken for each column given back, it would cost the
// reader and itself a trip through the kernel per column, more than a cheap
// pattern's column costs to compute. The reader meanwhile takes the columns
// computed ahead, or computes the next one itself.
bool ColumnStream::releaseHeldColumn()
{
    if (!holding_) return false;
    slots_[delivered_ % ahead_] = Slot{};
    ++delivered_;
    holding_ = false;
    const int free = delivered_ + ahead_ - claimed_;
    return claimableLocked() && 2 * free >= ahead_;
}

Outcome<std::span<const Colour>> ColumnStream::next()
{
    std::unique_lock lock(mutex_);
    if (releaseHeldColumn()) {
        lock.unlock();
        pool_.wake();
        lock.lock();
    }
    const int column = delivered_;
    Slot& slot = slots_[column % ahead_];
    // Rather than sleep until a worker brings the column, compute one: the
    // awaited one if nobody has started it, or one further ahead. One alone:
    // the columns ready meanwhile wait for the reader.
    while (!slot.ready && claimableLocked()) computeNextColumns(lock, 1);
    awaited_ = column;
    columnReady_.wait(lock, [&] { return slot.ready; });
    awaited_ = -1;
    holding_ = true;
    if (slot.thrown) std::rethrow_exception(slot.thrown);
    if (slot.failure) return *slot.failure;
    return std::span<const Colour>(slotColours(column), ys_.size());
}

}  // namespace zentrel
