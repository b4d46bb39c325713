// SPDX-License-Identifier: GPL-3.0-or-later
// The formats pictures are written in: found by name or by a file name's
// ending in any letter case, a PPM's bytes exactly as they always were, and
// a format of a test's own taking a poster through the same band loop.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "picture/image_file.h"
#include "picture/picture_formats.h"
#include "picture/poster.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::byName;
using test::F;
using test::NamedRow;

struct LookupRow : NamedRow {
    const char* text;
    const char* format;  // the name of the format found, "" for none
};

std::string nameOf(const PictureFormat* format) { return format ? format->name : ""; }

// clang-format off
const LookupRow kEndings[] = {
    {"png", "big.png", "png"},
    {"png_in_capitals", "BIG.PNG", "png"},
    {"ppm_in_mixed_case", "out/poster.Ppm", "ppm"},
    {"other_ending", "big.gif", ""},
    {"ending_without_its_dot", "bigpng", ""},
    {"ending_of_a_folder", "big.png/x", ""},
    {"nothing", "", ""},
};

const LookupRow kNames[] = {
    {"lower_case", "ppm", "ppm"},
    {"capitals", "PNG", "png"},
    {"with_a_dot", ".png", ""},
    {"unknown", "gif", ""},
    {"empty", "", ""},
};
// clang-format on

class FormatByEnding : public ::testing::TestWithParam<LookupRow> {};

TEST_P(FormatByEnding, IsFoundInAnyLetterCase)
{
    EXPECT_EQ(nameOf(pictureFiles().forPath(GetParam().text)), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Paths, FormatByEnding, ::testing::ValuesIn(kEndings), byName);

class FormatByName : public ::testing::TestWithParam<LookupRow> {};

TEST_P(FormatByName, IsFoundInAnyLetterCase)
{
    EXPECT_EQ(nameOf(pictureFiles().named(GetParam().text)), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Names, FormatByName, ::testing::ValuesIn(kNames), byName);

TEST(PictureTarget, OfAPathIsThePngWhereTheNameAsksForNoFormat)
{
    EXPECT_EQ(PictureTarget(std::string("x.PPM")).format->name, "ppm");
    EXPECT_EQ(PictureTarget(std::string("x.gif")).format->name, "png");
    EXPECT_EQ(PictureTarget(std::string("x.gif")).destination, "x.gif");
}

class Formats : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-formats-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    WorkerPool pool_{2};
};

// A format chosen by name writes its own bytes whatever the file is called:
// the PPM header, the view in comment lines, then the rows top to bottom.
TEST_F(Formats, APpmIsItsHeaderAndItsRowsByteForByte)
{
    const View view = viewWith(*findPattern("hari"), F("7.5", "-2", "6", "0.3"));
    const auto plan = planPoster(view);
    ASSERT_TRUE(plan.ok());
    const auto written = writePoster(pool_, view, plan.value(),
                                     PictureTarget(*pictureFiles().named("ppm"), path("p.img")));
    ASSERT_TRUE(written.ok()) << written.failure().message();

    const Picture picture = renderPicture(*view.pattern, view.fields).value();
    std::string expected = std::string("P6\n# Software: ") + softwareName() +
                           "\n# Zentrel view: " + recipeOf(view) + "\n6 6\n255\n";
    for (int r = 0; r < picture.height; ++r)
        for (int c = 0; c < picture.width; ++c)
            for (unsigned part :
                 {redOf(picture.at(c, r)), greenOf(picture.at(c, r)), blueOf(picture.at(c, r))})
                expected += static_cast<char>(part);
    EXPECT_EQ(test::readFile(path("p.img")), expected);
}

// What a sink of a format of the test's own was given.
struct Recorded {
    PictureHeader header{};
    std::vector<Colour> rows;
    bool committed = false;
};
Recorded recorded;

class RecordingSink final : public PictureSink {
public:
    Status writeRows(std::span<const Colour> rows) override
    {
        recorded.rows.insert(recorded.rows.end(), rows.begin(), rows.end());
        return std::nullopt;
    }
    Status commit() override
    {
        recorded.committed = true;
        return std::nullopt;
    }
};

Outcome<std::unique_ptr<PictureSink>> openRecording(const std::string&, const PictureHeader& h)
{
    recorded = Recorded{h, {}, false};
    return std::unique_ptr<PictureSink>(std::make_unique<RecordingSink>());
}

const PictureFormat kRecording{"recording", {}, "rows kept in memory", openRecording};

// A new format is a row: the poster's bands reach it as they reach a file.
TEST_F(Formats, ANewFormatIsARowThatTakesThePosterRowByRow)
{
    const View view = viewWith(*findPattern("louis"), F("1", "1", "20", "0.5"));
    const auto plan = planPoster(view);
    ASSERT_TRUE(plan.ok());
    ASSERT_TRUE(writePoster(pool_, view, plan.value(), PictureTarget(kRecording, "")).ok());

    const Picture picture = renderPicture(*view.pattern, view.fields).value();
    EXPECT_EQ(recorded.header.width, 20);
    EXPECT_EQ(recorded.header.height, 20);
    EXPECT_EQ(recorded.header.recipe, recipeOf(view));
    EXPECT_TRUE(recorded.committed);
    ASSERT_EQ(recorded.rows.size(), picture.colours.size());
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c)
            ASSERT_EQ(recorded.rows[r * 20 + c], picture.at(c, r)) << c << ", " << r;
}

TEST_F(Formats, AFailingOrCancelledPosterIsNeverCommitted)
{
    const View failing = viewWith(*findPattern("aqua"), F("1", "1", "30", "1e300"));
    const auto failed =
        writePoster(pool_, failing, planPoster(failing).value(), PictureTarget(kRecording, ""));
    ASSERT_FALSE(failed.ok());
    EXPECT_TRUE(failed.failure().pixel.has_value());
    EXPECT_FALSE(recorded.committed);

    const View healthy = viewWith(*findPattern("aqua"), F("1", "1", "30"));
    const auto cancelled =
        writePoster(pool_, healthy, planPoster(healthy).value(), PictureTarget(kRecording, ""),
                    {.cancelled = [] { return true; }});
    ASSERT_TRUE(cancelled.ok());
    EXPECT_EQ(cancelled.value(), PosterEnd::Cancelled);
    EXPECT_FALSE(recorded.committed);
}

}  // namespace
}  // namespace zentrel
