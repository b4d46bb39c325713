// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/coarse_passes.h"

namespace zentrel {
namespace {

// The multiples of step below count, without those of skip (0 skips none).
std::vector<int> multiples(int count, int step, int skip)
{
    std::vector<int> indices;
    for (int k = 0; k < count; k += step)
        if (skip == 0 || k % skip != 0) indices.push_back(k);
    return indices;
}

}  // namespace

std::vector<PixelSet> passPixels(int columns, int rows, int block)
{
    if (block == kPassBlocks[0]) return {{multiples(columns, block, 0), multiples(rows, block, 0)}};
    const int coarser = 2 * block;
    // Columns between the coarser pass's take every row of this pass; its
    // own columns take the rows between its rows.
    return {{multiples(columns, block, coarser), multiples(rows, block, 0)},
            {multiples(columns, coarser, 0), multiples(rows, block, coarser)}};
}

std::optional<Failure> drawPass(WorkerPool& pool, const Pattern& pattern,
                                const PreparedSweep& sweep, int block, const PieceSink& take)
{
    const std::vector<PixelSet> sets = passPixels(static_cast<int>(sweep.grid.xs.size()),
                                                  static_cast<int>(sweep.grid.ys.size()), block);
    return computePixels(pool, pattern, sweep, sets, block, take);
}

}  // namespace zentrel
