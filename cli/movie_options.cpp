// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/movie_options.h"

#include <charconv>
#include <cmath>

#include "engine/quoted_excerpt.h"
#include "movie/movie_formats.h"
#include "picture/view.h"

namespace zentrel::cli {
namespace {

// The options of a view a movie applies to every keyframe.
bool isFrameOption(const std::string& option)
{
    return option == "--size" || option == "--height" || option == "--width" ||
           option == "--density" || option == "--supersample";
}

std::optional<double> secondsIn(const std::string& value)
{
    double seconds = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, seconds);
    if (error != std::errc() || stop != end || !std::isfinite(seconds) || seconds <= 0)
        return std::nullopt;
    return seconds;
}

std::optional<std::string> needsWhole(const std::string& option, const std::string& value,
                                      int lowest, int highest, int& into)
{
    const auto n = wholeNumberIn(value, lowest, highest);
    if (n) {
        into = *n;
        return std::nullopt;
    }
    return option + " needs a whole number from " + std::to_string(lowest) + " to " +
           std::to_string(highest) + ", not '" + excerpt(value) + "'";
}

}  // namespace

bool isMovieOption(const std::string& option)
{
    return option == "--movie" || option == "--to" || option == "--seconds" || option == "--fps" ||
           option == "--quality";
}

std::optional<std::string> applyMovieOption(MovieRequest& movie, const std::string& option,
                                            const std::string& value)
{
    if (option == "--movie") {
        movie.keyframes = value;
    } else if (option == "--to") {
        movie.to = value;
    } else if (option == "--seconds") {
        movie.seconds = secondsIn(value);
        if (!movie.seconds)
            return "--seconds needs a number of seconds more than 0, not '" + excerpt(value) + "'";
    } else if (option == "--fps") {
        return needsWhole(option, value, 1, kMaxFps, movie.settings.fps);
    } else if (option == "--quality") {
        return needsWhole(option, value, 1, 100, movie.settings.quality);
    } else if (option == "--from") {
        movie.from = true;
    } else if (isFrameOption(option)) {
        movie.frameOptions.emplace_back(option, value);
    } else if (isViewOption(option)) {
        movie.otherViewOptions.push_back(option);
    }
    return std::nullopt;
}

std::optional<std::string> checkMovie(const MovieRequest& movie, const std::string& output,
                                      bool all)
{
    if (all) return "--all draws pictures, not movies";
    if (!movie.keyframes.empty() && (!movie.to.empty() || movie.from))
        return "--movie takes its keyframes from its file: leave out --from and --to";
    if (!movie.to.empty() && !movie.from)
        return "--to needs --from, the picture the movie starts on";
    if (!movie.to.empty() && !movie.seconds)
        return "--to needs --seconds, how long the flight lasts";
    if (!movie.keyframes.empty() && movie.seconds)
        return "--seconds goes with --to; a keyframe file gives each flight its own";
    if (!movie.otherViewOptions.empty())
        return movie.otherViewOptions.front() +
               " changes no keyframe: a movie's keyframes keep their views, and only --size, "
               "--height, --width, --density and --supersample apply to every one";
    if (output.empty())
        return "missing -o FILE (a .mp4, .webm or .mkv file, or frames/{frame}.png)";
    if (movie.settings.format.empty() && !movieFiles().forPath(output))
        return "a movie's file must end in .mp4, .webm or .mkv, or hold {frame} for a PNG "
               "sequence, or --format must name its format (mp4, webm, av1 or png)";
    return std::nullopt;
}

std::string movieHelp()
{
    return "  --movie FILE     a movie of the keyframes in FILE, one view a line as\n"
           "                   Copy view writes it, followed by --seconds S (the flight\n"
           "                   to the next), --hold S (seconds still) and --ease; or the\n"
           "                   movie this program made, whose keyframes it keeps\n"
           "  --to PICTURE     a movie flying from the view of --from to this one's\n"
           "  --seconds S      how long the flight of --to lasts\n"
           "  --fps N          frames a second of a movie, 1 to 240, default 30\n"
           "  --quality Q      of a video, 1 (smallest) to 100 (best), default 75\n"
           "                   Movies are written by -o's name: .mp4 (H.264), .webm\n"
           "                   (VP9), .mkv (AV1), or a PNG sequence whose name holds\n"
           "                   {frame}, the frame's number from 0. --size, --height,\n"
           "                   --width, --density and --supersample apply to every\n"
           "                   keyframe; video frames need even sides.\n";
}

}  // namespace zentrel::cli
