// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "engine/sweep.h"

namespace zentrel {

// A whole picture as the sweep colours it: column c, row r is the pixel of
// the sweep's c-th x value and r-th y value.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> colours;  // column after column

    Colour at(int column, int row) const
    {
        return colours[static_cast<std::size_t>(column) * height + row];
    }
};

// A picture with room for every column of the grid and none of them in yet,
// and the next column put in on its right.
Picture pictureToFill(const SweepGrid& grid);
void appendColumn(Picture& picture, std::span<const Colour> column);

class WorkerPool;

// Takes the pattern's snapshot of the fields and sweeps the whole picture on
// the pool, or on a pool of its own of that many threads.
Outcome<Picture> renderPicture(WorkerPool& pool, const Pattern& pattern, const FieldTexts& fields,
                               const Sampling& sampling = {});
Outcome<Picture> renderPicture(const Pattern& pattern, const FieldTexts& fields, int threads = 1,
                               const Sampling& sampling = {});

}  // namespace zentrel
