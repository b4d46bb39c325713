// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a movie: which format a name asks for, the names of a PNG
// sequence's frames, what a plan refuses before a frame is drawn, a sink
// that fails, and a dissolve frame drawn as the mix of its two posters.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "movie/frame_queue.h"
#include "movie/frame_render.h"
#include "movie/movie_plan.h"
#include "movie/png_sequence.h"
#include "picture/smooth.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::NamedRow;

struct FormatRow : NamedRow {
    const char* path;
    const char* format;  // "" for none
};

// clang-format off
const FormatRow kFormats[] = {
    {{"mp4"}, "zoom.mp4", "mp4"},
    {{"mp4_in_capitals"}, "ZOOM.MP4", "mp4"},
    {{"webm"}, "a/b.webm", "webm"},
    {{"matroska_is_av1"}, "zoom.mkv", "av1"},
    {{"frame_mark"}, "frames/{frame}.png", "png"},
    {{"frame_mark_before_an_ending"}, "f{frame}.mp4", "png"},
    {{"a_picture"}, "zoom.png", ""},
    {{"no_ending"}, "zoom", ""},
};
// clang-format on

class MovieFormatOfName : public ::testing::TestWithParam<FormatRow> {};

TEST_P(MovieFormatOfName, IsTheOneItsNameAsksFor)
{
    const MovieFormat* format = movieFiles().forPath(GetParam().path);
    EXPECT_EQ(format ? format->name : "", GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Names, MovieFormatOfName, ::testing::ValuesIn(kFormats), byName);

TEST(FrameFileName, IsPaddedToTheLastFramesNumber)
{
    EXPECT_EQ(frameFileName("f/{frame}.png", 0, 1), "f/0.png");
    EXPECT_EQ(frameFileName("f/{frame}.png", 3, 10), "f/3.png");
    EXPECT_EQ(frameFileName("f/{frame}.png", 3, 11), "f/03.png");
    EXPECT_EQ(frameFileName("{frame}-{frame}.png", 100, 101), "100-100.png");
    EXPECT_EQ(frameFileName("{frame}.png", 7, 301), "007.png");
}

constexpr const char* kStill = "--pattern aqua --size 48 --width 64 --hold 1";

struct PlanRow : NamedRow {
    std::string keyframes;
    MovieSettings settings;
    std::string file;
    Fault fault;
};

// clang-format off
const PlanRow kRefused[] = {
    {{"quality_0"}, kStill, {30, 0, ""}, "m.mp4", Fault::NotAView},
    {{"quality_101"}, kStill, {30, 101, ""}, "m.mp4", Fault::NotAView},
    {{"no_format"}, kStill, {}, "m.gif", Fault::NotAView},
    {{"unknown_format"}, kStill, {30, 75, "gif"}, "m.mp4", Fault::NotAView},
    {{"sequence_without_mark"}, kStill, {30, 75, "png"}, "m.png", Fault::NotAView},
    {{"odd_width"}, "--pattern aqua --size 48 --width 63 --hold 1", {}, "m.mp4",
     Fault::PosterTooLarge},
    {{"taller_than_h264"}, "--pattern aqua --size 8200 --width 2 --hold 1", {}, "m.mp4",
     Fault::PosterTooLarge},
    {{"more_than_h264_frame"}, "--pattern aqua --size 6000 --width 6000 --hold 1", {}, "m.mp4",
     Fault::PosterTooLarge},
    {{"no_folder"}, kStill, {}, "/nonexistent-folder/m.mp4", Fault::CannotWrite},
};
// clang-format on

class RefusedPlan : public ::testing::TestWithParam<PlanRow> {};

TEST_P(RefusedPlan, SaysWhyBeforeAFrameIsDrawn)
{
    const PlanRow& row = GetParam();
    const auto plan = planMovie(keyframePathOf(row.keyframes).value(), row.settings,
                                (std::filesystem::temp_directory_path() / row.file).string());
    ASSERT_FALSE(plan);
    EXPECT_EQ(plan.failure().fault, row.fault) << plan.failure().where;
}

INSTANTIATE_TEST_SUITE_P(Plans, RefusedPlan, ::testing::ValuesIn(kRefused), byName);

// A sink whose third frame cannot be written.
class FailingSink final : public MovieSink {
public:
    Status writeFrame(const MovieFrame& frame) override
    {
        if (frame.number == 2) return Failure{Fault::CannotWrite, "disk full"};
        return std::nullopt;
    }
    Status commit() override { return std::nullopt; }
};

TEST(FrameQueue, AFailedFrameStopsTheMovieWithItsFailure)
{
    FailingSink sink;
    FrameQueue queue(sink, 2);
    Status pushed;
    for (long long n = 0; n < 100 && !pushed; ++n) pushed = queue.push({n, {1, 2, 3}, ""});
    const Status finished = queue.finish();
    ASSERT_TRUE(finished);
    EXPECT_EQ(finished->where, "disk full");
}

// Between two patterns a frame is each pattern's poster of one region,
// mixed in linear light by the frame's weight.
TEST(FrameRender, ADissolveMixesThePostersOfBothPatterns)
{
    const auto path = keyframePathOf(
        "--pattern aqua --size 24 --width 32 --seconds 1\n--pattern tang --size 24 --width 32\n");
    ASSERT_TRUE(path) << path.failure().where;
    const auto timeline = MovieTimeline::of(path.value(), 4);
    const FlightFrame frame = timeline.value().frame(2).value();
    ASSERT_TRUE(frame.second);
    EXPECT_DOUBLE_EQ(frame.dissolve, 0.5);
    WorkerPool pool(2);
    FrameRender render(pool, 32, 24, Priority::Interactive);
    const auto never = [] { return false; };
    std::vector<Colour> mixed, first, second, expected(32 * 24);
    ASSERT_TRUE(render.render(frame, never, mixed));
    ASSERT_TRUE(render.render(FlightFrame{frame.view, std::nullopt, 0}, never, first));
    ASSERT_TRUE(render.render(FlightFrame{*frame.second, std::nullopt, 0}, never, second));
    dissolve(first, second, 0.5, expected.data());
    EXPECT_EQ(mixed, expected);
    EXPECT_NE(mixed, first);
}

}  // namespace
}  // namespace zentrel
