// SPDX-License-Identifier: GPL-3.0-or-later
// The progress line of a long render: on a terminal one line rewritten in
// place, elsewhere a line of its own every ten seconds.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/progress_line.h"

namespace zentrel::cli {
namespace {

using Clock = std::chrono::steady_clock;

// The lines written for rows reported at the given seconds, of 100 rows in
// all, each report one row further.
std::string linesFor(bool terminal, const std::vector<double>& seconds)
{
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    Clock::time_point now{};
    {
        ProgressLine progress(out, terminal, [&] { return now; });
        long long row = 0;
        for (double s : seconds) {
            now = Clock::time_point{} +
                  std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
            progress({++row * 10, 100});
        }
    }
    std::fclose(out);
    std::string lines(text, size);
    std::free(text);
    return lines;
}

TEST(ProgressLine, ElsewhereALineEveryTenSeconds)
{
    // Quiet in the first second; then at 1.5 s, 11.5 s and 21.6 s, but not
    // between; nothing once every row is done.
    EXPECT_EQ(linesFor(false, {0.5, 1.5, 2, 11, 11.5, 21.6, 22, 30}),
              "zentrel-render:  20%, row 20 of 100, about 6 s left\n"
              "zentrel-render:  50%, row 50 of 100, about 12 s left\n"
              "zentrel-render:  60%, row 60 of 100, about 15 s left\n");
}

TEST(ProgressLine, OnATerminalOneLineRewrittenInPlace)
{
    EXPECT_EQ(linesFor(true, {0.5, 1.5, 2}),
              "\rzentrel-render:  20%, row 20 of 100, about 6 s left   "
              "\rzentrel-render:  30%, row 30 of 100, about 5 s left   \n");
    EXPECT_EQ(linesFor(true, {0.1, 0.2}), "");
}

}  // namespace
}  // namespace zentrel::cli
