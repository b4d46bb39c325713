// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_command.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/failure_text.h"
#include "cli/field_notes.h"
#include "cli/long_render.h"
#include "cli/movie_command.h"
#include "cli/options.h"
#include "cli/progress_line.h"
#include "engine/field_value.h"
#include "engine/quoted_excerpt.h"
#include "engine/sweep.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "picture/poster.h"
#include "picture/tile_folder.h"

namespace zentrel::cli {
namespace {

void say(const std::string& line) { std::fprintf(stderr, "zentrel-render: %s\n", line.c_str()); }

int fail(const std::string& message, ExitStatus status)
{
    say(message);
    return status;
}

int usageError(const std::string& message) { return fail(message, kBadCommand); }

int failed(const Failure& failure) { return fail(failureText(failure), exitStatusOf(failure)); }

// What was printed has reached the standard output, or the status says it
// has not: a help text lost on a full disk is no success.
int printedWith(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    return fail(std::string("cannot write the standard output: ") + std::strerror(errno),
                kCannotWrite);
}

int render(WorkerPool& pool, const View& view, const PictureTarget& target)
{
    const auto plan = planPoster(view);
    if (!plan && plan.failure().fault == Fault::PosterTooLarge)
        return fail(posterTooLargeText(plan.failure(), view), exitStatusOf(plan.failure()));
    if (!plan) return failed(plan.failure());
    if (plan.value().empty())
        return usageError("nothing to draw: --size " + excerpt(view.fields.size) + " is below 1");
    const RenderWork work{plan.value().width, plan.value().height,
                          view.supersample * view.supersample, pool.threads()};
    if (const auto line = longRenderLine(work)) say(*line);
    Outcome<PosterEnd> written = PosterEnd::Written;
    {
        ProgressLine progress(stderr, isatty(STDERR_FILENO));
        written = writePoster(pool, view, plan.value(), target, {std::ref(progress)});
    }
    if (!written) return failed(written.failure());
    std::printf("%s: %d x %d, %s\n", target.destination.c_str(), plan.value().width,
                plan.value().height, std::string(view.pattern->caption).c_str());
    return kWritten;
}

// The deepest level of a page: the one asked or as many as fit up to the
// default; or, told on the standard error, the status that ends the render.
struct DeepestLevel {
    int level = 0;
    int status = kWritten;
};

DeepestLevel deepestLevel(const RenderOptions& options)
{
    const View& view = options.view;
    const auto most = mostTileLevels(view);
    if (!most && most.failure().fault == Fault::PosterTooLarge)
        return {0, fail(posterTooLargeText(most.failure(), view), exitStatusOf(most.failure()))};
    if (!most) return {0, failed(most.failure())};
    const int asked = options.levels.value_or(std::min(kDefaultTileLevels, most.value()));
    if (asked <= most.value()) return {asked};
    const auto plan = planPoster(levelView(view, 0));
    const long long across = static_cast<long long>(plan.value().width) << asked;
    const long long down = static_cast<long long>(plan.value().height) << asked;
    return {0, usageError("--levels " + std::to_string(asked) +
                          " is deeper than this view goes: its level " + std::to_string(asked) +
                          " would be " + std::to_string(across) + " x " + std::to_string(down) +
                          " pixels at density " + std::to_string(levelView(view, asked).density) +
                          "; give --levels " + std::to_string(most.value()) + " or less")};
}

int renderTiles(WorkerPool& pool, const RenderOptions& options)
{
    const View& view = options.view;
    if (!isFreeFolder(options.tiles))
        return usageError("--tiles " + excerpt(options.tiles, kLongestPathShown) +
                          " is not an empty folder; a page is written into a new or empty one "
                          "only");
    const auto [deepest, status] = deepestLevel(options);
    if (status != kWritten) return status;
    const auto plan = planPoster(levelView(view, deepest));
    if (!plan) return failed(plan.failure());
    if (plan.value().empty())
        return usageError("nothing to draw: --size " + excerpt(view.fields.size) + " is below 1");
    const RenderWork work{plan.value().width, plan.value().height * 4 / 3,
                          view.supersample * view.supersample, pool.threads()};
    if (const auto line = longRenderLine(work)) say(*line);
    Outcome<PosterEnd> written = PosterEnd::Written;
    {
        ProgressLine progress(stderr, isatty(STDERR_FILENO));
        written = writeTileFolder(pool, view, deepest, options.tiles, {std::ref(progress)});
    }
    if (!written) return failed(written.failure());
    std::printf("%s: levels 0 to %d, %d x %d at the deepest, %s\n", options.tiles.c_str(), deepest,
                plan.value().width, plan.value().height,
                std::string(view.pattern->caption).c_str());
    return kWritten;
}

int renderAll(const RenderOptions& options)
{
    // A file-size limit (ulimit -f) would end the process with SIGXFSZ; ignored,
    // it makes the write fail (EFBIG), reported like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    WorkerPool pool(options.threads > 0 ? options.threads : defaultThreadCount());
    if (options.movie.wanted()) return printedWith(runMovie(pool, options));
    if (!options.tiles.empty()) return printedWith(renderTiles(pool, options));
    if (!options.all)
        return printedWith(render(pool, options.view, targetOf(options, options.output)));
    // Every pattern is tried; the first that fails gives the status.
    int status = kWritten;
    for (const Pattern* pattern : patternTable()) {
        View view = options.view;
        view.pattern = pattern;
        const int s = render(pool, view, targetOf(options, outputFor(options.output, *pattern)));
        if (status == kWritten) status = s;
    }
    return printedWith(status);
}

}  // namespace

int runRenderCommand(const std::vector<std::string>& args)
{
    const ParsedCommand command = parseCommandLine(args);
    if (std::holds_alternative<HelpRequest>(command)) {
        std::fputs(helpText().c_str(), stdout);
        return printedWith(kWritten);
    }
    if (std::holds_alternative<VersionRequest>(command)) {
        std::fputs(versionText().c_str(), stdout);
        return printedWith(kWritten);
    }
    if (const auto* error = std::get_if<UsageError>(&command)) return usageError(error->message);
    const auto& options = std::get<RenderOptions>(command);
    for (const std::string& note : partlyReadFields(options.view.fields)) say("note: " + note);
    return renderAll(options);
}

}  // namespace zentrel::cli
