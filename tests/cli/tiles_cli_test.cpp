// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render --tiles from the outside: every tile is its crop of the
// poster at 2^level times the density, edge tiles as large as the picture
// leaves them; refused pages and failed ones leave no folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using test::Args;
using test::byName;
using test::NamedRow;
using test::Names;
using test::readPicture;
using test::Result;
using RenderTiles = test::RenderProcess;

constexpr int kTile = 256;

Picture cropOf(const Picture& picture, int left, int top, int width, int height)
{
    Picture crop{width, height, {}};
    for (int c = left; c < left + width; ++c)
        for (int r = top; r < top + height; ++r) crop.colours.push_back(picture.at(c, r));
    return crop;
}

Args with(Args args, const Args& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct TilesRow : NamedRow {
    Args view;
    int density;  // of level 0
    int levels;
};

// clang-format off
const TilesRow kTiles[] = {
    // 300 x 300 at level 0: one whole tile and edge tiles of 44 pixels.
    {"square_edges_three_levels", {"--pattern", "aqua", "--size", "300", "--xoom", "0.5"}, 1, 2},
    // A width of its own, smaller than a tile at level 0; smoothed, so
    // each level is a poster of its own.
    {"smooth_own_width", {"--pattern", "tang", "--size", "90", "--width", "130", "--xoom", "3",
                          "--supersample", "2"}, 1, 2},
    // A density of 3 to start from: levels at 3 and 6.
    {"density_three", {"--pattern", "hari", "--x", "-20", "--size", "100", "--xoom", "0.2",
                       "--density", "3", "--threads", "3"}, 3, 1},
};
// clang-format on

class RenderTilesLevels : public RenderTiles, public ::testing::WithParamInterface<TilesRow> {};

TEST_P(RenderTilesLevels, EveryTileIsItsCropOfThePosterOfThatDensity)
{
    const TilesRow& row = GetParam();
    const Result r =
        run(with(row.view, {"--tiles", "page", "--levels", std::to_string(row.levels)}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), Names{"page"});
    for (const char* file : {"index.html", "leaflet.js", "leaflet.css", "images/layers.png"})
        EXPECT_TRUE(fs::is_regular_file(work_ / "page" / file)) << file;
    for (int level = 0; level <= row.levels; ++level) {
        const std::string poster = "level" + std::to_string(level) + ".ppm";
        const Result p =
            run(with(row.view, {"--density", std::to_string(row.density << level), "-o", poster}));
        ASSERT_EQ(p.status, 0) << p.err;
        const auto whole = readPicture(work_ / poster);
        ASSERT_TRUE(whole.has_value());
        int tiles = 0;
        for (int x = 0; x * kTile < whole->width; ++x)
            for (int y = 0; y * kTile < whole->height; ++y, ++tiles) {
                const fs::path path = work_ / "page" / std::to_string(level) / std::to_string(x) /
                                      (std::to_string(y) + ".png");
                const auto tile = readPicture(path);
                ASSERT_TRUE(tile.has_value()) << path;
                EXPECT_TRUE(test::samePicture(
                    *tile,
                    cropOf(*whole, x * kTile, y * kTile, std::min(kTile, whole->width - x * kTile),
                           std::min(kTile, whole->height - y * kTile))))
                    << path;
            }
        const auto levelFolder = work_ / "page" / std::to_string(level);
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(levelFolder), {}),
                  tiles + (whole->width + kTile - 1) / kTile)
            << "tiles and their column folders, nothing else";
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, RenderTilesLevels, ::testing::ValuesIn(kTiles), byName);

struct RefusedRow : NamedRow {
    Args args;
    const char* message;  // a part of the one line said
    int status = 2;
};

const Args kSmall = {"--pattern", "aqua", "--size", "40", "--tiles", "page"};

// clang-format off
const RefusedRow kRefused[] = {
    {"levels_beyond_eight", with(kSmall, {"--levels", "9"}), "--levels needs a whole number from 0 to 8"},
    {"levels_not_a_number", with(kSmall, {"--levels", "two"}), "--levels needs a whole number"},
    // 1024 x 768 at level 0: level 7 would be 131072 pixels across.
    {"levels_beyond_the_largest_picture",
     {"--pattern", "aqua", "--size", "768", "--tiles", "page", "--levels", "7"},
     "its level 7 would be 131072 x 98304 pixels at density 128; give --levels 6 or less"},
    {"levels_beyond_the_largest_density", with(kSmall, {"--density", "64", "--levels", "3"}),
     "give --levels 2 or less"},
    {"levels_without_a_page", {"--pattern", "aqua", "--levels", "2", "-o", "a.png"}, "--levels needs --tiles"},
    {"nothing_to_draw", {"--pattern", "aqua", "--size", "0", "--tiles", "page"}, "nothing to draw"},
    {"page_and_a_picture", with(kSmall, {"-o", "a.png"}), "--tiles writes a folder of its own"},
    {"existing_folder", {"--pattern", "aqua", "--size", "40", "--tiles", "full"}, "is not an empty folder"},
    {"existing_file", {"--pattern", "aqua", "--size", "40", "--tiles", "file"}, "is not an empty folder"},
    // The formulas fail at level 1, after level 0's columns.
    {"formulas_fail", {"--pattern", "riski", "--x", "0", "--y", "0", "--size", "40", "--xoom",
                       "8.511e154", "--tiles", "page", "--levels", "1"}, "a number grew too large", 3},
};
// clang-format on

class RenderTilesRefused : public RenderTiles, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RenderTilesRefused, SaysWhyAndLeavesNoFolder)
{
    const RefusedRow& row = GetParam();
    fs::create_directory(work_ / "full");
    placeOlderFile("full/kept");
    placeOlderFile("file");
    const Names before = written();
    const Result r = run(row.args);
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    EXPECT_EQ(written(), before);
    EXPECT_EQ(test::readFile(work_ / "full" / "kept"), test::kOlderFile);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, RenderTilesRefused, ::testing::ValuesIn(kRefused), byName);

// An empty folder takes the page in its place.
TEST_F(RenderTiles, AnEmptyFolderTakesThePage)
{
    fs::create_directory(work_ / "page");
    const Result r = run(with(kSmall, {"--levels", "0"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), Names{"page"});
    EXPECT_EQ(r.out, "page: levels 0 to 0, 40 x 40 at the deepest, aqua\n");
    EXPECT_TRUE(readPicture(work_ / "page" / "0" / "0" / "0.png").has_value());
}

}  // namespace
}  // namespace zentrel
