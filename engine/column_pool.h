#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace zentrel {

class ColumnStream;

// Threads that compute the columns of open streams ahead of the drawing:
// threads - 1 workers, and the thread that reads a stream, which computes
// columns itself rather than sleep while its next column is not ready. The
// newest stream goes first, so a drawing started while another one waits (a
// nested drawing) gets every worker.
class ColumnPool {
public:
    explicit ColumnPool(int threads);
    ~ColumnPool();
    ColumnPool(const ColumnPool&) = delete;
    ColumnPool& operator=(const ColumnPool&) = delete;

    int threads() const { return static_cast<int>(workers_.size()) + 1; }

    // One thread per core, created on first use.
    static ColumnPool& shared();

private:
    friend class ColumnStream;

    void work();
    // A claimable column of the newest stream that has one, under mutex_.
    ColumnStream* streamWithWork();

    std::mutex mutex_;
    std::condition_variable workAvailable_;
    int idleWorkers_ = 0;
    std::vector<ColumnStream*> streams_;  // oldest first
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace zentrel
