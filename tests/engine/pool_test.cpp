// SPDX-License-Identifier: GPL-3.0-or-later
// The worker pool's promises, shown with jobs that note which source they
// belong to and when they ran: the newest source is served
// first, closing a column stream stops its work ahead, and a column whose
// computation throws reaches the reader without leaving anyone waiting.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

#include "engine/column_stream.h"
#include "engine/job_source.h"
#include "engine/worker_pool.h"
#include "support.h"

namespace zentrel {
namespace {

using namespace std::chrono_literals;

// One column's computation: begun at tick `begun`, ended at tick `ended`.
struct Work {
    int stream;
    int begun;
    int ended = -1;
};

class WorkLog {
public:
    int now() { return ++clock_; }

    int begin(int stream)
    {
        std::lock_guard lock(mutex_);
        work_.push_back({stream, now()});
        return static_cast<int>(work_.size()) - 1;
    }
    void end(int entry)
    {
        std::lock_guard lock(mutex_);
        work_[entry].ended = now();
    }
    std::vector<Work> work()
    {
        std::lock_guard lock(mutex_);
        return work_;
    }
    void clear()
    {
        std::lock_guard lock(mutex_);
        work_.clear();
    }

private:
    std::atomic<int> clock_{0};
    std::mutex mutex_;
    std::vector<Work> work_;
} logged;

// The snapshot carries the column's settings: bright names the stream, zoom
// is the time a column takes in microseconds, and the column x = left throws.
int notedColumn(const Snapshot& s, double x, const double*, int count, Colour* out)
{
    const int entry = logged.begin(static_cast<int>(s.bright));
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int>(s.zoom)));
    logged.end(entry);
    if (x == s.left) throw std::runtime_error("a fault while locating a fault");
    std::fill(out, out + count, static_cast<Colour>(x));
    return -1;
}

PixelResult notedPixel(const Snapshot&, double x, double) { return {static_cast<Colour>(x), {}}; }

const Pattern kNoted{"noted", "noted", {}, {&notedColumn, &notedColumn, &notedColumn}, &notedPixel};

Snapshot stream(int id, int microseconds, double throwingColumn = 0)
{
    Snapshot s;
    s.bright = id;
    s.zoom = microseconds;
    s.left = throwingColumn;
    return s;
}

std::vector<double> columns(int count)
{
    std::vector<double> xs(count);
    std::iota(xs.begin(), xs.end(), 1.0);
    return xs;
}

const std::vector<double> kOneRow{1.0};

class WorkerPoolPromises : public ::testing::Test {
protected:
    void SetUp() override { logged.clear(); }
};

// A given number of jobs of about a millisecond each, always claimable
// until they are done: unlike a column stream, it never waits for a reader.
class CountedJobs final : public JobSource {
public:
    CountedJobs(int id, int jobs) : id_(id), left_(jobs) {}

    bool claimable() override
    {
        std::lock_guard lock(mutex_);
        return left_ > 0;
    }
    void runOne() noexcept override
    {
        {
            std::lock_guard lock(mutex_);
            if (left_ == 0) return;
            --left_;
        }
        logged.end(logged.begin(id_));
        std::this_thread::sleep_for(1ms);
    }

private:
    const int id_;
    std::mutex mutex_;
    int left_;
};

// Two sources added one after the other, the second a while after the first;
// the one the pool should serve first has a hundred jobs, the other more than
// it can do meanwhile.
struct ServingRow : test::NamedRow {
    Priority first, second;
    bool secondServedFirst;
};

class WorkerPoolServes : public WorkerPoolPromises,
                         public ::testing::WithParamInterface<ServingRow> {};

TEST_P(WorkerPoolServes, TheNewestSourceOfTheHighestPriority)
{
    const ServingRow& row = GetParam();
    WorkerPool pool(3);
    CountedJobs first(1, row.secondServedFirst ? 100000 : 100);
    CountedJobs second(2, row.secondServedFirst ? 100 : 100000);
    pool.add(first, row.first);
    std::this_thread::sleep_for(5ms);
    const int added = logged.now();
    pool.add(second, row.second);
    CountedJobs& served = row.secondServedFirst ? second : first;
    while (served.claimable()) std::this_thread::sleep_for(1ms);
    pool.remove(second);
    pool.remove(first);

    const int servedId = row.secondServedFirst ? 2 : 1;
    const auto work = logged.work();
    int lastServed = 0;
    for (const Work& w : work)
        if (w.stream == servedId) lastServed = std::max(lastServed, w.begun);
    int otherBegunMeanwhile = 0;
    for (const Work& w : work)
        if (w.stream != servedId && w.begun > added && w.begun < lastServed) ++otherBegunMeanwhile;
    // A worker that had chosen the other source just before may still begin
    // its job; after that, none while the served one has work.
    EXPECT_LE(otherBegunMeanwhile, pool.threads() - 1);
}

// clang-format off
const ServingRow kServing[] = {
    // A drawing started inside another gets every worker.
    {"newer_drawing_first", Priority::Interactive, Priority::Interactive, true},
    // A drawing comes before a poster in the background, older or newer.
    {"drawing_before_older_poster", Priority::Background, Priority::Interactive, true},
    {"drawing_before_newer_poster", Priority::Interactive, Priority::Background, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Sources, WorkerPoolServes, ::testing::ValuesIn(kServing), test::byName);

TEST_F(WorkerPoolPromises, ClosingAStreamStopsItsWorkAhead)
{
    WorkerPool pool(3);
    const auto xs = columns(300);
    {
        ColumnStream s(pool, kNoted, stream(1, 2000), xs, kOneRow);
        ASSERT_TRUE(s.next().ok());
    }
    // A worker may still claim a column until the closing takes the lock;
    // once it has returned, none is begun or computed.
    const int returned = logged.now();
    std::this_thread::sleep_for(20ms);
    const auto work = logged.work();
    for (const Work& w : work)
        EXPECT_TRUE(w.ended != -1 && w.ended < returned) << "a column still computed after closing";
    EXPECT_LT(work.size(), xs.size());
}

TEST_F(WorkerPoolPromises, AThrowingColumnReachesTheReaderAndLeavesNobodyWaiting)
{
    for (int threads : {1, 3}) {
        SCOPED_TRACE(std::to_string(threads) + " threads");
        WorkerPool pool(threads);
        const auto xs = columns(40);
        ColumnStream s(pool, kNoted, stream(1, 100, 5), xs, kOneRow);
        for (int c = 0; c < 4; ++c) ASSERT_TRUE(s.next().ok());
        EXPECT_THROW(s.next(), std::runtime_error);
    }  // closing the stream returns: no column is counted in flight for ever
}

}  // namespace
}  // namespace zentrel
