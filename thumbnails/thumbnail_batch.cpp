// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/thumbnail_batch.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <map>
#include <mutex>

#include "engine/job_source.h"
#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "explore/pixel_pieces.h"
#include "thumbnails/thumbnail_view.h"

namespace zentrel {
namespace {

// The pixels of one set of one thumbnail, with the loop values of its rows.
struct SetOfThumbnail {
    Thumbnail* thumbnail;
    PixelSet pixels;
    std::vector<double> ys;
};

// One column of one set: the pool's unit of work.
struct ColumnJob {
    const SetOfThumbnail* set;
    int column;  // an index into the set's columns
};

// Every column of every set, offered to the pool's workers one at a time
// until none is left. Columns are small (a thumbnail is 144 rows), so the
// whole batch is one source rather than a stream per thumbnail, which
// would wait on each picture's few columns in turn.
class ThumbnailJobs final : public JobSource {
public:
    explicit ThumbnailJobs(std::vector<ColumnJob> jobs) : jobs_(std::move(jobs)) {}

    bool claimable() override { return next_.load(std::memory_order_relaxed) < jobs_.size(); }
    void runOne() noexcept override { runNext(); }

    // Claims and runs one column; false when none was left.
    bool runNext() noexcept
    {
        const std::size_t claimed = next_.fetch_add(1);
        if (claimed >= jobs_.size()) return false;
        try {
            run(jobs_[claimed]);
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!thrown_) thrown_ = std::current_exception();
        }
        return true;
    }

    void rethrow() const
    {
        if (thrown_) std::rethrow_exception(thrown_);
    }

private:
    void run(const ColumnJob& job)
    {
        Thumbnail& t = *job.set->thumbnail;
        const int column = job.set->pixels.columns[static_cast<std::size_t>(job.column)];
        std::vector<Colour> colours(job.set->ys.size());
        const auto failure = colourColumn(*t.view.pattern, t.sweep.snapshot,
                                          t.sweep.grid.xs[static_cast<std::size_t>(column)],
                                          job.set->ys, colours.data());
        if (failure) return fail(t, column, *failure);
        placePiece(t.picture, Piece{column, job.set->pixels.rows, colours});
    }

    void fail(Thumbnail& t, int column, const Failure& failure)
    {
        std::lock_guard lock(mutex_);
        auto [at, fresh] = failedColumn_.try_emplace(&t, column);
        if (!fresh && at->second <= column) return;
        at->second = column;
        t.failure = failure;
    }

    const std::vector<ColumnJob> jobs_;
    std::atomic<std::size_t> next_{0};
    std::mutex mutex_;
    std::map<const Thumbnail*, int> failedColumn_;  // the first failing column of each
    std::exception_ptr thrown_;
};

// Every column and every row of a picture.
std::vector<PixelSet> allPixels(int columns, int rows)
{
    PixelSet all;
    for (int c = 0; c < columns; ++c) all.columns.push_back(c);
    for (int r = 0; r < rows; ++r) all.rows.push_back(r);
    return {all};
}

// The sets of the pixels to draw (a pass's, or all of them for block 0) of
// every thumbnail not failed, with their rows' loop values.
std::vector<SetOfThumbnail> setsToDraw(std::span<Thumbnail> thumbnails, int block)
{
    std::vector<SetOfThumbnail> sets;
    for (Thumbnail& t : thumbnails) {
        if (t.failure || t.sweep.empty()) continue;
        const int columns = static_cast<int>(t.sweep.grid.xs.size());
        const int rows = static_cast<int>(t.sweep.grid.ys.size());
        for (PixelSet& pixels :
             block == 0 ? allPixels(columns, rows) : passPixels(columns, rows, block)) {
            if (pixels.empty()) continue;
            std::vector<double> ys;
            for (int r : pixels.rows) ys.push_back(t.sweep.grid.ys[static_cast<std::size_t>(r)]);
            sets.push_back({&t, std::move(pixels), std::move(ys)});
        }
    }
    return sets;
}

// Draws the pixels of the block's sets on the pool, the calling thread
// working too, and marks the thumbnails with the finest block now in.
void drawSets(WorkerPool& pool, std::span<Thumbnail> thumbnails, int block)
{
    const std::vector<SetOfThumbnail> sets = setsToDraw(thumbnails, block);
    std::vector<ColumnJob> jobs;
    for (const SetOfThumbnail& set : sets)
        for (int c = 0; c < static_cast<int>(set.pixels.columns.size()); ++c)
            jobs.push_back({&set, c});
    ThumbnailJobs batch(std::move(jobs));
    pool.add(batch);
    while (batch.runNext()) {}
    pool.remove(batch);
    batch.rethrow();
    for (Thumbnail& t : thumbnails)
        if (!t.failure && !t.sweep.empty()) t.block = block == 0 ? 1 : block;
}

}  // namespace

std::vector<Thumbnail> thumbnailsOf(const View& main, std::span<const Pattern* const> patterns)
{
    std::vector<Thumbnail> thumbnails;
    for (const Pattern* pattern : patterns) {
        Thumbnail t;
        const Outcome<View> view = thumbnailView(main, *pattern);
        if (!view) {
            t.view = viewWith(*pattern, main.fields);
            t.failure = view.failure();
        } else {
            t.view = view.value();
            Outcome<PreparedSweep> sweep = prepareSweep(*pattern, t.view.fields, t.view.sampling());
            if (sweep) {
                t.sweep = std::move(sweep.value());
                t.picture = blankPicture(t.sweep.grid);
            } else {
                t.failure = sweep.failure();
            }
        }
        thumbnails.push_back(std::move(t));
    }
    return thumbnails;
}

void drawThumbnailPass(WorkerPool& pool, std::span<Thumbnail> thumbnails, int block)
{
    drawSets(pool, thumbnails, block);
}

void drawThumbnails(WorkerPool& pool, std::span<Thumbnail> thumbnails)
{
    drawSets(pool, thumbnails, 0);
}

Picture shownPicture(const Thumbnail& thumbnail)
{
    Picture shown = thumbnail.picture;
    const int block = std::max(1, thumbnail.block);
    if (block == 1) return shown;
    for (int c = 0; c < shown.width; ++c)
        for (int r = 0; r < shown.height; ++r)
            shown.colours[static_cast<std::size_t>(c) * shown.height + r] =
                thumbnail.picture.at(c - c % block, r - r % block);
    return shown;
}

}  // namespace zentrel
