// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie_bench.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/math_path.h"
#include "engine/worker_pool.h"
#include "motion/view_geometry.h"
#include "movie/frame_render.h"
#include "movie/movie_plan.h"
#include "patterns/pattern_table.h"
#include "video/video_reader.h"

namespace zentrel::bench {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The whole of "aqua" at 1280 x 720, and 1000 x closer around a point left
// of and above the middle, which stays still on screen all the way.
KeyframePath zoomIntoAqua()
{
    View whole = viewWith(*findPattern("aqua"), FieldTexts{"1", "1", "720", "1", "150"});
    whole.width = 1280;
    ViewGeometry g = geometryOf(whole).value();
    const double column = -0.2 * g.columns;
    const double row = -0.15 * g.rows;
    g.centreX += column * g.scale * (1 - 0.001);
    g.centreY += row * g.scale * (1 - 0.001);
    g.scale *= 0.001;
    const View close = viewShowing(whole, g).value();
    return KeyframePath{{Keyframe{whole, 1, 0, 10, false}, Keyframe{close, 2, 0, 0, false}}};
}

double drawFramesAlone(WorkerPool& pool, const MoviePlan& plan)
{
    FrameRender render(pool, plan.header.width, plan.header.height, Priority::Interactive);
    std::vector<Colour> pixels;
    const auto start = Clock::now();
    for (long long n = 0; n < plan.timeline.frameCount(); ++n)
        (void)render
            .render(
                plan.timeline.frame(n).value(), [] { return false; }, pixels)
            .value();
    return secondsSince(start);
}

double decibels(double squares, double count)
{
    const double mse = squares / count;
    return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99.0;
}

// BT.709 luma of the sRGB codes, 0..255.
double lumaOf(Colour c) { return 0.2126 * redOf(c) + 0.7152 * greenOf(c) + 0.0722 * blueOf(c); }

struct Psnr {
    double rgb = 0;   // over the three channels
    double luma = 0;  // over the luma alone, which 4:2:0 keeps at full size
};

Psnr psnr(const std::vector<Colour>& a, const std::vector<Colour>& b)
{
    double squares = 0, lumaSquares = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (int shift : {0, 8, 16}) {
            const double d = double((a[i] >> shift) & 0xFF) - double((b[i] >> shift) & 0xFF);
            squares += d * d;
        }
        const double d = lumaOf(a[i]) - lumaOf(b[i]);
        lumaSquares += d * d;
    }
    const double n = static_cast<double>(a.size());
    return {decibels(squares, 3 * n), decibels(lumaSquares, n)};
}

// The mean PSNR of the file's frames against the exact ones, in dB.
Psnr meanPsnr(WorkerPool& pool, const MoviePlan& plan, const std::string& file)
{
    auto opened = VideoReader::open(file);
    auto& video = opened.value();
    FrameRender render(pool, plan.header.width, plan.header.height, Priority::Interactive);
    std::vector<Colour> exact;
    Psnr sum;
    long long n = 0;
    for (;; ++n) {
        const auto decoded = video->next().value();
        if (!decoded) break;
        (void)render
            .render(
                plan.timeline.frame(n).value(), [] { return false; }, exact)
            .value();
        const Psnr frame = psnr(*decoded, exact);
        sum.rgb += frame.rgb;
        sum.luma += frame.luma;
    }
    const double frames = static_cast<double>(std::max(n, 1LL));
    return {sum.rgb / frames, sum.luma / frames};
}

}  // namespace

int printMovieRow()
{
    WorkerPool pool(defaultThreadCount());
    const auto folder = std::filesystem::temp_directory_path() /
                        ("zentrel-bench-movie-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "zoom.mp4").string();
    const auto plan = planMovie(zoomIntoAqua(), MovieSettings{}, file).value();
    const auto start = Clock::now();
    (void)writeMovie(pool, plan).value();
    const double total = secondsSince(start);
    const double alone = drawFramesAlone(pool, plan);
    const Psnr quality = meanPsnr(pool, plan, file);
    std::printf(
        "movie: %lld frames of 1280 x 720, aqua zoomed 1000 x in 10 s at 30 fps, %d cores, "
        "maths path %s\n",
        plan.timeline.frameCount(), pool.threads(), pathName(mathPath()).data());
    std::printf("%-22s %8.1f s\n%-22s %8.1f s\n%-22s %8.2f\n", "drawn and encoded", total,
                "drawn alone", alone, "ratio", total / alone);
    std::printf("%-22s %8.1f dB RGB, %.1f dB luma, at quality %d\n", "mean PSNR of the MP4",
                quality.rgb, quality.luma, plan.header.quality);
    std::printf("%-22s %8.1f MB\n", "file", std::filesystem::file_size(file) / 1e6);
    std::filesystem::remove_all(folder);
    return 0;
}

}  // namespace zentrel::bench
