// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string>

#include "engine/colour.h"
#include "engine/outcome.h"
#include "engine/worker_pool.h"
#include "picture/deep_colour.h"

namespace zentrel {

// What a picture's receiver is told before the first row.
struct PictureHeader {
    int width;
    int height;
    std::string recipe;  // the view's recipe, for formats that keep it
    int depth = 8;       // bits a channel: 8, rows by writeRows; 16, by writeDeepRows
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
    // The same at 16 bits a channel; a format that holds 8 bits alone
    // refuses them.
    virtual Status writeDeepRows(std::span<const DeepColour> rows);
    // The picture is complete: it takes its place.
    virtual Status commit() = 0;
};

inline Status PictureSink::writeDeepRows(std::span<const DeepColour>)
{
    return Failure{Fault::CannotWrite, "this picture holds 8 bits a channel, not 16"};
}

// Opens a sink for a picture of this header at destination (a path for a
// file; formats that need none pass it over).
using OpenSink = Outcome<std::unique_ptr<PictureSink>> (*)(const std::string& destination,
                                                           const PictureHeader& header);

}  // namespace zentrel
