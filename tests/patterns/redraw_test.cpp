// SPDX-License-Identifier: GPL-3.0-or-later
// Redrawing with what is already drawn, for every pattern: a picture made
// from the pixels of an earlier one and the few computed anew, or built up
// in coarse passes, is to the bit the picture of a fresh drawing.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/render.h"
#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "explore/reuse.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;
using test::NamedRow;

DrawnView drawnView(const Pattern& pattern, const FieldTexts& fields, const Sampling& sampling)
{
    return {&pattern, prepareSweep(pattern, fields, sampling).value(),
            renderPicture(pattern, fields, 2, sampling).value()};
}

// A value is kept, from an old one the same to the bit, exactly where the old
// grid has one.
void expectKeptExactly(const std::vector<double>& old, const std::vector<double>& next,
                       const std::vector<int>& kept)
{
    std::set<std::uint64_t> oldBits;
    for (double v : old) oldBits.insert(std::bit_cast<std::uint64_t>(v));
    for (std::size_t k = 0; k < next.size(); ++k) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(next[k]);
        if (kept[k] < 0)
            EXPECT_FALSE(oldBits.contains(bits)) << "value " << k << " not kept";
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(old[static_cast<std::size_t>(kept[k])]), bits)
                << "value " << k << " kept from another";
    }
}

int keptPixelCount(const Overlap& overlap)
{
    int columns = 0, rows = 0;
    for (int c : overlap.oldColumns) columns += c >= 0;
    for (int r : overlap.oldRows) rows += r >= 0;
    return columns * rows;
}

// A view, the view a drag leaves, and how many pixels the new one keeps
// (-1: any number, as long as the picture is right).
struct DragRow : NamedRow {
    FieldTexts before, after;
    int kept;
    Sampling sampling = {};
};

// Loop values from a fractional origin gather rounding along the loop: after
// a drag by whole pixels they may or may not be the old ones to the bit.
// clang-format off
const DragRow kDrags[] = {
    {"quarter_right", F("1", "1", "64", "0.3"), F("-15", "1", "64", "0.3"), 48 * 64},
    {"quarter_left", F("1", "1", "64", "0.3"), F("17", "1", "64", "0.3"), 48 * 64},
    {"quarter_down", F("1", "1", "64", "0.3"), F("1", "-15", "64", "0.3"), 64 * 48},
    {"quarter_up", F("1", "1", "64", "0.3"), F("1", "17", "64", "0.3"), 64 * 48},
    {"diagonal", F("1", "1", "64", "0.3"), F("17", "-15", "64", "0.3"), 48 * 48},
    {"beyond_the_picture", F("1", "1", "64", "0.3"), F("-99", "1", "64", "0.3"), 0},
    {"half_a_pixel", F("1", "1", "64", "0.3"), F("0.5", "1", "64", "0.3"), 0},
    {"fractional_origin", F("0.3", "0.3", "64", "0.3"), F("-15.7", "16.3", "64", "0.3"), -1},
    {"fractional_origin_far", F("0.3", "0.7", "64", "0.3"), F("40.3", "-39.3", "64", "0.3"), -1},
    {"density_2", F("1", "1", "32", "0.3"), F("-7", "9", "32", "0.3"), 48 * 48, {2, std::nullopt}},
    // Another Xoom colours the same loop values differently.
    {"zoomed", F("1", "1", "64", "0.3"), F("1", "1", "64", "0.15"), 0},
};
// clang-format on

class RedrawEveryPattern : public ::testing::TestWithParam<const Pattern*> {};

TEST_P(RedrawEveryPattern, ReusingTheOldPictureIsTheFreshPicture)
{
    const Pattern& pattern = *GetParam();
    WorkerPool pool(3);
    for (const DragRow& row : kDrags) {
        SCOPED_TRACE(row.name);
        const DrawnView old = drawnView(pattern, row.before, row.sampling);
        const PreparedSweep next = prepareSweep(pattern, row.after, row.sampling).value();
        const Overlap overlap = overlapOf(old, pattern, next);
        if (sameColouring(pattern, old.sweep.snapshot, pattern, next.snapshot)) {
            expectKeptExactly(old.sweep.grid.xs, next.grid.xs, overlap.oldColumns);
            expectKeptExactly(old.sweep.grid.ys, next.grid.ys, overlap.oldRows);
        }
        if (row.kept >= 0) {
            EXPECT_EQ(keptPixelCount(overlap), row.kept);
        }
        const Outcome<Picture> reused = redrawReusing(pool, old, pattern, next);
        ASSERT_TRUE(reused.ok()) << reused.failure().message();
        EXPECT_TRUE(test::samePicture(reused.value(),
                                      renderPicture(pattern, row.after, 1, row.sampling).value()));
    }
}

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

// A pixel that fails where the old picture had none: the redraw meets the
// failure a fresh drawing meets first (see pictures_test.cpp).
TEST(RedrawFailure, IsTheFreshDrawingsFirstFailure)
{
    const Pattern& riski = *findPattern("riski");
    WorkerPool pool(3);
    const DrawnView old = drawnView(riski, F("0", "0", "3", "8.511e154"), {});
    const FieldTexts larger = F("0", "0", "40", "8.511e154");
    const Outcome<Picture> reused =
        redrawReusing(pool, old, riski, prepareSweep(riski, larger).value());
    ASSERT_FALSE(reused.ok());
    EXPECT_EQ(reused.failure().message(), "Overflow at x = 3, y = 34");
    EXPECT_EQ(renderPicture(riski, larger).failure().message(), reused.failure().message());
}

}  // namespace
}  // namespace zentrel
