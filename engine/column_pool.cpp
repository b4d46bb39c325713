#include "engine/column_pool.h"

#include <algorithm>

#include "engine/column_stream.h"

namespace zentrel {

ColumnPool::ColumnPool(int threads)
{
    for (int i = 0; i < std::max(1, threads); ++i) workers_.emplace_back([this] { work(); });
}

ColumnPool::~ColumnPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& t : workers_) t.join();
}

ColumnPool& ColumnPool::shared()
{
    static ColumnPool pool(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    return pool;
}

ColumnStream* ColumnPool::streamWithWork()
{
    for (auto it = streams_.rbegin(); it != streams_.rend(); ++it)
        if ((*it)->hasClaimableColumn()) return *it;
    return nullptr;
}

void ColumnPool::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        ColumnStream* stream = nullptr;
        workAvailable_.wait(lock, [&] { return stopping_ || (stream = streamWithWork()); });
        if (stopping_) return;
        const int column = stream->claimed_++;
        ++stream->inFlight_;
        lock.unlock();
        auto failure = stream->compute(column);
        lock.lock();
        stream->store(column, std::move(failure));
        --stream->inFlight_;
        columnDone_.notify_all();
    }
}

}  // namespace zentrel
