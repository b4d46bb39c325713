// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_line.h"

#include <cmath>

namespace zentrel::cli {
namespace {

using Seconds = std::chrono::duration<double>;

constexpr Seconds kQuiet{1.0};    // no line for a render shorter than this
constexpr Seconds kPeriod{10.0};  // between lines that are not rewritten

}  // namespace

ProgressLine::ProgressLine(std::FILE* out, bool terminal, Clock now)
    : out_(out), terminal_(terminal), now_(std::move(now)), start_(now_()), lastLine_(start_)
{
}

ProgressLine::~ProgressLine()
{
    if (shown_ && terminal_) std::fputc('\n', out_);
}

void ProgressLine::operator()(const Progress& p)
{
    const auto now = now_();
    const double elapsed = Seconds(now - start_).count();
    if (now - start_ < kQuiet || p.rowsDone == p.rows) return;
    if (!terminal_ && shown_ && now - lastLine_ < kPeriod) return;
    const double fraction = static_cast<double>(p.rowsDone) / static_cast<double>(p.rows);
    const double left = elapsed / fraction - elapsed;
    std::fprintf(out_, "%szentrel-render: %3.0f%%, row %lld of %lld, about %.0f s left%s",
                 terminal_ ? "\r" : "", 100 * fraction, p.rowsDone, p.rows, std::ceil(left),
                 terminal_ ? "   " : "\n");
    std::fflush(out_);
    shown_ = true;
    lastLine_ = now;
}

}  // namespace zentrel::cli
