// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "engine/outcome.h"
#include "movie/movie_sink.h"

// Video files encoded by FFmpeg's libraries: RGB made YUV 4:2:0 with the
// BT.709 matrix in limited range, and tagged so, the keyframe path in the
// container's metadata. Each is staged out of sight and named only when the
// encoder and the container are complete and on the disk.
namespace zentrel::video {

Outcome<std::unique_ptr<MovieSink>> openMp4(const std::string& path, const MovieHeader& header);
Outcome<std::unique_ptr<MovieSink>> openWebm(const std::string& path, const MovieHeader& header);
Outcome<std::unique_ptr<MovieSink>> openAv1(const std::string& path, const MovieHeader& header);

// Whether the library linked has the encoder of this name.
bool hasEncoder(const std::string& name);

// The keyframe path a video file of this program keeps in its metadata, or
// why there is none (NotAView).
Outcome<std::string> keyframesOf(const std::string& path);

}  // namespace zentrel::video
