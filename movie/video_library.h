// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "engine/outcome.h"
#include "movie/movie_sink.h"

// Video files are written and read by FFmpeg's libraries, kept in a module of
// their own that is loaded the first time a video is made or read: those
// libraries bring well over a hundred more, and loading them would cost every
// start of the programs a tenth of a second, pictures and posters included.
namespace zentrel {

// What the module offers, one entry each.
struct VideoLibrary {
    OpenMovieSink openMp4;
    OpenMovieSink openWebm;
    OpenMovieSink openAv1;
    // Whether FFmpeg here has the encoder of this name.
    bool (*hasEncoder)(const std::string& name);
    // The keyframe path a video file of this program keeps in its metadata,
    // or why there is none (NotAView).
    Outcome<std::string> (*keyframesOf)(const std::string& path);
};

// The module's file name, found in the programs' library search path (the
// build folder's video/, or the installed programs' private library folder),
// and the function it gives its entries by.
inline constexpr char kVideoModule[] = "zentrel-video.so";
inline constexpr char kVideoEntry[] = "zentrelVideoLibrary";
using VideoEntry = const VideoLibrary* (*)();

// The module's entries, loaded on first use; a failure says why the module
// could not be loaded.
Outcome<const VideoLibrary*> videoLibrary();

// The entries by way of videoLibrary(), each failing as a write or a read
// does when the module is missing.
Outcome<std::unique_ptr<MovieSink>> openMp4File(const std::string& path, const MovieHeader& header);
Outcome<std::unique_ptr<MovieSink>> openWebmFile(const std::string& path,
                                                 const MovieHeader& header);
Outcome<std::unique_ptr<MovieSink>> openAv1File(const std::string& path, const MovieHeader& header);
// Why a movie in this encoder cannot be written, if it cannot.
Status encoderMissing(const std::string& encoder, const std::string& format);
Outcome<std::string> keyframesOfVideo(const std::string& path);

}  // namespace zentrel
