#include "cli/render_command.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/failure_text.h"
#include "cli/image_file.h"
#include "cli/options.h"
#include "cli/poster.h"
#include "engine/field_value.h"
#include "engine/sweep.h"
#include "engine/worker_pool.h"

namespace zentrel::cli {
namespace {

using Clock = std::chrono::steady_clock;

int fail(const std::string& message, ExitStatus status)
{
    std::fprintf(stderr, "zentrel-render: %s\n", message.c_str());
    return status;
}

int usageError(const std::string& message) { return fail(message, kBadCommand); }

int failed(const Failure& failure)
{
    return fail(failureText(failure),
                failure.fault == Fault::CannotWrite ? kCannotWrite : kFormulaFailed);
}

// What was printed has reached the standard output, or the status says it
// has not: a help text lost on a full disk is no success.
int printedWith(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    return fail(std::string("cannot write the standard output: ") + std::strerror(errno), kCannotWrite);
}

// A progress line on a terminal, once a render has taken more than a second.
class ProgressLine {
public:
    void operator()(const Progress& p)
    {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
        if (!isatty(STDERR_FILENO) || elapsed < 1.0 || p.rowsDone == p.rows) return;
        const double fraction = static_cast<double>(p.rowsDone) / static_cast<double>(p.rows);
        const double left = elapsed / fraction - elapsed;
        std::fprintf(stderr, "\rzentrel-render: %3.0f%%, row %lld of %lld, about %.0f s left   ",
                     100 * fraction, p.rowsDone, p.rows, std::ceil(left));
        shown_ = true;
    }
    ~ProgressLine()
    {
        if (shown_) std::fputc('\n', stderr);
    }

private:
    Clock::time_point start_ = Clock::now();
    bool shown_ = false;
};

// A size the renderer will not even try, whatever the pattern: told apart
// from a failure of the formulas, as a command line to be mended.
bool beyondTheLargestExtent(const FieldTexts& fields)
{
    const Outcome<double> size = fieldValue(fields.size);
    return size && (size.value() > kMaxExtent || widthForSize(size.value()) > kMaxExtent);
}

int render(const RenderOptions& options)
{
    if (beyondTheLargestExtent(options.fields))
        return usageError(failureText(
            fieldFailure(FieldRole::Size, FieldProblem::PictureTooLarge, options.fields.size)));
    const auto prepared = prepareSweep(*options.pattern, options.fields);
    if (!prepared) return failed(prepared.failure());
    if (prepared.value().empty())
        return usageError("nothing to draw: --size " + options.fields.size + " is below 1");
    const auto& [snapshot, grid] = prepared.value();

    const int width = static_cast<int>(grid.xs.size());
    const int height = static_cast<int>(grid.ys.size());
    // A file-size limit (ulimit -f) would end the process with SIGXFSZ; ignored,
    // it makes the write fail (EFBIG), reported like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    auto file = ImageFile::create(options.output, width, height);
    if (!file) return failed(file.failure());

    WorkerPool pool(options.threads > 0 ? options.threads : defaultThreadCount());
    std::optional<Failure> failure;
    {
        ProgressLine progress;
        failure = renderBands(pool, *options.pattern, snapshot, grid, *file.value(), std::ref(progress));
    }
    if (!failure) failure = file.value()->commit();
    if (failure) return failed(*failure);
    std::printf("%s: %d x %d, %s\n", options.output.c_str(), width, height,
                std::string(options.pattern->caption).c_str());
    return printedWith(kWritten);
}

}  // namespace

int runRenderCommand(const std::vector<std::string>& args)
{
    const ParsedCommand command = parseCommandLine(args);
    if (std::holds_alternative<HelpRequest>(command)) {
        std::fputs(helpText().c_str(), stdout);
        return printedWith(kWritten);
    }
    if (const auto* error = std::get_if<UsageError>(&command)) return usageError(error->message);
    return render(std::get<RenderOptions>(command));
}

}  // namespace zentrel::cli
