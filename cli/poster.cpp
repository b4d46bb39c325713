#include "cli/poster.h"

#include <algorithm>
#include <vector>

#include "cli/image_file.h"
#include "engine/column_stream.h"

namespace zentrel::cli {
namespace {

// About 4 MB of colours per band: little memory, a progress step often.
constexpr std::size_t kBandPixels = std::size_t{1} << 20;

// A failing column of a band, with its index in the picture.
struct ColumnFailure {
    std::size_t column;
    Failure failure;
};

// The first column of xs that fails on the rows ys, if any.
std::optional<ColumnFailure> firstFailingColumn(WorkerPool& pool, const Pattern& pattern,
                                                const Snapshot& snapshot,
                                                std::span<const double> xs,
                                                std::span<const double> ys,
                                                const std::function<void(std::size_t, std::span<const Colour>)>& take)
{
    ColumnStream stream(pool, pattern, snapshot, xs, ys);
    for (std::size_t c = 0; c < xs.size(); ++c) {
        const auto column = stream.next();
        if (!column) return ColumnFailure{c, column.failure()};
        take(c, column.value());
    }
    return std::nullopt;
}

// A band failed at column c; a column left of c may still fail further
// down, and that failure comes first in sweep order.
Failure firstInSweepOrder(WorkerPool& pool, const Pattern& pattern, const Snapshot& snapshot,
                          const SweepGrid& grid, std::size_t rowsBelow, const ColumnFailure& found)
{
    if (found.column == 0 || rowsBelow >= grid.ys.size()) return found.failure;
    const auto earlier = firstFailingColumn(
        pool, pattern, snapshot, std::span<const double>(grid.xs).first(found.column),
        std::span<const double>(grid.ys).subspan(rowsBelow), [](std::size_t, std::span<const Colour>) {});
    return earlier ? earlier->failure : found.failure;
}

}  // namespace

std::optional<Failure> renderBands(WorkerPool& pool, const Pattern& pattern,
                                   const Snapshot& snapshot, const SweepGrid& grid,
                                   ImageFile& file,
                                   const std::function<void(const Progress&)>& report)
{
    const std::size_t width = grid.xs.size();
    const std::size_t height = grid.ys.size();
    const std::size_t bandRows = std::clamp<std::size_t>(kBandPixels / width, 1, height);
    std::vector<Colour> band(bandRows * width);

    for (std::size_t top = 0; top < height; top += bandRows) {
        const std::size_t rows = std::min(bandRows, height - top);
        const auto failed = firstFailingColumn(
            pool, pattern, snapshot, grid.xs, std::span<const double>(grid.ys).subspan(top, rows),
            [&](std::size_t c, std::span<const Colour> column) {
                for (std::size_t r = 0; r < rows; ++r) band[r * width + c] = column[r];
            });
        if (failed) return firstInSweepOrder(pool, pattern, snapshot, grid, top + rows, *failed);
        if (auto failure = file.writeRows(std::span<const Colour>(band).first(rows * width)))
            return failure;
        report({static_cast<long long>(top + rows), static_cast<long long>(height)});
    }
    return std::nullopt;
}

}  // namespace zentrel::cli
