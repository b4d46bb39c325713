// SPDX-License-Identifier: GPL-3.0-or-later
// Movies written and read back: videos decoded by FFmpeg's libraries (their
// frames, size, rate, colour tags and keyframes), PNG sequences the same
// bytes for any number of threads and ending on the keyframes' own
// pictures, and a cancel that leaves nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "movie/movie_plan.h"
#include "movie/png_sequence.h"
#include "support.h"
#include "video/video_reader.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::readFile;

// Twelve frames of 64 x 48: a zoom into aqua and a hold.
constexpr const char* kKeyframes =
    "--pattern aqua --x 1 --y 1 --size 48 --width 64 --xoom 1 --bright 150 --seconds 0.3\n"
    "--pattern aqua --x 30 --y 20 --size 48 --width 64 --xoom 0.1 --bright 170 --hold 0.067\n";

KeyframePath smallZoom() { return keyframePathOf(kKeyframes).value(); }

class MovieFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  (std::string("zentrel-movie-") + test->name() + "-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    test::Names names() const
    {
        test::Names all;
        for (const auto& entry : fs::directory_iterator(folder_))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }

    Outcome<PosterEnd> write(const std::string& name, int threads, const MovieWatch& watch = {})
    {
        WorkerPool pool(threads);
        return writeMovie(pool, smallZoom(), MovieSettings{}, (folder_ / name).string(), watch);
    }

    fs::path folder_;
};

class VideoFiles : public MovieFiles, public ::testing::WithParamInterface<const char*> {};

TEST_P(VideoFiles, DecodeToTheirFramesSizeRateTagsAndKeyframes)
{
    const std::string name = std::string("zoom.") + GetParam();
    const auto written = write(name, 2);
    ASSERT_TRUE(written) << written.failure().message();
    EXPECT_EQ(names(), test::Names{name});
    auto opened = VideoReader::open((folder_ / name).string());
    ASSERT_TRUE(opened) << opened.failure().where;
    VideoReader& video = *opened.value();
    const VideoInfo& info = video.info();
    EXPECT_EQ(std::pair(info.width, info.height), std::pair(64, 48));
    EXPECT_EQ(std::pair(info.fpsNumerator, info.fpsDenominator), std::pair(30, 1));
    EXPECT_TRUE(info.bt709);
    EXPECT_TRUE(info.limitedRange);
    int frames = 0;
    for (auto frame = video.next(); frame && frame.value(); frame = video.next()) {
        EXPECT_EQ(frame.value()->size(), 64u * 48u);
        ++frames;
    }
    EXPECT_EQ(frames, 12);
    const auto kept = keyframePathOf(info.keyframes);
    ASSERT_TRUE(kept) << info.keyframes;
    ASSERT_EQ(kept.value().keyframes.size(), 2u);
    const KeyframePath path = smallZoom();
    for (std::size_t i = 0; i < 2; ++i) {
        const Keyframe& a = kept.value().keyframes[i];
        const Keyframe& b = path.keyframes[i];
        EXPECT_EQ(a.view, b.view);
        EXPECT_EQ(std::tuple(a.hold, a.seconds, a.ease), std::tuple(b.hold, b.seconds, b.ease));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, VideoFiles, ::testing::Values("mp4", "webm"));

TEST_F(MovieFiles, APngSequenceIsTheSameForAnyThreadsAndEndsOnTheKeyframesPictures)
{
    for (int threads : {1, 2, 3}) {
        const std::string name = "t" + std::to_string(threads) + "-{frame}.png";
        const auto written = write(name, threads);
        ASSERT_TRUE(written) << written.failure().message();
    }
    EXPECT_EQ(names().size(), 36u);
    for (long long n = 0; n < 12; ++n) {
        const auto one = readFile(folder_ / frameFileName("t1-{frame}.png", n, 12));
        EXPECT_FALSE(one.empty());
        for (const char* other : {"t2-{frame}.png", "t3-{frame}.png"})
            EXPECT_TRUE(one == readFile(folder_ / frameFileName(other, n, 12))) << other << n;
    }
    WorkerPool pool(2);
    for (const auto& [keyframe, frame] : {std::pair(0, "t1-00.png"), std::pair(1, "t1-11.png")}) {
        const View view = smallZoom().keyframes[keyframe].view;
        const std::string poster = (folder_ / "poster.png").string();
        ASSERT_TRUE(writePoster(pool, view, planPoster(view).value(), PictureTarget(poster)));
        EXPECT_TRUE(readFile(poster) == readFile(folder_ / frame)) << frame;
    }
}

class Cancelled : public MovieFiles, public ::testing::WithParamInterface<const char*> {};

TEST_P(Cancelled, LeavesNothing)
{
    int asked = 0;
    MovieWatch watch;
    watch.cancelled = [&] { return ++asked > 300; };  // some frames in
    const auto written = write(GetParam(), 2, watch);
    ASSERT_TRUE(written) << written.failure().message();
    EXPECT_EQ(written.value(), PosterEnd::Cancelled);
    EXPECT_EQ(names(), test::Names{});
}

INSTANTIATE_TEST_SUITE_P(Formats, Cancelled,
                         ::testing::Values("zoom.mp4", "zoom.webm", "f-{frame}.png"),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace zentrel
