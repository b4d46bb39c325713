// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "engine/outcome.h"
#include "explore/drawn_view.h"
#include "explore/pixel_pieces.h"

namespace zentrel {

class WorkerPool;

// What an old picture already holds of a new sweep: for each new column the
// old column whose loop value is bit for bit the same, or -1, and so for
// each row. Nothing at all when the two drawings colour differently.
struct Overlap {
    std::vector<int> oldColumns;  // by new column
    std::vector<int> oldRows;     // by new row
};

Overlap overlapOf(const DrawnView& old, const Pattern& pattern, const PreparedSweep& next);

// The new picture with every pixel the overlap keeps in its new place, the
// others 0: what a window can show at once. It is made in the storage given
// (whatever it held) or in new storage.
Picture keptPixels(const DrawnView& old, const Overlap& overlap, std::vector<Colour> storage = {});

// Computes the pixels the overlap leaves missing (the columns the old
// picture lacks, and in the columns it has, the rows it lacks), in pieces
// handed to take; stops when take returns false.
std::optional<Failure> computeMissing(WorkerPool& pool, const Pattern& pattern,
                                      const PreparedSweep& next, const Overlap& overlap,
                                      const PieceSink& take);

// The new sweep's picture, the kept pixels moved and only the rest computed
// on the pool: the very picture, or failure, of a fresh drawing.
Outcome<Picture> redrawReusing(WorkerPool& pool, const DrawnView& old, const Pattern& pattern,
                               const PreparedSweep& next);

}  // namespace zentrel
