// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/outcome.h"
#include "engine/worker_pool.h"
#include "motion/flight.h"
#include "motion/keyframe_path.h"
#include "picture/poster.h"

// Zoom movies: the flights of a keyframe path, frame by frame, each frame an
// exact picture of a view in the program's own terms, written through a
// movie format (a video file, or a PNG sequence).
namespace zentrel {

inline constexpr int kDefaultFps = 30;
inline constexpr int kMaxFps = 240;
inline constexpr long long kMaxMovieFrames = 10'000'000;
inline constexpr int kDefaultMovieQuality = 75;  // 1 (smallest) to 100 (best)

struct MovieSettings {
    int fps = kDefaultFps;
    int quality = kDefaultMovieQuality;
    std::string format;  // a movie format's name; none: the one the file's name asks for
};

// The frames of a path at a rate: frame n shows the movie at n / fps
// seconds; the first frame is the first keyframe exactly, the last the
// last's.
class MovieTimeline {
public:
    // The timeline, or why the path makes none (NotAView): no flight between
    // two keyframes, an fps outside 1..kMaxFps, more than kMaxMovieFrames.
    static Outcome<MovieTimeline> of(const KeyframePath& path, int fps);

    long long frameCount() const;
    int fps() const;
    // The views of frame n (0 <= n < frameCount()).
    Outcome<FlightFrame> frame(long long n) const;

private:
    // A stretch of the movie: a keyframe held still, or a flight.
    struct Stretch {
        double start;                  // seconds from the start of the movie
        double seconds;                // how long it lasts
        std::size_t keyframe;          // the keyframe held, or the flight's first
        std::optional<Flight> flight;  // none: the keyframe held
    };

    MovieTimeline(KeyframePath path, int fps, long long frames);
    Status addStretches();
    // Every frame in the first keyframe's sampling: one size for all.
    FlightFrame sampledAsFirst(FlightFrame frame) const;

    KeyframePath path_;
    int fps_ = kDefaultFps;
    long long frames_ = 0;
    std::vector<Stretch> stretches_;
};

struct MovieWatch {
    std::function<void(long long framesDone, long long frames)> progress = [](long long,
                                                                              long long) {};
    // Asked between frames: true stops the movie, and nothing is written.
    std::function<bool()> cancelled = [] { return false; };
};

// Writes the movie of the path to the file (its format from its ending, or
// the name "{frame}" holds for a PNG sequence), each frame the size the
// first keyframe's poster plan gives (its density, supersampling and width),
// the path kept in the file's metadata. Nothing is named until complete; a
// failure, a cancel or the end of the program leaves nothing.
Outcome<PosterEnd> writeMovie(WorkerPool& pool, const KeyframePath& path,
                              const MovieSettings& settings, const std::string& file,
                              const MovieWatch& watch = {},
                              Priority priority = Priority::Interactive);

}  // namespace zentrel
