#include "engine/render.h"

#include <algorithm>

#include "engine/worker_pool.h"
#include "engine/sweep.h"

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
    Picture picture;
    const auto failure = sweep(pool, pattern, fields, [&](int, std::span<const Colour> column) {
        picture.height = static_cast<int>(column.size());
        ++picture.width;
        picture.colours.insert(picture.colours.end(), column.begin(), column.end());
        return true;
    }, sampling);
    if (failure) return *failure;
    return picture;
}

}  // namespace zentrel
