// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "engine/outcome.h"
#include "explore/pixel_pieces.h"

namespace zentrel {

class WorkerPool;

// A picture drawn coarse to fine, each pixel computed once: first every 8th
// pixel of every 8th row, each shown as an 8 x 8 block, then the pixels of
// every 4th, 2nd and 1st that no earlier pass computed. Once the last pass is
// in, the picture is the one a sweep draws.
inline constexpr int kPassBlocks[] = {8, 4, 2, 1};

// The pixels of the pass of this block (one of kPassBlocks) in a picture of
// columns x rows: column and row multiples of the block, but not both
// multiples of a coarser one.
std::vector<PixelSet> passPixels(int columns, int rows, int block);

// Computes one pass on the pool and hands each piece, with the pass's block,
// to take; stops when take returns false. A failure is the first failing
// pixel of this pass in column order, which need not be the one a sweep meets
// first: a window that wants the sweep's own failure draws the view the
// classic way then.
std::optional<Failure> drawPass(WorkerPool& pool, const Pattern& pattern,
                                const PreparedSweep& sweep, int block, const PieceSink& take);

}  // namespace zentrel
