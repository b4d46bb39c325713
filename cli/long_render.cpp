// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/long_render.h"

#include <algorithm>
#include <cmath>

namespace zentrel::cli {
namespace {

double samplesOf(const RenderWork& work)
{
    return 1.0 * work.width * work.height * work.samplesPerPixel;
}

std::string counted(long long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "805 million", "4.3 billion", "12 billion".
std::string manySamples(double samples)
{
    if (samples < 1e9) return std::to_string(std::llround(samples / 1e6)) + " million";
    if (samples < 1e10) {
        const long long tenths = std::llround(samples / 1e8);
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " billion";
    }
    return std::to_string(std::llround(samples / 1e9)) + " billion";
}

// "40 s", "3 min", "2 h": rounded to the unit that reads best.
std::string duration(double seconds)
{
    if (seconds < 120) return std::to_string(std::llround(seconds)) + " s";
    if (seconds < 7200) return std::to_string(std::llround(seconds / 60)) + " min";
    return std::to_string(std::llround(seconds / 3600)) + " h";
}

}  // namespace

double estimatedSeconds(const RenderWork& work)
{
    return samplesOf(work) * kSecondsPerSample / std::max(work.threads, 1);
}

std::optional<std::string> longRenderLine(const RenderWork& work)
{
    const double seconds = estimatedSeconds(work);
    if (seconds <= kLongRenderSeconds) return std::nullopt;
    return std::to_string(work.width) + " x " + std::to_string(work.height) + " pixels, " +
           counted(work.samplesPerPixel, "sample", "samples") + " each (" +
           manySamples(samplesOf(work)) + "), about " + duration(seconds) + " on " +
           counted(std::max(work.threads, 1), "thread", "threads");
}

}  // namespace zentrel::cli
