// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/poster.h"

#include <algorithm>
#include <array>
#include <future>
#include <memory>
#include <type_traits>
#include <vector>

#include "engine/column_stream.h"
#include "picture/smooth.h"

namespace zentrel {
namespace {

// About 4 MB of samples per band: little memory, a progress step often.
constexpr std::size_t kBandSamples = std::size_t{1} << 20;

// A failing column of a band, with its index in the sweep.
struct ColumnFailure {
    std::size_t column;
    Failure failure;
};

struct Stopped {};  // the poster was cancelled

using ColumnTake = std::function<void(std::size_t, std::span<const Colour>)>;

// The first column of xs that fails on the rows ys, if any.
std::optional<ColumnFailure> firstFailingColumn(WorkerPool& pool, const PosterPlan& plan,
                                                const Pattern& pattern, std::span<const double> xs,
                                                std::span<const double> ys, Priority priority,
                                                const std::function<bool()>& cancelled,
                                                const ColumnTake& take)
{
    ColumnStream stream(pool, pattern, plan.sweep.snapshot, xs, ys, priority);
    for (std::size_t c = 0; c < xs.size(); ++c) {
        if (cancelled()) throw Stopped{};
        const auto column = stream.next();
        if (!column) return ColumnFailure{c, column.failure()};
        take(c, column.value());
    }
    return std::nullopt;
}

// Renders the poster band by band into the sink.
class PosterBands {
public:
    PosterBands(WorkerPool& pool, const View& view, const PosterPlan& plan, PictureSink& sink,
                const PosterWatch& watch, Priority priority)
        : pool_(pool),
          pattern_(*view.pattern),
          supersample_(view.supersample),
          depth_(view.depth),
          plan_(plan),
          sink_(sink),
          watch_(watch),
          priority_(priority)
    {
    }

    // While a band is written, the next is drawn: writing (and, for a PNG,
    // filtering) runs beside the workers rather than between bands.
    Status run()
    {
        const std::size_t k = supersample_;
        const std::size_t sampleWidth = plan_.sweep.grid.xs.size();
        const std::size_t rows = plan_.height;
        const std::size_t bandRows =
            std::clamp<std::size_t>(kBandSamples / (sampleWidth * k), 1, rows);
        // Left unset: every sample is drawn before it is read, and the pages
        // are first touched by the columns as they land, beside the workers,
        // rather than all at once before a band while they wait.
        const std::size_t bandSamples = bandRows * k * sampleWidth;
        const std::array samples{std::make_unique_for_overwrite<Colour[]>(bandSamples),
                                 std::make_unique_for_overwrite<Colour[]>(bandSamples)};
        std::future<Status> writing;  // the band before, on its way into the sink
        for (std::size_t top = 0, band = 0; top < rows; top += bandRows, ++band) {
            const std::size_t n = std::min(bandRows, rows - top);
            const std::span<Colour> drawn(samples[band % 2].get(), n * k * sampleWidth);
            const Status drawing = sampleBand(top * k, n * k, drawn);
            // The bands before fail first, as they come first.
            if (auto failure = written(writing, top)) return failure;
            if (drawing) return drawing;
            writing = std::async(std::launch::async, [this, drawn] {
                return depth_ == 16 ? writeBand(drawn, deepPixels_) : writeBand(drawn, pixels_);
            });
        }
        return written(writing, rows);
    }

private:
    // Waits for the band being written, if any; rowsBefore rows are then in
    // the sink.
    Status written(std::future<Status>& writing, std::size_t rowsBefore)
    {
        if (!writing.valid()) return std::nullopt;
        if (auto failure = writing.get()) return failure;
        watch_.progress({static_cast<long long>(rowsBefore), static_cast<long long>(plan_.height)});
        return std::nullopt;
    }

    Status writeRows(std::span<const Colour> rows) { return sink_.writeRows(rows); }
    Status writeRows(std::span<const DeepColour> rows) { return sink_.writeDeepRows(rows); }

    // The band's pixels in the sink: each the average of its block of
    // samples or, at one sample a pixel, the sample itself.
    template <class Pixel>
    Status writeBand(std::span<const Colour> samples, std::vector<Pixel>& pixels)
    {
        const int k = static_cast<int>(supersample_);
        if constexpr (std::is_same_v<Pixel, Colour>)
            if (k == 1) return writeRows(samples);
        pixels.resize(samples.size() / k / k);
        if (k > 1)
            averageBlocks(samples, static_cast<int>(plan_.sweep.grid.xs.size()), k, pixels.data());
        else if constexpr (!std::is_same_v<Pixel, Colour>)
            std::transform(samples.begin(), samples.end(), pixels.begin(), deepOf);
        return writeRows(std::span<const Pixel>(pixels));
    }

