// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render at the edges of its process: signals that end it or that
// it inherited as ignored, a file-size limit, the longest file names, and a
// standard output that cannot be written. Whatever ends a render early
// leaves the folder as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

using test::Args;
using test::byName;
using test::kOlderFile;
using test::NamedRow;
using test::Names;
using test::readFile;
using test::readPicture;
using test::Result;
using test::Start;
using RenderLimits = test::RenderProcess;

// A render of many seconds on one thread.
Args slowRender(const std::string& output)
{
    return {"--pattern", "aqua", "--size", "6000", "--threads", "1", "-o", output};
}

class RenderSignals : public RenderLimits, public ::testing::WithParamInterface<int> {};

TEST_P(RenderSignals, EndTheRenderAndLeaveTheOlderFileAsItWas)
{
    const int signal = GetParam();
    placeOlderFile("slow.png");
    const pid_t pid = start(slowRender("slow.png"));
    const bool writing = waitUntilWriting(pid);
    // Nothing of the new picture is to be seen while it is written.
    const Names whileWriting = written();
    kill(pid, signal);
    const Result r = finish(pid);
    ASSERT_TRUE(writing) << "the render never opened its file";
    EXPECT_EQ(whileWriting, Names{"slow.png"});
    EXPECT_EQ(r.signal, signal) << "status " << r.status << ": " << r.err;
    EXPECT_EQ(written(), Names{"slow.png"});
    EXPECT_EQ(readFile(work_ / "slow.png"), kOlderFile);
}

INSTANTIATE_TEST_SUITE_P(Signals, RenderSignals,
                         ::testing::Values(SIGKILL, SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGALRM),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

// Started under nohup, or in the background of a shell without job control:
// the hang-up and the interrupt stay ignored and the picture is written.
TEST_F(RenderLimits, SignalsInheritedAsIgnoredStayIgnored)
{
    const Args args = {"--pattern", "aqua", "--size", "1200", "--threads", "1", "-o", "nohup.png"};
    Start nohup;
    nohup.ignoredSignals = {SIGHUP, SIGINT};
    const pid_t pid = start(args, nohup);
    const bool writing = waitUntilWriting(pid);
    kill(pid, SIGHUP);
    kill(pid, SIGINT);
    const Result r = finish(pid);
    ASSERT_TRUE(writing) << "the render never opened its file";
    EXPECT_EQ(r.status, 0) << "signal " << r.signal << ": " << r.err;
    EXPECT_EQ(written(), Names{"nohup.png"});
    const auto picture = readPicture(work_ / "nohup.png");
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(std::pair(picture->width, picture->height), std::pair(1200, 1200));
}

// ulimit -f: the render stops with one line of its own and status 1, and no
// part of the picture is left, in either format.
struct FileSizeRow : NamedRow {
    const char* output;
};

class RenderFileSizeLimit : public RenderLimits,
                            public ::testing::WithParamInterface<FileSizeRow> {};

TEST_P(RenderFileSizeLimit, IsAMessageAndStatusOne)
{
    const std::string output = GetParam().output;
    placeOlderFile(output);
    Start limited;
    limited.fileSizeLimit = 64 * 1024;  // the picture needs about 200 KB
    const Result r = run({"--pattern", "aqua", "--size", "300", "-o", output}, limited);
    EXPECT_EQ(r.status, 1) << "signal " << r.signal;
    EXPECT_EQ(r.err, "zentrel-render: cannot write " + output + ": " + std::strerror(EFBIG) +
                         "; check the folder and the free space\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(written(), Names{output});
    EXPECT_EQ(readFile(work_ / output), kOlderFile);
}

INSTANTIATE_TEST_SUITE_P(Formats, RenderFileSizeLimit,
                         ::testing::Values(FileSizeRow{{"png"}, "limit.png"},
                                           FileSizeRow{{"ppm"}, "limit.ppm"}),
                         byName);

TEST_F(RenderLimits, TheLongestNameTheSystemAllowsIsWritten)
{
    const std::string longest = std::string(251, 'n') + ".ppm";
    const Result r = run({"--pattern", "aqua", "--size", "20", "-o", longest});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), Names{longest});
}

// Where a file system has no unnamed files, a render ended by SIGKILL
// leaves its hidden file; the next render into that folder removes it, and
// only the renderer's own of processes that have ended.
TEST_F(RenderLimits, AHiddenFileLeftByAnEndedRenderGoesAtTheNextRender)
{
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    const std::string left = ".zentrel-render-" + std::to_string(ended) + "-0";
    const Names kept = {".zentrel-" + std::to_string(ended) + "-0",
                        ".zentrel-render-" + std::to_string(getpid()) + "-0"};
    for (const std::string& name : kept) placeOlderFile(name);
    placeOlderFile(left);
    ASSERT_EQ(run({"--pattern", "aqua", "--size", "5", "-o", "next.png"}).status, 0);
    Names expected = kept;
    expected.push_back("next.png");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(written(), expected);
}

TEST_F(RenderLimits, AStandardOutputThatCannotBeWrittenIsAFailure)
{
    Start full;
    full.standardOutput = "/dev/full";
    for (const Args& args :
         {Args{"--help"}, Args{"--pattern", "aqua", "--size", "5", "-o", "a.png"}}) {
        SCOPED_TRACE(args.front());
        const Result r = run(args, full);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string("zentrel-render: cannot write the standard output: ") +
                             std::strerror(ENOSPC) + "\n");
    }
}

}  // namespace
}  // namespace zentrel
