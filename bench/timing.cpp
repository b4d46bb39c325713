// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing.h"

#include <algorithm>
#include <chrono>
#include <span>
#include <vector>

#include "engine/sweep.h"
#include "engine/worker_pool.h"

namespace zentrel::bench {
namespace {

double msOf(const Work& work)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times)
{
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

}  // namespace

double medianMs(int runs, const Work& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(msOf(work));
    return median(std::move(times));
}

std::pair<double, double> medianMsInTurn(int runs, const Work& a, const Work& b)
{
    std::vector<double> timesA, timesB;
    for (int i = 0; i < runs; ++i) {
        timesA.push_back(msOf(a));
        timesB.push_back(msOf(b));
    }
    return {median(std::move(timesA)), median(std::move(timesB))};
}

void drawOnAllCores(const Pattern& pattern)
{
    sweep(WorkerPool::shared(), pattern, kLargePicture,
          [](int, std::span<const Colour>) { return true; });
}

double allCoresMs(int runs, const Pattern& pattern)
{
    return medianMs(runs, [&] { drawOnAllCores(pattern); });
}

}  // namespace zentrel::bench
