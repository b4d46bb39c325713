// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace zentrel::cli {

// What a render computes, and on how many threads.
struct RenderWork {
    int width = 0;  // pixels
    int height = 0;
    int samplesPerPixel = 1;  // supersample x supersample
    int threads = 1;
};

// Seconds one sample takes on one thread, the file written too: about the
// slowest patterns on a modest core, so that the guess errs long.
inline constexpr double kSecondsPerSample = 200e-9;

// Renders expected to take longer than this are announced before they start.
inline constexpr double kLongRenderSeconds = 2.0;

double estimatedSeconds(const RenderWork& work);

// For a long render, the line that says what will be computed: "16384 x
// 12288 pixels, 4 samples each (805 million), about 3 min on 2 threads";
// none for a short one.
std::optional<std::string> longRenderLine(const RenderWork& work);

}  // namespace zentrel::cli
