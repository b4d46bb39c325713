// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "engine/outcome.h"
#include "engine/pattern.h"
#include "engine/render.h"
#include "engine/sweep.h"

namespace zentrel {

class WorkerPool;

// Some rows of one column of a picture, computed together: the colour of
// rows[i] is colours[i]. A coarse pass shows each pixel as a block of
// block x block pixels, the pixel at its top-left corner.
struct Piece {
    int column = 0;
    std::span<const int> rows;
    std::span<const Colour> colours;
    int block = 1;
};

// Receives each piece as it is computed, its spans valid during the call
// alone; returns false to stop.
using PieceSink = std::function<bool(const Piece&)>;

// Pixels to compute: every listed row of every listed column, both in
// increasing order (indices into the sweep's grid).
struct PixelSet {
    std::vector<int> columns;
    std::vector<int> rows;

    bool empty() const { return columns.empty() || rows.empty(); }
};

// Computes the sets on the pool and hands their pieces to take in increasing
// column order; no column may be in two sets. Stops when take returns false,
// or at the first failing pixel in that order, whose failure it returns:
// where the other pixels of a column are known to draw, that is the failure
// a whole sweep meets first.
std::optional<Failure> computePixels(WorkerPool& pool, const Pattern& pattern,
                                     const PreparedSweep& sweep, std::span<const PixelSet> sets,
                                     int block, const PieceSink& take);

// An empty picture of the sweep's size, every pixel 0, in the storage given
// (whatever it held) or in new storage.
Picture blankPicture(const SweepGrid& grid, std::vector<Colour> storage = {});

// Puts the piece's pixels (not its block) into the picture.
void placePiece(Picture& picture, const Piece& piece);

}  // namespace zentrel
