// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/colour.h"
#include "engine/outcome.h"

namespace zentrel {

// The metadata key under which a video file keeps its keyframe path.
inline constexpr const char* kKeyframesKey = "zentrel_keyframes";

// The mark a PNG sequence's name holds where each frame's number goes.
inline constexpr std::string_view kFrameMark = "{frame}";

// What a movie's receiver is told before the first frame.
struct MovieHeader {
    int width = 0;
    int height = 0;
    int fps = 0;
    int quality = 0;        // 1 (smallest) to 100 (best)
    long long frames = 0;   // how many will come
    std::string keyframes;  // the keyframe path's text, for the file's metadata
};

// One frame of a movie: its pixels, rows from the top, and its view.
struct MovieFrame {
    long long number = 0;
    std::span<const Colour> pixels;
    std::string recipe;
};

// Where a movie goes, frame by frame: a video file, a PNG sequence.
// Nothing of it shows before commit(); a sink destroyed uncommitted leaves
// no trace.
class MovieSink {
public:
    virtual ~MovieSink() = default;
    virtual Status writeFrame(const MovieFrame& frame) = 0;
    // The movie is complete: it takes its place.
    virtual Status commit() = 0;
};

// Opens a sink for a movie of this header at destination.
using OpenMovieSink = Outcome<std::unique_ptr<MovieSink>> (*)(const std::string& destination,
                                                              const MovieHeader& header);

}  // namespace zentrel
