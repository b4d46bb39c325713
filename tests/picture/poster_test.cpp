// SPDX-License-Identifier: GPL-3.0-or-later
// Posters: a view written band by band at its density and supersampling, the
// recipe in the file, and nothing left behind when it fails or is cancelled.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "picture/picture_view.h"
#include "picture/poster.h"
#include "picture/smooth.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::F;

class Poster : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-poster-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    bool empty() const { return fs::is_empty(dir_); }

    fs::path dir_;
    WorkerPool pool_{3};
};

View viewOf(const char* pattern, FieldTexts fields, int density = 1, int supersample = 1)
{
    View v;
    v.pattern = findPattern(pattern);
    v.fields = std::move(fields);
    v.density = density;
    v.supersample = supersample;
    return v;
}

// The dense picture averaged block by block, rows top first.
Picture smoothed(const Picture& dense, int k)
{
    std::vector<Colour> rows;
    for (int r = 0; r < dense.height; ++r)
        for (int c = 0; c < dense.width; ++c) rows.push_back(dense.at(c, r));
    std::vector<Colour> out(rows.size() / k / k);
    averageBlocks(rows, dense.width, k, out.data());
    Picture picture{dense.width / k, dense.height / k, {}};
    for (int c = 0; c < picture.width; ++c)
        for (int r = 0; r < picture.height; ++r)
            picture.colours.push_back(out[r * picture.width + c]);
    return picture;
}

TEST_F(Poster, IsTheDensePictureAveragedInBlocksAndCarriesItsView)
{
    // Wide enough that the samples of a band run out mid-picture: the bands
    // must meet without a seam.
    const View view = viewOf("aqua", F("3", "-7", "150", "0.8"), 3, 3);
    const auto plan = planPoster(view);
    ASSERT_TRUE(plan.ok()) << plan.failure().message();
    EXPECT_EQ(plan.value().width, 450);
    const auto written = writePoster(pool_, view, plan.value(), path("p.ppm"));
    ASSERT_TRUE(written.ok()) << written.failure().message();

    const auto dense = renderPicture(*view.pattern, view.fields, 2, view.sampling());
    ASSERT_TRUE(dense.ok());
    const auto poster = test::readPpm(path("p.ppm"));
    ASSERT_TRUE(poster.has_value());
    EXPECT_TRUE(test::samePicture(*poster, smoothed(dense.value(), 3)));
    for (const char* file : {"p.ppm"}) {
        const Outcome<View> back = viewOfPicture(path(file));
        ASSERT_TRUE(back.ok()) << back.failure().message();
        EXPECT_TRUE(back.value() == view);
    }
}

TEST_F(Poster, APngCarriesItsViewTextsAndAll)
{
    const View view = viewOf("shim", F("it's", " 1e2 ", "20", "&H1", "ünï"), 2);
    const auto plan = planPoster(view);
    ASSERT_TRUE(plan.ok());
    ASSERT_TRUE(writePoster(pool_, view, plan.value(), path("p.png")).ok());
    const Outcome<View> back = viewOfPicture(path("p.png"));
    ASSERT_TRUE(back.ok()) << back.failure().message();
    EXPECT_TRUE(back.value() == view);
}

TEST_F(Poster, ACancelOrAFailureLeavesNoFile)
{
    const View healthy = viewOf("aqua", F("1", "1", "300"));
    const auto plan = planPoster(healthy);
    int columns = 0;
    const auto cancelled = writePoster(pool_, healthy, plan.value(), path("c.png"),
                                       {[](const Progress&) {}, [&] { return ++columns > 50; }});
    ASSERT_TRUE(cancelled.ok());
    EXPECT_EQ(cancelled.value(), PosterEnd::Cancelled);

    const View failing = viewOf("riski", F("0", "0", "40", "8.511e154"));
    const auto failed = writePoster(pool_, failing, planPoster(failing).value(), path("f.png"));
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure().message(), "Overflow at x = 3, y = 34");
    EXPECT_TRUE(empty());
}

TEST_F(Poster, APpmCarriesALongViewWholeOrNotAtAll)
{
    const View longView = viewOf("aqua", F("1" + std::string(100000, 'x'), "1", "3"));
    ASSERT_TRUE(writePoster(pool_, longView, planPoster(longView).value(), path("l.ppm")).ok());
    const Outcome<View> back = viewOfPicture(path("l.ppm"));
    ASSERT_TRUE(back.ok()) << back.failure().message();
    EXPECT_TRUE(back.value() == longView);
    // Cut short, it could read as another view.
    const View tooLong = viewOf("aqua", F("1" + std::string(1 << 20, 'x'), "1", "3"));
    ASSERT_TRUE(writePoster(pool_, tooLong, planPoster(tooLong).value(), path("t.ppm")).ok());
    EXPECT_EQ(viewOfPicture(path("t.ppm")).failure().where,
              path("t.ppm") + " holds a view too long to read");
}

TEST(PosterPlan, RefusesMorePixelsThanAFileHolds)
{
    const auto plan = planPoster(viewOf("aqua", F("1", "1", "768"), 65, 2));
    ASSERT_FALSE(plan.ok());
    EXPECT_EQ(plan.failure().fault, Fault::PosterTooLarge);
    EXPECT_EQ(plan.failure().where, "66560 x 49920 pixels, the largest is 65536 across and down");
    EXPECT_TRUE(planPoster(viewOf("aqua", F("1", "1", "768"), 64, 16)).ok());
    const auto far = planPoster(viewOf("aqua", F("1", "1", "768"), 256, 16));
    ASSERT_FALSE(far.ok());
    EXPECT_EQ(far.failure().where, "262144 x 196608 pixels, the largest is 65536 across and down");
}

TEST(ViewOfPicture, SaysWhyAFileHoldsNoView)
{
    const fs::path dir = fs::temp_directory_path();
    const std::string foreign = (dir / "zentrel-foreign.ppm").string();
    test::writePpm(foreign, Picture{1, 1, {0}});
    const std::string text = (dir / "zentrel-text.png").string();
    std::FILE* f = std::fopen(text.c_str(), "w");
    std::fputs("not a picture", f);
    std::fclose(f);
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {foreign, foreign + " holds no view: Zentrel did not write it"},
        {text, text + " is no PNG or PPM picture"},
        {"/nonexistent.png", "/nonexistent.png cannot be read: No such file or directory"},
    };
    // clang-format on
    for (const auto& [file, why] : rows) {
        const Outcome<View> view = viewOfPicture(file);
        ASSERT_FALSE(view.ok()) << file;
        EXPECT_EQ(view.failure().fault, Fault::NotAView);
        EXPECT_EQ(view.failure().where, why);
    }
    fs::remove(foreign);
    fs::remove(text);
}

}  // namespace
}  // namespace zentrel
