#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "engine/outcome.h"
#include "engine/pattern.h"

namespace zentrel {

class ColumnPool;

// The columns of one picture (or of a band of its rows), delivered in sweep
// order while the pool computes the next ones. Only a bounded number of
// columns is computed ahead; closing the stream stops the work at once.
class ColumnStream {
public:
    // xs and ys must outlive the stream.
    ColumnStream(ColumnPool& pool, const Pattern& pattern, const Snapshot& snapshot,
                 std::span<const double> xs, std::span<const double> ys);
    ~ColumnStream();
    ColumnStream(const ColumnStream&) = delete;
    ColumnStream& operator=(const ColumnStream&) = delete;

    int columnCount() const { return static_cast<int>(xs_.size()); }

    // Waits for the next column. Its colours stay valid until the next call.
    Outcome<std::span<const Colour>> next();

private:
    friend class ColumnPool;

    struct Slot {
        bool ready = false;
        std::optional<Failure> failure;
    };

    bool hasClaimableColumn() const;
    // Claims the next column, computes it with the pool's lock released,
    // marks it ready and wakes the reader if it waits for it.
    void computeNextColumn(std::unique_lock<std::mutex>& lock);
    // Waits, with the pool's lock held, until done() holds.
    template <class Done>
    void await(std::unique_lock<std::mutex>& lock, Done done);
    Colour* slotColours(int column);

    ColumnPool& pool_;
    const Pattern& pattern_;
    const Snapshot snapshot_;
    std::span<const double> xs_;
    std::span<const double> ys_;
    const int ahead_;
    std::vector<Colour> colours_;  // ahead_ slots of ys_.size() colours
    std::vector<Slot> slots_;
    int claimed_ = 0;    // columns handed to workers
    int delivered_ = 0;  // columns handed to the caller and released
    bool holding_ = false;
    int inFlight_ = 0;
    bool closed_ = false;
    bool callerWaiting_ = false;
    std::condition_variable columnReady_;
};

}  // namespace zentrel
