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

ColumnStream::~ColumnStream()
{
    std::unique_lock lock(pool_.mutex_);
    closed_ = true;
    pool_.columnDone_.wait(lock, [&] { return inFlight_ == 0; });
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

std::optional<Failure> ColumnStream::compute(int column)
{
    clearUpperVectorState();
    return colourColumn(pattern_, snapshot_, xs_[column], ys_, slotColours(column));
}

void ColumnStream::store(int column, std::optional<Failure> failure)
{
    Slot& slot = slots_[column % ahead_];
    slot.failure = std::move(failure);
    slot.ready = true;
}

Outcome<std::span<const Colour>> ColumnStream::next()
{
    std::unique_lock lock(pool_.mutex_);
    if (holding_) {
        slots_[delivered_ % ahead_].ready = false;
        ++delivered_;
        holding_ = false;
        pool_.workAvailable_.notify_all();
    }
    const int column = delivered_;
    Slot& slot = slots_[column % ahead_];
    pool_.columnDone_.wait(lock, [&] { return slot.ready; });
    holding_ = true;
    if (slot.failure) return *slot.failure;
    return std::span<const Colour>(slotColours(column), ys_.size());
}

}  // namespace zentrel
