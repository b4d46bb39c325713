#pragma once

#include <memory>
#include <span>
#include <string>

#include "engine/colour.h"
#include "engine/outcome.h"
#include "engine/worker_pool.h"

namespace zentrel {

// What a picture's receiver is told before the first row.
struct PictureHeader {
    int width;
    int height;
    std::string recipe;  // the view's recipe, for formats that keep it
    // Workers a format may share its own work with (a PNG deflates on
    // them), at the picture's priority; none: it works on its own thread.
    WorkerPool* pool = nullptr;
    Priority priority = Priority::Interactive;
};

// Where a picture goes, row by row from the top: a file, the clipboard.
// Nothing of it shows before commit(); a sink destroyed uncommitted leaves
// no trace.
class PictureSink {
public:
    virtual ~PictureSink() = default;

    // Appends rows.size() / width rows of colours.
    virtual Status writeRows(std::span<const Colour> rows) = 0;
    // The picture is complete: it takes its place.
    virtual Status commit() = 0;
};

// Opens a sink for a picture of this header at destination (a path for a
// file; formats that need none pass it over).
using OpenSink = Outcome<std::unique_ptr<PictureSink>> (*)(const std::string& destination,
                                                           const PictureHeader& header);

}  // namespace zentrel
