// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "movie/movie.h"
#include "movie/movie_formats.h"

namespace zentrel {

// What a movie comes to before a frame is drawn: its frames, its format and
// the header its file gets.
struct MoviePlan {
    MovieTimeline timeline;
    const MovieFormat* format;
    std::string destination;
    MovieHeader header;
};

// The plan, or why the movie cannot be made, all of it known before a frame
// is drawn: a path the timeline refuses (NotAView), a quality outside
// 1..100, a name that asks for no format, a frame beyond what the format
// holds or of odd sides for 4:2:0 colour (PosterTooLarge), an encoder the
// library lacks, a folder that cannot be written (CannotWrite).
Outcome<MoviePlan> planMovie(const KeyframePath& path, const MovieSettings& settings,
                             const std::string& file);

Outcome<PosterEnd> writeMovie(WorkerPool& pool, const MoviePlan& plan, const MovieWatch& watch = {},
                              Priority priority = Priority::Interactive);

// The path as a keyframe file holds it, one keyframe a line: what a movie
// keeps in its metadata, read back by keyframePathOf to the same path.
std::string keyframeText(const KeyframePath& path);

// The text of the keyframe path a movie file of this program keeps, or the
// file's own text for any other file (a keyframe file).
Outcome<std::string> keyframesOf(const std::string& file);

}  // namespace zentrel
