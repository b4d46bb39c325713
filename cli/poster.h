#pragma once

#include <functional>
#include <optional>

#include "engine/outcome.h"
#include "engine/snapshot.h"
#include "engine/sweep.h"

namespace zentrel {
class WorkerPool;
struct Pattern;
}

namespace zentrel::cli {

class ImageFile;

// How far a render has come, after each band of rows.
struct Progress {
    long long rowsDone;
    long long rows;
};

// Computes the picture in bands of whole rows and streams each band to the
// file, so memory stays bounded whatever the size. Returns the first failure
// of the formulas in sweep order, or the failure to write a band.
std::optional<Failure> renderBands(WorkerPool& pool, const Pattern& pattern,
                                   const Snapshot& snapshot, const SweepGrid& grid,
                                   ImageFile& file,
                                   const std::function<void(const Progress&)>& report);

}  // namespace zentrel::cli
