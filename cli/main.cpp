// zentrel-render: writes a pattern's picture to a PNG or PPM file.

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cli/image_file.h"
#include "cli/options.h"
#include "cli/poster.h"
#include "engine/column_pool.h"
#include "engine/pattern.h"
#include "engine/sweep.h"

namespace {

using namespace zentrel;
using namespace zentrel::cli;
using Clock = std::chrono::steady_clock;

enum ExitStatus { kWritten = 0, kCannotWrite = 1, kBadCommand = 2, kFormulaFailed = 3 };

int fail(const std::string& message, ExitStatus status)
{
    std::fprintf(stderr, "zentrel-render: %s\n", message.c_str());
    return status;
}

int usageError(const std::string& message) { return fail(message, kBadCommand); }
int formulaFailed(const Failure& failure) { return fail(failure.message(), kFormulaFailed); }

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

int render(const RenderOptions& options)
{
    const auto snapshot = takeSnapshot(options.pattern->rule, options.fields);
    if (!snapshot) return formulaFailed(snapshot.failure());
    const Snapshot& s = snapshot.value();
    if (s.size > kMaxExtent || s.width > kMaxExtent)
        return usageError("the size " + options.fields.three + " is above the largest, 65536");
    const auto grid = sweepGrid(s);
    if (!grid) return formulaFailed(grid.failure());
    if (grid.value().xs.empty() || grid.value().ys.empty())
        return usageError("nothing to draw: the size " + options.fields.three + " is below 1");

    const int width = static_cast<int>(grid.value().xs.size());
    const int height = static_cast<int>(grid.value().ys.size());
    std::string error;
    auto file = ImageFile::create(options.output, width, height, error);
    if (!file) return fail(error, kCannotWrite);

    const int threads = options.threads > 0
                            ? options.threads
                            : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    ColumnPool pool(threads);
    std::optional<Failure> failure;
    {
        ProgressLine progress;
        failure = renderBands(pool, *options.pattern, s, grid.value(), *file, std::ref(progress));
    }
    if (failure) return formulaFailed(*failure);
    if (!file->commit()) return fail(file->error(), kCannotWrite);
    std::printf("%s: %d x %d, %s\n", options.output.c_str(), width, height,
                std::string(options.pattern->caption).c_str());
    return kWritten;
}

}  // namespace

int main(int argc, char** argv)
{
    const ParsedCommand command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (std::holds_alternative<HelpRequest>(command)) {
        std::fputs(helpText().c_str(), stdout);
        return kWritten;
    }
    if (const auto* error = std::get_if<UsageError>(&command)) return usageError(error->message);
    return render(std::get<RenderOptions>(command));
}
