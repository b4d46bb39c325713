// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render given what a person did not mean to give it: standard
// streams closed, a named pipe for a picture, and views whose texts would
// command a terminal or fill it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

using test::Args;
using test::byName;
using test::NamedRow;
using test::readFile;
using test::Result;
using test::Start;
using RenderInputs = test::RenderProcess;

// Long enough (some two seconds on one thread) that the progress line is
// printed while the file is open.
const Args kSlowRender = {"--pattern", "aqua",      "--size", "768", "--density",
                          "5",         "--threads", "1",      "-o"};

Args slowRenderTo(const std::string& file)
{
    Args args = kSlowRender;
    args.push_back(file);
    return args;
}

TEST_F(RenderInputs, AClosedStandardErrorLeavesThePictureAsItIs)
{
    ASSERT_EQ(run(slowRenderTo("normal.ppm")).status, 0);
    Start how;
    how.closedDescriptors = {2};
    EXPECT_EQ(run(slowRenderTo("closed.ppm"), how).status, 0);
    EXPECT_TRUE(readFile(work_ / "closed.ppm") == readFile(work_ / "normal.ppm"))
        << "the picture differs";
}

TEST_F(RenderInputs, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    ASSERT_EQ(mkfifo((work_ / "pipe.png").c_str(), 0600), 0);
    const Result r = run({"--from", "pipe.png", "-o", "x.png"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "zentrel-render: --from: pipe.png is not a regular file\n");
}

// A command line, and a view in a PPM's comment line written as it stands,
// raw bytes and all.
struct MessageRow : NamedRow {
    std::string view;  // "" for no file
    Args args;
    std::string err;
};

const std::string kTerminalCommands = "\x1b]0;TITLE\a\x1b[2J";

// clang-format off
const MessageRow kMessages[] = {
    {{"terminal_commands_in_a_pattern"}, "--pattern " + kTerminalCommands,
     {"--from", "view.ppm", "-o", "x.png"},
     "zentrel-render: --from: view.ppm holds a damaged view: there is no pattern named "
     "\"\\x1b]0;TITLE\\x07\\x1b[2J\"\n"},
    {{"megabyte_option"}, "--pattern aqua --" + std::string((1 << 20) - 100, 'a'),
     {"--from", "view.ppm", "-o", "x.png"},
     "zentrel-render: --from: view.ppm holds a damaged view: "
     "\"--aaaaaaaaaaaaaaaaaa…aaaaaaaaaaaaaaaaaaaa\" is no option of a view\n"},
    {{"terminal_commands_in_threads"}, "", {"--pattern", "aqua", "--threads", kTerminalCommands,
     "-o", "x.png"},
     "zentrel-render: --threads needs a whole number from 1 to 256, not "
     "'\\x1b]0;TITLE\\x07\\x1b[2J'\n"},
    {{"c1_command_in_an_output_name"}, "", {"--pattern", "aqua", "-o", "\xc2\x9b" "2J.gif"},
     "zentrel-render: output file '\\xc2\\x9b2J.gif' must end in .png or .ppm, or --format must name its format (png or ppm)\n"},
    {{"terminal_commands_in_a_size"}, "--pattern aqua --size '0\x1b[2J'",
     {"--from", "view.ppm", "-o", "x.png"},
     "zentrel-render: note: --size \"0\\x1b[2J\" reads as 0\n"
     "zentrel-render: nothing to draw: --size 0\\x1b[2J is below 1\n"},
    // A PNG's view is UTF-8 text: other bytes are refused, not written.
    {{"field_not_utf8"}, "", {"--pattern", "aqua", "--x", "1\xff\xfe", "-o", "x.png"},
     "zentrel-render: --x \"1\\xff\\xfe\" is not UTF-8 text\n"},
    // Supersampling never makes a poster larger; its own width does.
    {{"poster_wider_than_a_file"}, "", {"--pattern", "aqua", "--width", "65536", "--density", "2",
     "-o", "x.png"},
     "zentrel-render: the picture would be 131072 x 300 pixels, the largest is 65536 across and "
     "down; give a smaller --density or --width\n"},
    {{"poster_higher_than_a_file"}, "", {"--pattern", "aqua", "--size", "768", "--density", "65",
     "--supersample", "2", "-o", "x.png"},
     "zentrel-render: the picture would be 66560 x 49920 pixels, the largest is 65536 across and "
     "down; give a smaller --density or --size\n"},
};
// clang-format on

class RenderMessages : public RenderInputs, public ::testing::WithParamInterface<MessageRow> {};

TEST_P(RenderMessages, SayWhatIsWrongInALineSafeToPrint)
{
    const MessageRow& row = GetParam();
    if (!row.view.empty())
        std::ofstream(work_ / "view.ppm", std::ios::binary)
            << "P6\n# Zentrel view: " << row.view << "\n1 1\n255\n"
            << std::string(3, '\0');
    const Result r = run(row.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(Views, RenderMessages, ::testing::ValuesIn(kMessages), byName);

}  // namespace
}  // namespace zentrel
