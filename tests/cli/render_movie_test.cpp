// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render making movies: a flight between two pictures, and for each
// command that cannot make one, status 2, a line that says why, and no file.

#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <string>

#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

using test::Args;
using test::byName;
using test::NamedRow;
using test::Names;
using test::Result;
using RenderMovie = test::RenderProcess;

constexpr const char* kView = "--pattern aqua --x 1 --y 1 --size 48 --width 64 --xoom 1";
constexpr const char* kZoomed = "--pattern aqua --x 30 --y 20 --size 48 --width 64 --xoom 0.1";

TEST_F(RenderMovie, FliesFromOnePictureToAnother)
{
    ASSERT_EQ(run({"--pattern", "aqua", "--size", "48", "--width", "64", "-o", "a.png"}).status, 0);
    ASSERT_EQ(
        run({"--pattern", "aqua", "--size", "48", "--width", "64", "--xoom", "0.5", "-o", "b.png"})
            .status,
        0);
    const Result r = run({"--from", "a.png", "--to", "b.png", "--seconds", "0.2", "--fps", "20",
                          "-o", "f{frame}.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(),
              (Names{"a.png", "b.png", "f0.png", "f1.png", "f2.png", "f3.png", "f4.png"}));
    EXPECT_TRUE(test::readFile(work_ / "f0.png") == test::readFile(work_ / "a.png"));
}

struct BadMovie : NamedRow {
    std::string keyframes;  // the keyframe file's text; "" for none
    Args args;
    std::string says;  // a part of the one line on the standard error
};

// clang-format off
const BadMovie kBadMovies[] = {
    {{"unknown_pattern"}, std::string(kView) + " --seconds 1\n--pattern aqux --size 48 --width 64\n",
     {"-o", "m.mp4"}, "line 2:"},
    {{"zero_seconds_in_file"}, std::string(kView) + " --seconds 0\n" + kZoomed + "\n",
     {"-o", "m.mp4"}, "line 1:"},
    {{"zero_seconds"}, "", {"--from", "k.png", "--to", "k.png", "--seconds", "0", "-o", "m.mp4"},
     "--seconds needs a number of seconds more than 0"},
    {{"negative_seconds"}, "", {"--from", "k.png", "--to", "k.png", "--seconds", "-2", "-o", "m.mp4"},
     "--seconds needs"},
    {{"fps_0"}, std::string(kView) + " --hold 1\n", {"--fps", "0", "-o", "m.mp4"}, "--fps needs"},
    {{"fps_241"}, std::string(kView) + " --hold 1\n", {"--fps", "241", "-o", "m.mp4"}, "--fps needs"},
    {{"ten_million_frames"}, std::string(kView) + " --hold 50000\n", {"--fps", "240", "-o", "m.mp4"},
     "more than 10000000 frames"},
    {{"wider_than_h264"}, std::string(kView) + " --hold 1\n", {"--width", "8194", "-o", "m.mp4"},
     "more than H.264 video in MP4 holds"},
    {{"odd_sides"}, std::string(kView) + " --hold 1\n", {"--size", "47", "-o", "m.webm"},
     "needs an even number of pixels"},
    {{"no_such_folder"}, std::string(kView) + " --hold 1\n", {"-o", "none/m.mp4"},
     "none: No such file or directory"},
    {{"frame_mark_in_folder"}, std::string(kView) + " --hold 1\n", {"-o", "{frame}/m.png"},
     "not their folder"},
    {{"no_movie_format"}, std::string(kView) + " --hold 1\n", {"-o", "m.avi"}, "must end in .mp4"},
    {{"a_view_option"}, std::string(kView) + " --hold 1\n", {"--xoom", "2", "-o", "m.mp4"},
     "--xoom changes no keyframe"},
};
// clang-format on

class BadMovies : public RenderMovie, public ::testing::WithParamInterface<BadMovie> {};

TEST_P(BadMovies, AreRefusedWithStatus2AndNoFile)
{
    const BadMovie& row = GetParam();
    ASSERT_EQ(run({"--pattern", "aqua", "--size", "48", "--width", "64", "-o", "k.png"}).status, 0);
    Args args;
    if (!row.keyframes.empty()) {
        std::ofstream(root_ / "keys.txt") << row.keyframes;
        args = {"--movie", (root_ / "keys.txt").string()};
    }
    args.insert(args.end(), row.args.begin(), row.args.end());
    const Result r = run(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(written(), Names{"k.png"});
}

INSTANTIATE_TEST_SUITE_P(Commands, BadMovies, ::testing::ValuesIn(kBadMovies), byName);

TEST_F(RenderMovie, AnInterruptLeavesNothing)
{
    std::ofstream(root_ / "keys.txt") << "--pattern aqua --size 720 --width 1280 --seconds 60\n"
                                         "--pattern aqua --size 720 --width 1280 --xoom 0.01\n";
    const pid_t pid =
        start({"--movie", (root_ / "keys.txt").string(), "--threads", "1", "-o", "m.mp4"});
    const bool writing = waitUntilWriting(pid);
    kill(pid, SIGINT);
    const Result r = finish(pid);
    ASSERT_TRUE(writing) << r.err;
    EXPECT_EQ(r.signal, SIGINT) << r.err;
    EXPECT_EQ(written(), Names{});
}

}  // namespace
}  // namespace zentrel
