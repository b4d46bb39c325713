// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>

#include "picture/poster.h"

namespace zentrel::cli {

// How far a render has come, on the standard error once it has taken more
// than a second: on a terminal one line rewritten in place; elsewhere (a
// script, a log) a line of its own every ten seconds, so that a long poster
// is not silent.
class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    ProgressLine(std::FILE* out, bool terminal, Clock now = std::chrono::steady_clock::now);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void operator()(const Progress& p);

private:
    std::FILE* out_;
    const bool terminal_;
    const Clock now_;
    const std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastLine_;
    bool shown_ = false;
};

}  // namespace zentrel::cli
