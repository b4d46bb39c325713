// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/render.h"

#include "engine/sweep.h"
#include "engine/worker_pool.h"

namespace zentrel {

Outcome<Picture> renderPicture(const Pattern& pattern, const FieldTexts& fields, int threads,
                               const Sampling& sampling)
{
    WorkerPool pool(threads);
    return renderPicture(pool, pattern, fields, sampling);
}

Outcome<Picture> renderPicture(WorkerPool& pool, const Pattern& pattern, const FieldTexts& fields,
                               const Sampling& sampling)
{
    const auto prepared = prepareSweep(pattern, fields, sampling);
    if (!prepared) return prepared.failure();
    Picture picture = pictureToFill(prepared.value().grid);
    const auto failure =
        sweep(pool, pattern, prepared.value(), [&](int, std::span<const Colour> column) {
            appendColumn(picture, column);
            return true;
        });
    if (failure) return *failure;
    return picture;
}

Picture pictureToFill(const SweepGrid& grid)
{
    Picture picture;
    picture.colours.reserve(grid.xs.size() * grid.ys.size());
    return picture;
}

void appendColumn(Picture& picture, std::span<const Colour> column)
{
    picture.height = static_cast<int>(column.size());
    ++picture.width;
    picture.colours.insert(picture.colours.end(), column.begin(), column.end());
}

}  // namespace zentrel
