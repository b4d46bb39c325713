// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn in pieces: the coarse passes share out every pixel once,
// pieces come in column order and stop when told, an overlap keeps only
// loop values that are the same to the bit, and the cache of recent
// pictures finds a view again within its bounds.

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "explore/picture_cache.h"
#include "explore/pixel_pieces.h"
#include "explore/reuse.h"
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

DrawnView drawnOn(const FieldTexts& fields, std::vector<double> xs, std::vector<double> ys)
{
    DrawnView view{&test::healthy, prepared(test::healthy, fields), {}};
    view.sweep.grid = {std::move(xs), std::move(ys)};
    view.picture = blankPicture(view.sweep.grid);
    return view;
}

TEST(Overlap, KeepsOnlyTheSameLoopValuesToTheBit)
{
    const FieldTexts fields = F("0", "0", "4");
    const DrawnView old = drawnOn(fields, {0.1 + 0.2, 1, 2, 3}, {-0.0, 5});
    PreparedSweep next = prepared(test::healthy, fields);
    next.grid = {{0.3, 2, 2.5, 3, 4}, {0.0, 5, 6}};
    const Overlap overlap = overlapOf(old, test::healthy, next);
    EXPECT_EQ(overlap.oldColumns, (std::vector<int>{-1, 2, -1, 3, -1}));  // 0.3 is not 0.1 + 0.2
    EXPECT_EQ(overlap.oldRows, (std::vector<int>{-1, 1, -1}));            // nor 0 -0
    // Another Xoom colours the same loop values differently.
    next.snapshot.zoom = old.sweep.snapshot.zoom + 1;
    EXPECT_EQ(overlapOf(old, test::healthy, next).oldColumns, std::vector<int>(5, -1));
}

std::shared_ptr<const DrawnView> drawnView(const FieldTexts& fields)
{
    DrawnView view{&test::healthy, prepared(test::healthy, fields), {}};
    view.picture = blankPicture(view.sweep.grid);
    return std::make_shared<const DrawnView>(std::move(view));
}

TEST(PictureCache, FindsAViewAgainByItsColouringAndLoopValues)
{
    PictureCache cache;
    const auto view = drawnView(F("3", "4", "20"));
    cache.keep(view);
    EXPECT_EQ(cache.find(test::healthy, prepared(test::healthy, F("3", "4", "20"))), view);
    // The same loop values from other texts are the same picture.
    EXPECT_EQ(cache.find(test::healthy, prepared(test::healthy, F("3.0", "4", "20"))), view);
    EXPECT_EQ(cache.find(test::healthy, prepared(test::healthy, F("3", "4", "20", "2"))), nullptr);
    EXPECT_EQ(cache.find(test::healthy, prepared(test::healthy, F("3", "5", "20"))), nullptr);
    EXPECT_EQ(cache.find(test::dividesAtPoint, prepared(test::dividesAtPoint, F("3", "4", "20"))),
              nullptr);
    cache.keep(drawnView(F("3", "4", "20")));
    EXPECT_EQ(cache.size(), 1u);
}

TEST(PictureCache, LetsTheViewUsedLongestAgoGoFirst)
{
    const auto a = drawnView(F("0", "0", "20"));
    const auto b = drawnView(F("1", "0", "20"));
    const auto c = drawnView(F("2", "0", "20"));
    PictureCache cache(2 * PictureCache::bytesOf(*a));
    cache.keep(a);
    cache.keep(b);
    ASSERT_EQ(cache.find(test::healthy, a->sweep), a);  // a is now newer than b
    cache.keep(c);
    EXPECT_EQ(cache.find(test::healthy, b->sweep), nullptr);
    EXPECT_EQ(cache.find(test::healthy, a->sweep), a);
    EXPECT_EQ(cache.find(test::healthy, c->sweep), c);
    EXPECT_LE(cache.bytes(), 2 * PictureCache::bytesOf(*a));
    // A picture larger than the whole cache is not kept, and takes nothing.
    cache.keep(drawnView(F("0", "0", "40")));
    EXPECT_EQ(cache.size(), 2u);
}

TEST(PictureCache, CountsAViewKeptAgainOnce)
{
    const auto a = drawnView(F("0", "0", "20"));
    const auto b = drawnView(F("1", "0", "20"));
    const std::size_t limit = 2 * PictureCache::bytesOf(*a);
    PictureCache cache(limit);
    cache.keep(a);
    // Kept again, as the same picture and as an equal one drawn anew (a
    // count gone wrong stops the test before it overruns the bound).
    for (const auto& again : {a, drawnView(F("0", "0", "20"))}) {
        cache.keep(again);
        ASSERT_EQ(cache.size(), 1u);
        ASSERT_EQ(cache.bytes(), PictureCache::bytesOf(*a));
    }
    // So there is room for another beside it.
    cache.keep(b);
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.bytes(), limit);
    EXPECT_NE(cache.find(test::healthy, a->sweep), nullptr);
    EXPECT_EQ(cache.find(test::healthy, b->sweep), b);
}

}  // namespace
}  // namespace zentrel
