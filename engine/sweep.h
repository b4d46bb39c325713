// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "engine/snapshot.h"

namespace zentrel {

class WorkerPool;

// The loop values of a sweep: x from left + 1 to left + width, y from
// top + 1 to top + size, each stepped by adding 1 to a double counter, so
// that a fractional origin collects exactly the rounding the loops would.
// With a density of n, each loop value v is followed by v + 1/n ... v +
// (n - 1)/n: the same region n times finer, every n-th value the loop's own.
struct SweepGrid {
    std::vector<double> xs;
    std::vector<double> ys;
};

// The largest number of columns or rows of the loops, and of values once a
// density has multiplied them.
inline constexpr double kMaxExtent = 65536;
inline constexpr double kMaxSamples = 1 << 20;

// How finely a view is sampled, and how wide it is.
struct Sampling {
    int density = 1;              // values per unit of the formula coordinates
    std::optional<double> width;  // instead of the width the size gives
};

// PositionTooLarge where adding 1 no longer moves a counter (positions of
// about 9e15 and beyond), which would make the loop endless; Overflow for an
// extent beyond kMaxExtent, or beyond kMaxSamples once multiplied by the
// density. The failure names its field (the position of that axis, or the
// size) but not the field's text, which prepareSweep adds.
Outcome<SweepGrid> sweepGrid(const Snapshot& s, int density = 1);

// What a drawing takes from the fields before its first column: the
// pattern's snapshot and the loop values it gives.
struct PreparedSweep {
    Snapshot snapshot;
    SweepGrid grid;

    bool empty() const { return grid.xs.empty() || grid.ys.empty(); }
};

Outcome<PreparedSweep> prepareSweep(const Pattern& pattern, const FieldTexts& fields,
                                    const Sampling& sampling = {});

// Receives each finished column in sweep order; returns false to stop.
using ColumnSink = std::function<bool(int column, std::span<const Colour> colours)>;

// A whole drawing: the snapshot of the fields, then every column in order,
// computed ahead by the pool's workers and handed to take.
std::optional<Failure> sweep(WorkerPool& pool, const Pattern& pattern, const FieldTexts& fields,
                             const ColumnSink& take, const Sampling& sampling = {});
// The same, from a sweep prepared already.
std::optional<Failure> sweep(WorkerPool& pool, const Pattern& pattern,
                             const PreparedSweep& prepared, const ColumnSink& take);

}  // namespace zentrel
