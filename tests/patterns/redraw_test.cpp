// Redrawing in coarse passes, for every pattern: the picture built up is to
// the bit the picture of a fresh drawing.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/coarse_passes.h"
#include "engine/render.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;
using test::NamedRow;

class RedrawEveryPattern : public ::testing::TestWithParam<const Pattern*> {};

// Pixels handed over by the passes, and how often each came.
struct PassLog {
    Picture picture;
    std::multiset<std::pair<int, int>> pixels;
    std::vector<int> blocks;
};

PassLog drawnInPasses(const Pattern& pattern, const PreparedSweep& sweep)
{
    WorkerPool pool(3);
    PassLog log{blankPicture(sweep.grid), {}, {}};
    for (int block : kPassBlocks) {
        const auto failure = drawPass(pool, pattern, sweep, block, [&](const Piece& piece) {
            placePiece(log.picture, piece);
            for (int r : piece.rows) log.pixels.emplace(piece.column, r);
            log.blocks.push_back(piece.block);
            return true;
        });
        EXPECT_FALSE(failure) << failure->message();
    }
    return log;
}

TEST_P(RedrawEveryPattern, InCoarsePassesIsTheFreshPictureEachPixelOnce)
{
    const Pattern& pattern = *GetParam();
    // Extents that are no multiple of 8.
    const FieldTexts fields = F("1", "1", "61", "0.3");
    const PassLog log = drawnInPasses(pattern, prepareSweep(pattern, fields).value());
    EXPECT_TRUE(test::samePicture(log.picture, renderPicture(pattern, fields, 1).value()));
    const std::set<std::pair<int, int>> distinct(log.pixels.begin(), log.pixels.end());
    EXPECT_EQ(distinct.size(), log.pixels.size()) << "a pixel computed twice";
    EXPECT_EQ(log.pixels.size(), 61u * 61u);
    EXPECT_EQ(log.blocks.front(), 8);
    EXPECT_EQ(log.blocks.back(), 1);
}

INSTANTIATE_TEST_SUITE_P(Patterns, RedrawEveryPattern, ::testing::ValuesIn(patternTable()),
                         [](const auto& info) { return std::string(info.param->routine); });

}  // namespace
}  // namespace zentrel
