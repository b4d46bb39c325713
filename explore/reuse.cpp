// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/reuse.h"

#include <algorithm>
#include <cstddef>

namespace zentrel {
namespace {

// Loop values never decrease along a grid, so one walk through both finds
// every value of next that old has.
std::vector<int> matches(const std::vector<double>& old, const std::vector<double>& next)
{
    std::vector<int> found(next.size(), -1);
    std::size_t i = 0;
    for (std::size_t k = 0; k < next.size(); ++k) {
        while (i < old.size() && old[i] < next[k]) ++i;
        if (i < old.size() && sameBits(old[i], next[k])) found[k] = static_cast<int>(i);
    }
    return found;
}

std::vector<int> indicesWhere(const std::vector<int>& old, bool kept)
{
    std::vector<int> indices;
    for (std::size_t k = 0; k < old.size(); ++k)
        if ((old[k] >= 0) == kept) indices.push_back(static_cast<int>(k));
    return indices;
}

// Kept rows that follow one another in both pictures, copied as one.
struct RowRun {
    int to;    // first new row
    int from;  // first old row
    int count;
};

std::vector<RowRun> keptRuns(const std::vector<int>& oldRows)
{
    std::vector<RowRun> runs;
    for (std::size_t r = 0; r < oldRows.size(); ++r) {
        const int to = static_cast<int>(r);
        const int from = oldRows[r];
        if (from < 0) continue;
        RowRun* last = runs.empty() ? nullptr : &runs.back();
        if (last && last->to + last->count == to && last->from + last->count == from)
            ++last->count;
        else
            runs.push_back({to, from, 1});
    }
    return runs;
}

}  // namespace

Overlap overlapOf(const DrawnView& old, const Pattern& pattern, const PreparedSweep& next)
{
    if (!sameColouring(*old.pattern, old.sweep.snapshot, pattern, next.snapshot))
        return {std::vector<int>(next.grid.xs.size(), -1),
                std::vector<int>(next.grid.ys.size(), -1)};
    return {matches(old.sweep.grid.xs, next.grid.xs), matches(old.sweep.grid.ys, next.grid.ys)};
}

Picture keptPixels(const DrawnView& old, const Overlap& overlap, std::vector<Colour> storage)
{
    Picture picture{static_cast<int>(overlap.oldColumns.size()),
                    static_cast<int>(overlap.oldRows.size()), std::move(storage)};
    picture.colours.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
    const std::vector<RowRun> runs = keptRuns(overlap.oldRows);
    for (int c = 0; c < picture.width; ++c) {
        const int oldColumn = overlap.oldColumns[static_cast<std::size_t>(c)];
        if (oldColumn < 0) continue;
        const Colour* from =
            old.picture.colours.data() + static_cast<std::size_t>(oldColumn) * old.picture.height;
        Colour* to = picture.colours.data() + static_cast<std::size_t>(c) * picture.height;
        for (const RowRun& run : runs) std::copy_n(from + run.from, run.count, to + run.to);
    }
    return picture;
}

namespace {

std::vector<PixelSet> missingPixels(const Overlap& overlap)
{
    std::vector<int> allRows(overlap.oldRows.size());
    for (std::size_t r = 0; r < allRows.size(); ++r) allRows[r] = static_cast<int>(r);
    return {{indicesWhere(overlap.oldColumns, false), std::move(allRows)},
            {indicesWhere(overlap.oldColumns, true), indicesWhere(overlap.oldRows, false)}};
}

}  // namespace

std::optional<Failure> computeMissing(WorkerPool& pool, const Pattern& pattern,
                                      const PreparedSweep& next, const Overlap& overlap,
                                      const PieceSink& take)
{
    return computePixels(pool, pattern, next, missingPixels(overlap), 1, take);
}

Outcome<Picture> redrawReusing(WorkerPool& pool, const DrawnView& old, const Pattern& pattern,
                               const PreparedSweep& next)
{
    const Overlap overlap = overlapOf(old, pattern, next);
    Picture picture = keptPixels(old, overlap);
    const auto failure = computeMissing(pool, pattern, next, overlap, [&](const Piece& piece) {
        placePiece(picture, piece);
        return true;
    });
    if (failure) return *failure;
    return picture;
}

}  // namespace zentrel
