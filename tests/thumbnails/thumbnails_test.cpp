// SPDX-License-Identifier: GPL-3.0-or-later
// Thumbnails: every pattern's thumbnail shows the region of the main view,
// is the very picture the renderer draws of its own view, whether drawn in
// one go or coarse to fine, and a small picture file of a view opens as
// that view.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>

#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "motion/view_geometry.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"
#include "picture/poster.h"
#include "support.h"
#include "thumbnails/thumbnail_batch.h"
#include "thumbnails/thumbnail_file.h"
#include "thumbnails/thumbnail_view.h"

namespace zentrel {
namespace {

using test::F;

struct MainViewRow : test::NamedRow {
    const char* pattern;
    FieldTexts fields;
    std::optional<int> width;
    int thumbnailColumns;
};

// The large picture as the window starts it, one moved and zoomed in of
// another pattern's rule, a mirrored one, a square and one of its own width.
const MainViewRow kMainViews[] = {
    {{"large"}, "aqua", F("1", "1", "768", "0.15"), {}, 192},
    {{"zoomed_in"}, "rook", F("-37.5", "12", "768", "0.0031", "120"), {}, 192},
    {{"mirrored"}, "tame", F("5", "-3", "768", "-0.4"), {}, 192},
    {{"square"}, "fun", F("1", "1", "150", "1"), {}, 144},
    {{"own_width"}, "joke", F("2", "2", "300", "0.5"), 500, 240},
};

View mainView(const MainViewRow& row)
{
    View view = viewWith(*findPattern(row.pattern), row.fields);
    view.width = row.width;
    return view;
}

// The renderer's picture of the view: a poster of it written to a PNG, as
// zentrel-render writes it, and decoded.
Picture posterOf(const View& view)
{
    const auto file =
        std::filesystem::temp_directory_path() / ("thumbnail-" + std::to_string(getpid()) + ".png");
    const auto plan = planPoster(view);
    EXPECT_TRUE(plan);
    EXPECT_TRUE(writePoster(WorkerPool::shared(), view, plan.value(), file.string()));
    const auto decoded = test::decodedPng(test::readFile(file));
    std::filesystem::remove(file);
    return decoded.value_or(Picture{});
}

class Thumbnails : public ::testing::TestWithParam<MainViewRow> {};

TEST_P(Thumbnails, ShowTheRegionOfTheMainView)
{
    const Outcome<ViewGeometry> region = geometryOf(mainView(GetParam()));
    ASSERT_TRUE(region);
    const ViewGeometry& g = region.value();
    for (const Pattern* pattern : patternTable()) {
        SCOPED_TRACE(pattern->caption);
        const Outcome<View> view = thumbnailView(mainView(GetParam()), *pattern);
        ASSERT_TRUE(view);
        EXPECT_EQ(view.value().pattern, pattern);
        const Outcome<ViewGeometry> shown = geometryOf(view.value());
        ASSERT_TRUE(shown);
        const ViewGeometry& t = shown.value();
        EXPECT_EQ(t.rows, kThumbnailRows);
        EXPECT_EQ(t.columns, GetParam().thumbnailColumns);
        // The same span down in fewer rows, about the same centre: the
        // positions' texts round it to the last digits.
        EXPECT_NEAR(t.scale * t.rows, g.scale * g.rows, 1e-12 * g.span());
        EXPECT_NEAR(t.centreX, g.centreX, 1e-12 * (std::abs(g.centreX) + g.span()));
        EXPECT_NEAR(t.centreY, g.centreY, 1e-12 * (std::abs(g.centreY) + g.span()));
    }
}

TEST_P(Thumbnails, AreThePicturesTheRendererDrawsOfTheirViews)
{
    std::vector<Thumbnail> whole = thumbnailsOf(mainView(GetParam()), patternTable());
    std::vector<Thumbnail> passes = thumbnailsOf(mainView(GetParam()), patternTable());
    drawThumbnails(WorkerPool::shared(), whole);
    for (int block : kPassBlocks) drawThumbnailPass(WorkerPool::shared(), passes, block);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        SCOPED_TRACE(patternTable()[i]->caption);
        ASSERT_TRUE(whole[i].drawn());
        ASSERT_TRUE(passes[i].drawn());
        const Picture rendered = posterOf(whole[i].view);
        EXPECT_TRUE(test::samePicture(whole[i].picture, rendered));
        EXPECT_TRUE(test::samePicture(passes[i].picture, rendered));
    }
}

INSTANTIATE_TEST_SUITE_P(MainViews, Thumbnails, ::testing::ValuesIn(kMainViews), test::byName);

TEST(Thumbnails, ACoarsePassShowsEachPixelAsItsBlock)
{
    const View main = viewWith(*patternTable()[0], F("1", "1", "768", "0.15"));
    std::vector<Thumbnail> coarse = thumbnailsOf(main, patternTable());
    drawThumbnailPass(WorkerPool::shared(), coarse, kPassBlocks[0]);
    std::vector<Thumbnail> whole = thumbnailsOf(main, patternTable());
    drawThumbnails(WorkerPool::shared(), whole);
    const int block = kPassBlocks[0];
    for (std::size_t i = 0; i < coarse.size(); ++i) {
        EXPECT_EQ(coarse[i].block, block);
        const Picture shown = shownPicture(coarse[i]);
        for (int c = 0; c < shown.width; ++c)
            for (int r = 0; r < shown.height; ++r)
                ASSERT_EQ(shown.at(c, r), whole[i].picture.at(c - c % block, r - r % block))
                    << patternTable()[i]->caption << " at " << c << ", " << r;
    }
}

// A failing main view fails every thumbnail, which is never drawn; a
// pattern that fails at the region fails its own thumbnail alone.
TEST(Thumbnails, AFailureStaysWithItsThumbnail)
{
    std::vector<Thumbnail> none =
        thumbnailsOf(viewWith(*patternTable()[0], F("1", "1", "abc")), patternTable());
    drawThumbnails(WorkerPool::shared(), none);
    for (const Thumbnail& t : none) {
        EXPECT_TRUE(t.failure);
        EXPECT_EQ(t.block, 0);
    }

    const View main = viewWith(*patternTable()[0], F("1", "1", "768", "0.15"));
    std::vector<Thumbnail> some = thumbnailsOf(main, patternTable());
    drawThumbnails(WorkerPool::shared(), some);
    for (const Thumbnail& t : some) {
        SCOPED_TRACE(t.view.pattern->caption);
        const Outcome<Picture> engine =
            renderPicture(*t.view.pattern, t.view.fields, 2, t.view.sampling());
        EXPECT_EQ(t.failure.has_value(), !engine);
        if (t.failure) {
            EXPECT_EQ(t.failure->message(), engine.failure().message());
        }
    }
}

TEST(ThumbnailFile, CarriesTheMainViewAndTheThumbnail)
{
    View main = viewWith(*findPattern("ice"), F("3", "-4", "768", "0.25", "140"));
    main.density = 2;
    const Pattern* const own[] = {main.pattern};
    std::vector<Thumbnail> small = thumbnailsOf(main, own);
    drawThumbnails(WorkerPool::shared(), small);
    const auto file =
        std::filesystem::temp_directory_path() / ("bookmark-" + std::to_string(getpid()) + ".png");
    ASSERT_FALSE(writePictureOfView(small.front().picture, main, file.string()));
    const Outcome<View> opened = viewOfPicture(file.string());
    const auto decoded = test::decodedPng(test::readFile(file));
    std::filesystem::remove(file);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.value(), main);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(test::samePicture(*decoded, small.front().picture));
}

}  // namespace
}  // namespace zentrel