    Status sampleBand(std::size_t firstRow, std::size_t sampleRows, std::span<Colour> samples)
    {
        const auto& grid = plan_.sweep.grid;
        const std::size_t width = grid.xs.size();
        const auto ys = std::span<const double>(grid.ys).subspan(firstRow, sampleRows);
        const auto failed =
            firstFailingColumn(pool_, plan_, pattern_, grid.xs, ys, priority_, watch_.cancelled,
                               [&](std::size_t c, std::span<const Colour> column) {
                                   for (std::size_t r = 0; r < sampleRows; ++r)
                                       samples[r * width + c] = column[r];
                               });
        if (!failed) return std::nullopt;
        return firstInSweepOrder(firstRow + sampleRows, *failed);
    }

    // A band failed at column c; a column left of c may still fail further
    // down, and that failure comes first in sweep order.
    Failure firstInSweepOrder(std::size_t rowsBelow, const ColumnFailure& found)
    {
        const auto& grid = plan_.sweep.grid;
        if (found.column == 0 || rowsBelow >= grid.ys.size()) return found.failure;
        const auto earlier = firstFailingColumn(
            pool_, plan_, pattern_, std::span<const double>(grid.xs).first(found.column),
            std::span<const double>(grid.ys).subspan(rowsBelow), priority_, watch_.cancelled,
            [](std::size_t, std::span<const Colour>) {});
        return earlier ? earlier->failure : found.failure;
    }

    WorkerPool& pool_;
    const Pattern& pattern_;
    const std::size_t supersample_;
    const int depth_;
    std::vector<Colour> pixels_;  // a band's averages
    std::vector<DeepColour> deepPixels_;
    const PosterPlan& plan_;
    PictureSink& sink_;
    const PosterWatch& watch_;
    const Priority priority_;
};

}  // namespace

Outcome<PosterPlan> planPoster(const View& view)
{
    // Sized at one sample a unit first: at density x supersample the sweep's
    // own limit on samples would trip before this one, and blame the size
    // field for what a smaller density or supersampling mends.
    const auto base = prepareSweep(*view.pattern, view.fields, Sampling{1, view.sampling().width});
    if (!base) return base.failure();
    const auto density = static_cast<std::size_t>(view.density);
    const std::size_t width = base.value().grid.xs.size() * density;
    const std::size_t height = base.value().grid.ys.size() * density;
    if (width > kMaxExtent || height > kMaxExtent)
        return Failure{Fault::PosterTooLarge,
                       std::to_string(width) + " x " + std::to_string(height) +
                           " pixels, the largest is " +
                           std::to_string(static_cast<int>(kMaxExtent)) + " across and down"};
    auto sweep = prepareSweep(*view.pattern, view.fields, view.sampling());
    if (!sweep) return sweep.failure();
    return PosterPlan{std::move(sweep.value()), static_cast<int>(width), static_cast<int>(height)};
}

Outcome<PosterEnd> writePoster(WorkerPool& pool, const View& view, const PosterPlan& plan,
                               const PictureTarget& target, const PosterWatch& watch,
                               Priority priority)
{
    auto sink = target.format->open(
        target.destination,
        PictureHeader{plan.width, plan.height, recipeOf(view), view.depth, &pool, priority});
    if (!sink) return sink.failure();
    return writePosterInto(pool, view, plan, *sink.value(), watch, priority);
}

Outcome<PosterEnd> writePosterInto(WorkerPool& pool, const View& view, const PosterPlan& plan,
                                   PictureSink& sink, const PosterWatch& watch, Priority priority)
{
    const auto end = renderPoster(pool, view, plan, sink, watch, priority);
    if (!end || end.value() == PosterEnd::Cancelled) return end;
    if (auto failure = sink.commit()) return *failure;
    return PosterEnd::Written;
}

Outcome<PosterEnd> renderPoster(WorkerPool& pool, const View& view, const PosterPlan& plan,
                                PictureSink& sink, const PosterWatch& watch, Priority priority)
{
    try {
        if (auto failure = PosterBands(pool, view, plan, sink, watch, priority).run())
            return *failure;
    } catch (const Stopped&) {
        return PosterEnd::Cancelled;
    }
    return PosterEnd::Written;
}

}  // namespace zentrel
