#include "cli/poster.h"

#include <algorithm>
#include <vector>

#include "cli/image_file.h"
#include "engine/column_stream.h"

namespace zentrel::cli {
namespace {

// About 16 MB of colours per band.
constexpr std::size_t kBandPixels = std::size_t{1} << 22;

}  // namespace

std::optional<Failure> renderBands(ColumnPool& pool, const Pattern& pattern,
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
        ColumnStream stream(pool, pattern, snapshot, grid.xs,
                            std::span<const double>(grid.ys).subspan(top, rows));
        for (std::size_t c = 0; c < width; ++c) {
            const auto column = stream.next();
            if (!column) return column.failure();
            for (std::size_t r = 0; r < rows; ++r) band[r * width + c] = column.value()[r];
        }
        if (!file.writeRows(std::span<const Colour>(band).first(rows * width)))
            return std::nullopt;  // the file reports its own error
        report({static_cast<long long>(top + rows), static_cast<long long>(height)});
    }
    return std::nullopt;
}

}  // namespace zentrel::cli
