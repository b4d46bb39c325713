#include "engine/column_pool.h"

#include <algorithm>

#include "engine/column_stream.h"

namespace zentrel {

ColumnPool::ColumnPool(int threads)
{
    for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { work(); });
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
        while (!stopping_ && !(stream = streamWithWork())) {
            ++idleWorkers_;
            workAvailable_.wait(lock);
            --idleWorkers_;
        }
        if (stopping_) return;
        stream->computeNextColumn(lock);
    }
}

}  // namespace zentrel
