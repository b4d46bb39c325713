// Pictures drawn in pieces: the coarse passes share out every pixel once,
// and pieces come in column order and stop when told.

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "engine/coarse_passes.h"
#include "engine/pixel_pieces.h"
#include "engine/worker_pool.h"
#include "support.h"
#include "test_patterns.h"

namespace zentrel {
namespace {

using test::F;

PreparedSweep prepared(const Pattern& pattern, const FieldTexts& fields)
{
    return prepareSweep(pattern, fields).value();
}

// The largest pass block that divides both: the pass a pixel belongs to.
int blockOf(int column, int row)
{
    for (int block : kPassBlocks)
        if (column % block == 0 && row % block == 0) return block;
    return 0;
}

TEST(CoarsePasses, ShareOutEveryPixelOnce)
{
    const std::pair<int, int> sizes[] = {{1, 1}, {7, 9}, {8, 8}, {17, 16}, {61, 33}};
    for (const auto& [columns, rows] : sizes) {
        std::map<std::pair<int, int>, int> passOf;
        for (int block : kPassBlocks)
            for (const PixelSet& set : passPixels(columns, rows, block))
                for (int c : set.columns)
                    for (int r : set.rows)
                        ASSERT_TRUE(passOf.emplace(std::pair(c, r), block).second)
                            << columns << " x " << rows << ": twice " << c << ", " << r;
        ASSERT_EQ(passOf.size(), static_cast<std::size_t>(columns * rows));
        for (const auto& [pixel, block] : passOf)
            EXPECT_EQ(block, blockOf(pixel.first, pixel.second));
    }
}

TEST(ComputePixels, HandsOverPiecesInColumnOrderAndStopsWhenTold)
{
    WorkerPool pool(3);
    const PreparedSweep sweep = prepared(test::healthy, F("0", "0", "40"));
    const std::vector<PixelSet> sets = passPixels(40, 40, 4);
    std::vector<int> columns;
    computePixels(pool, test::healthy, sweep, sets, 4, [&](const Piece& piece) {
        EXPECT_EQ(piece.block, 4);
        EXPECT_EQ(piece.rows.size(), piece.colours.size());
        columns.push_back(piece.column);
        return true;
    });
    EXPECT_EQ(columns, (std::vector<int>{0, 4, 8, 12, 16, 20, 24, 28, 32, 36}));
    int pieces = 0;
    computePixels(pool, test::healthy, sweep, sets, 4, [&](const Piece&) { return ++pieces < 3; });
    EXPECT_EQ(pieces, 3);
}

}  // namespace
}  // namespace zentrel
