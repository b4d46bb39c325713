// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/movie_command.h"

#include <unistd.h>

#include <cstdio>

#include "cli/failure_text.h"
#include "cli/progress_line.h"
#include "movie/movie_plan.h"
#include "picture/picture_view.h"

namespace zentrel::cli {
namespace {

// How a movie's command fails: the line to say, and the status.
struct MovieError {
    std::string message;
    ExitStatus status = kBadCommand;
};

using PathOrError = std::variant<KeyframePath, MovieError>;

PathOrError keyframesRead(const std::string& file)
{
    const auto text = keyframesOf(file);
    if (!text) return MovieError{"--movie: " + text.failure().where};
    auto path = keyframePathOf(text.value());
    if (!path) return MovieError{"--movie " + file + ": " + failureText(path.failure())};
    return std::move(path.value());
}

// The flight from the view of --from to the view of --to.
PathOrError flightBetween(const View& from, const MovieRequest& movie)
{
    const auto to = viewOfPicture(movie.to);
    if (!to) return MovieError{"--to: " + to.failure().where};
    KeyframePath path;
    path.keyframes.push_back(Keyframe{from, 0, 0, *movie.seconds, false});
    path.keyframes.push_back(Keyframe{to.value(), 0, 0, 0, false});
    return path;
}

PathOrError keyframesOfRequest(const RenderOptions& options)
{
    const MovieRequest& movie = options.movie;
    PathOrError path = movie.keyframes.empty() ? flightBetween(options.view, movie)
                                               : keyframesRead(movie.keyframes);
    auto* keyframes = std::get_if<KeyframePath>(&path);
    if (!keyframes) return path;
    for (Keyframe& k : keyframes->keyframes)
        for (const auto& [option, value] : movie.frameOptions)
            if (auto failure = setViewOption(k.view, option, value))
                return MovieError{failure->where};
    return path;
}

class MovieProgress {
public:
    MovieProgress() : line_(stderr, isatty(STDERR_FILENO)) {}
    void operator()(long long done, long long frames) { line_(Progress{done, frames}); }

private:
    ProgressLine line_;
};

}  // namespace

int runMovie(WorkerPool& pool, const RenderOptions& options)
{
    const auto say = [](const std::string& line, int status) {
        std::fprintf(stderr, "zentrel-render: %s\n", line.c_str());
        return status;
    };
    const PathOrError path = keyframesOfRequest(options);
    if (const auto* error = std::get_if<MovieError>(&path))
        return say(error->message, error->status);
    const auto plan =
        planMovie(std::get<KeyframePath>(path), options.movie.settings, options.output);
    if (!plan) return say(failureText(plan.failure()), kBadCommand);
    Outcome<PosterEnd> written = PosterEnd::Written;
    {
        MovieProgress progress;
        written = writeMovie(pool, plan.value(), MovieWatch{std::ref(progress)});
    }
    if (!written) return say(failureText(written.failure()), exitStatusOf(written.failure()));
    const MovieHeader& h = plan.value().header;
    std::printf("%s: %lld frames of %d x %d at %d frames a second\n", options.output.c_str(),
                h.frames, h.width, h.height, h.fps);
    return kWritten;
}

}  // namespace zentrel::cli
