// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/movie_plan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "engine/number_text.h"
#include "movie/video_library.h"

namespace zentrel {
namespace {

// Far more keyframes than any movie has, read at once.
constexpr long long kLongestKeyframeFile = 16LL << 20;

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string sizeText(long long width, long long height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

Outcome<const MovieFormat*> formatOf(const MovieSettings& settings, const std::string& file)
{
    const MovieFormat* format =
        settings.format.empty() ? movieFiles().forPath(file) : movieFiles().named(settings.format);
    if (!format)
        return Failure{Fault::NotAView,
                       settings.format.empty()
                           ? "a movie's name ends in .mp4, .webm or .mkv, or holds {frame}"
                           : "there is no movie format '" + settings.format + "'"};
    if (format->name == "png" && folderOf(file).find(kFrameMark) != std::string::npos)
        return Failure{Fault::NotAView, "{frame} belongs in the frames' names, not their folder"};
    if (format->name == "png" && file.find(kFrameMark) == std::string::npos)
        return Failure{Fault::NotAView,
                       "a PNG sequence's name holds {frame}, as in frames/{frame}.png"};
    return format;
}

// Whether the format holds frames of this size, and its encoder is there.
Status fits(const MovieFormat& format, int width, int height)
{
    const long long pixels = static_cast<long long>(width) * height;
    if (width > format.largestSide || height > format.largestSide || pixels > format.largestFrame)
        return Failure{Fault::PosterTooLarge,
                       "frames of " + sizeText(width, height) + " pixels are more than " +
                           format.description + " holds (sides to " +
                           std::to_string(format.largestSide) + ", " +
                           std::to_string(format.largestFrame) + " pixels a frame)"};
    if (format.evenSides && (width % 2 || height % 2))
        return Failure{Fault::PosterTooLarge,
                       "frames of " + sizeText(width, height) + " pixels: " + format.description +
                           " needs an even number of pixels across and down"};
    if (format.encoder.empty()) return std::nullopt;
    return encoderMissing(format.encoder, format.description);
}

Status writableFolder(const std::string& file)
{
    const std::string folder = folderOf(file);
    if (access(folder.c_str(), W_OK | X_OK) == 0) return std::nullopt;
    return Failure{Fault::CannotWrite, folder + ": " + std::strerror(errno)};
}

}  // namespace

Outcome<MoviePlan> planMovie(const KeyframePath& path, const MovieSettings& settings,
                             const std::string& file)
{
    if (settings.quality < 1 || settings.quality > 100)
        return Failure{Fault::NotAView,
                       "the quality " + std::to_string(settings.quality) + " is not 1 to 100"};
    const auto format = formatOf(settings, file);
    if (!format) return format.failure();
    auto timeline = MovieTimeline::of(path, settings.fps);
    if (!timeline) return timeline.failure();
    const auto first = timeline.value().frame(0);
    if (!first) return first.failure();
    const auto poster = planPoster(first.value().view);
    if (!poster) return poster.failure();
    if (poster.value().empty()) return Failure{Fault::PosterTooLarge, "frames of no pixels"};
    const int width = poster.value().width;
    const int height = poster.value().height;
    if (auto failure = fits(*format.value(), width, height)) return *failure;
    if (auto failure = writableFolder(file)) return *failure;
    MovieHeader header{width,
                       height,
                       settings.fps,
                       settings.quality,
                       timeline.value().frameCount(),
                       keyframeText(path)};
    return MoviePlan{std::move(timeline.value()), format.value(), file, std::move(header)};
}

Outcome<PosterEnd> writeMovie(WorkerPool& pool, const KeyframePath& path,
                              const MovieSettings& settings, const std::string& file,
                              const MovieWatch& watch, Priority priority)
{
    const auto plan = planMovie(path, settings, file);
    if (!plan) return plan.failure();
    return writeMovie(pool, plan.value(), watch, priority);
}

std::string keyframeText(const KeyframePath& path)
{
    std::string text;
    for (const Keyframe& k : path.keyframes) {
        text += recipeOf(k.view);
        if (k.hold > 0) text += " --hold " + numberText(k.hold);
        if (k.seconds > 0) text += " --seconds " + numberText(k.seconds);
        if (k.ease) text += " --ease";
        text += "\n";
    }
    return text;
}

Outcome<std::string> keyframesOf(const std::string& file)
{
    const MovieFormat* format = movieFiles().forPath(file);
    if (format && !format->encoder.empty()) return keyframesOfVideo(file);
    // A named pipe would wait for a writer, and a keyframe file is short.
    struct stat status {};
    if (stat(file.c_str(), &status) != 0)
        return Failure{Fault::NotAView, file + ": " + std::strerror(errno)};
    if (!S_ISREG(status.st_mode)) return Failure{Fault::NotAView, file + " is not a regular file"};
    if (status.st_size > kLongestKeyframeFile)
        return Failure{Fault::NotAView, file + " is too long for a keyframe file"};
    std::ifstream in(file, std::ios::binary);
    if (!in) return Failure{Fault::NotAView, file + ": " + std::strerror(errno)};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace zentrel
