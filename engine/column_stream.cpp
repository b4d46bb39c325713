#include "engine/column_stream.h"

#include <algorithm>
#include <mutex>

#include "engine/column_pool.h"
#include "engine/cpu_state.h"
#include "engine/sweep.h"

namespace zentrel {
namespace {

// Enough columns ahead to keep every worker busy while the caller plots and
// pumps events, few enough that a halt wastes next to nothing.
int columnsAhead(const ColumnPool& pool) { return 4 * pool.threads() + 4; }

}  // namespace

ColumnStream::ColumnStream(ColumnPool& pool, const Pattern& pattern, const Snapshot& snapshot,
                           std::span<const double> xs, std::span<const double> ys)
    : pool_(pool),
      pattern_(pattern),
      snapshot_(snapshot),
      xs_(xs),
      ys_(ys),
      ahead_(std::min(columnsAhead(pool), std::max(1, static_cast<int>(xs.size())))),
      colours_(static_cast<std::size_t>(ahead_) * ys.size()),
      slots_(static_cast<std::size_t>(ahead_))
{
    {
        std::lock_guard lock(pool_.mutex_);
        pool_.streams_.push_back(this);
    }
    pool_.workAvailable_.notify_all();
}

template <class Done>
void ColumnStream::await(std::unique_lock<std::mutex>& lock, Done done)
{
    callerWaiting_ = true;
    columnReady_.wait(lock, done);
    callerWaiting_ = false;
}

ColumnStream::~ColumnStream()
{
    std::unique_lock lock(pool_.mutex_);
    closed_ = true;
    await(lock, [&] { return inFlight_ == 0; });
    std::erase(pool_.streams_, this);
}


bool ColumnStream::hasClaimableColumn() const
{
    return !closed_ && claimed_ < columnCount() && claimed_ < delivered_ + ahead_;
}

Colour* ColumnStream::slotColours(int column)
{
    return colours_.data() + static_cast<std::size_t>(column % ahead_) * ys_.size();
}

void ColumnStream::computeNextColumn(std::unique_lock<std::mutex>& lock)
{
    const int column = claimed_++;
    ++inFlight_;
    lock.unlock();
    // The thread may have run vector-heavy toolkit code just before.
    clearUpperVectorState();
    auto failure = colourColumn(pattern_, snapshot_, xs_[column], ys_, slotColours(column));
    lock.lock();
    Slot& slot = slots_[column % ahead_];
    slot.failure = std::move(failure);
    slot.ready = true;
    --inFlight_;
    if (callerWaiting_) columnReady_.notify_one();
}

Outcome<std::span<const Colour>> ColumnStream::next()
{
    std::unique_lock lock(pool_.mutex_);
    if (holding_) {
        slots_[delivered_ % ahead_].ready = false;
        ++delivered_;
        holding_ = false;
        if (pool_.idleWorkers_ > 0) pool_.workAvailable_.notify_one();
    }
    const int column = delivered_;
    Slot& slot = slots_[column % ahead_];
    // Rather than sleep until a worker brings the column, compute one: the
    // awaited one if nobody has started it, or one further ahead.
    while (!slot.ready && hasClaimableColumn()) computeNextColumn(lock);
    await(lock, [&] { return slot.ready; });
    holding_ = true;
    if (slot.failure) return *slot.failure;
    return std::span<const Colour>(slotColours(column), ys_.size());
}

}  // namespace zentrel
