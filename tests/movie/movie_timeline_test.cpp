// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline of a movie: how many frames, both ends exactly the keyframes,
// holds held, and the rates and lengths it refuses.

#include <gtest/gtest.h>

#include <string>

#include "movie/movie.h"

namespace zentrel {
namespace {

constexpr const char* kWhole = "--pattern aqua --x 1 --y 1 --size 150 --xoom 1 --bright 150";
constexpr const char* kCorner = "--pattern aqua --x 60 --y 60 --size 150 --xoom 0.01 --bright 150";

KeyframePath pathOf(const std::string& text)
{
    auto path = keyframePathOf(text);
    EXPECT_TRUE(path) << path.failure().where;
    return path.value();
}

TEST(MovieTimeline, CountsFramesAndEndsOnTheKeyframes)
{
    const KeyframePath path = pathOf(std::string(kWhole) + " --hold 0.5 --seconds 1.2 --ease\n" +
                                     kCorner + " --hold 0.3\n");
    const auto timeline = MovieTimeline::of(path, 30);
    ASSERT_TRUE(timeline) << timeline.failure().where;
    const MovieTimeline& t = timeline.value();
    EXPECT_EQ(t.frameCount(), 61);  // 2 s at 30 frames a second, and the end
    EXPECT_EQ(t.fps(), 30);
    EXPECT_EQ(t.frame(0).value().view, path.keyframes[0].view);
    EXPECT_EQ(t.frame(15).value().view, path.keyframes[0].view);  // still held
    EXPECT_NE(t.frame(16).value().view, path.keyframes[0].view);  // flying
    EXPECT_EQ(t.frame(51).value().view, path.keyframes[1].view);  // flown, held
    EXPECT_EQ(t.frame(60).value().view, path.keyframes[1].view);
}

TEST(MovieTimeline, TheLastFrameIsTheLastKeyframeAtARateThatMissesIt)
{
    const KeyframePath path = pathOf(std::string(kWhole) + " --seconds 0.71\n" + kCorner + "\n");
    const auto timeline = MovieTimeline::of(path, 7);
    ASSERT_TRUE(timeline);
    ASSERT_EQ(timeline.value().frameCount(), 6);
    EXPECT_NE(timeline.value().frame(4).value().view, path.keyframes[1].view);
    EXPECT_EQ(timeline.value().frame(5).value().view, path.keyframes[1].view);
}

TEST(MovieTimeline, EveryFrameHasTheFirstKeyframesSampling)
{
    const KeyframePath path =
        pathOf(std::string(kWhole) + " --density 2 --supersample 3 --seconds 1\n" + kCorner + "\n");
    const auto timeline = MovieTimeline::of(path, 10);
    ASSERT_TRUE(timeline);
    for (long long n : {0LL, 5LL, 10LL}) {
        const View view = timeline.value().frame(n).value().view;
        EXPECT_EQ(view.density, 2) << n;
        EXPECT_EQ(view.supersample, 3) << n;
    }
}

TEST(MovieTimeline, RefusesRatesAndLengthsBeyondItsLimits)
{
    const KeyframePath path = pathOf(std::string(kWhole) + " --seconds 1\n" + kCorner + "\n");
    EXPECT_FALSE(MovieTimeline::of(path, 0));
    EXPECT_FALSE(MovieTimeline::of(path, -3));
    EXPECT_FALSE(MovieTimeline::of(path, kMaxFps + 1));
    EXPECT_TRUE(MovieTimeline::of(path, kMaxFps));
    const KeyframePath longest = pathOf(std::string(kWhole) + " --hold 41666 --seconds 0.6\n" +
                                        kCorner + "\n");  // 9 999 984 frames and the end
    EXPECT_TRUE(MovieTimeline::of(longest, kMaxFps));
    const KeyframePath tooLong = pathOf(std::string(kWhole) + " --hold 41667\n");
    const auto refused = MovieTimeline::of(tooLong, kMaxFps);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().fault, Fault::NotAView);
}

}  // namespace
}  // namespace zentrel
