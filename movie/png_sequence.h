// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "engine/outcome.h"
#include "movie/movie_sink.h"

namespace zentrel {

// A movie as PNG files, one a frame, each carrying its frame's view: the
// name with "{frame}" replaced by the frame's number from 0, zero-padded to
// the width of the last frame's number ("frames/{frame}.png" gives
// frames/000.png to frames/299.png). The frames are written under hidden
// names and all named at the end; a failure or a cancel removes them, and
// those a signal leaves are removed by the program's next write in that
// folder, as every hidden file is.
Outcome<std::unique_ptr<MovieSink>> openPngSequence(const std::string& path,
                                                    const MovieHeader& header);

// The name of frame n of a sequence of this many frames.
std::string frameFileName(const std::string& path, long long n, long long frames);

}  // namespace zentrel
