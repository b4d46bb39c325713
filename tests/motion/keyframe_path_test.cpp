// SPDX-License-Identifier: GPL-3.0-or-later
// Keyframe files: what a good one holds, and for each fault the line it
// names and what it says is wrong.

#include <gtest/gtest.h>

#include <string>

#include "motion/keyframe_path.h"
#include "support.h"

namespace zentrel {
namespace {

constexpr const char* kView = "--pattern aqua --x 1 --y 1 --size 150 --xoom 1 --bright 150";
constexpr const char* kZoomed = "--pattern aqua --x 60 --y 60 --size 150 --xoom 0.01 --bright 150";

std::string lines(std::initializer_list<std::string> each)
{
    std::string text;
    for (const std::string& line : each) text += line + "\n";
    return text;
}

TEST(KeyframePath, ReadsKeyframesTheirTimingAndLines)
{
    const std::string text =
        "# a zoom in and out\n"
        "\n"
        "zentrel-render " +
        std::string(kView) + " --hold 1 --seconds 4\r\n" + "   # the corner\n" + kZoomed +
        " --seconds=2.5 --ease\n" + kView + " --hold=0.5";
    const Outcome<KeyframePath> path = keyframePathOf(text);
    ASSERT_TRUE(path) << path.failure().where;
    const auto& k = path.value().keyframes;
    ASSERT_EQ(k.size(), 3u);
    EXPECT_EQ(k[0].line, 3);
    EXPECT_EQ(k[1].line, 5);
    EXPECT_EQ(k[2].line, 6);
    EXPECT_EQ(k[0].hold, 1);
    EXPECT_EQ(k[0].seconds, 4);
    EXPECT_FALSE(k[0].ease);
    EXPECT_EQ(k[1].seconds, 2.5);
    EXPECT_TRUE(k[1].ease);
    EXPECT_EQ(k[1].hold, 0);
    EXPECT_EQ(k[2].hold, 0.5);
    EXPECT_EQ(k[1].view.fields.xoom, "0.01");
    EXPECT_EQ(k[1].view.pattern, k[0].view.pattern);
    EXPECT_EQ(path.value().totalSeconds(), 8);
}

TEST(KeyframePath, OneKeyframeHeldIsAStill)
{
    const Outcome<KeyframePath> path = keyframePathOf(std::string(kView) + " --hold 3\n");
    ASSERT_TRUE(path);
    EXPECT_EQ(path.value().totalSeconds(), 3);
}

// The lines "Copy view" writes, recipe or whole command, with the timing
// after them, read back to the very view.
TEST(KeyframePath, ReadsTheLinesCopyViewWrites)
{
    View view = keyframePathOf(std::string(kZoomed) + " --hold 1").value().keyframes[0].view;
    view.density = 3;
    view.width = 200;
    view.fields.across = "it's 60";
    for (const std::string& line : {recipeOf(view), commandOf(view)}) {
        SCOPED_TRACE(line);
        const Outcome<KeyframePath> path =
            keyframePathOf(line + " --seconds 2\n" + line + " --hold 1");
        ASSERT_TRUE(path) << path.failure().where;
        EXPECT_EQ(path.value().keyframes[0].view, view);
        EXPECT_EQ(path.value().keyframes[1].view, view);
    }
}

struct FaultRow : test::NamedRow {
    std::string text;
    const char* says;
};

TEST(KeyframePath, FaultsNameTheirLine)
{
    const std::string view(kView);
    const std::string zoomed(kZoomed);
    const FaultRow rows[] = {
        {"empty", "", "the file holds no keyframe"},
        {"comments_only", lines({"# nothing", "  "}), "the file holds no keyframe"},
        {"unknown_pattern", lines({"#", view + " --seconds 1", "--pattern nothing --seconds 2"}),
         "line 3: there is no pattern named \"nothing\""},
        {"zero_seconds", lines({view + " --seconds 0", zoomed}),
         "line 1: --seconds needs a number of seconds more than 0, not \"0\""},
        {"negative_seconds", lines({"", view + " --seconds -2", zoomed}),
         "line 2: --seconds needs a number of seconds more than 0, not \"-2\""},
        {"seconds_not_a_number", lines({view + " --seconds soon", zoomed}),
         "line 1: --seconds needs a number of seconds more than 0, not \"soon\""},
        {"infinite_seconds", lines({view + " --seconds 1e999", zoomed}), "line 1: --seconds needs"},
        {"negative_hold", lines({view + " --hold -1 --seconds 1", zoomed}),
         "line 1: --hold needs a number of seconds, 0 or more, not \"-1\""},
        {"seconds_twice", lines({view + " --seconds 1 --seconds 2", zoomed}),
         "line 1: --seconds is given twice"},
        {"seconds_without_value", lines({view, zoomed + " --seconds"}),
         "line 2: --seconds needs a value"},
        {"ease_with_value", lines({view + " --seconds 1 --ease=yes", zoomed}),
         "line 1: --ease takes no value"},
        {"flight_untimed", lines({view, "#", zoomed}),
         "line 1: the flight to the next keyframe needs --seconds"},
        {"last_timed", lines({view + " --seconds 1", zoomed + " --seconds 1"}),
         "line 2: the last keyframe has no flight to time"},
        {"no_length", lines({view}), "the movie lasts no time"},
        {"other_size", lines({view + " --seconds 1", "", "--pattern aqua --size 768"}),
         "line 3: the views differ in size, 150 by 150 and 1024 by 768: the frames of a flight are "
         "all "
         "one size (the flight from line 1)"},
        {"mirrored", lines({view + " --seconds 1", "--pattern aqua --xoom -1"}),
         "line 2: one view is mirrored"},
        {"field_too_large", lines({view + " --seconds 1", "--pattern aqua --xoom 1e999"}),
         "line 2: Overflow in TextFour"},
        {"open_quote", lines({view + " --seconds 1", "--pattern 'aqua"}), "line 2: "},
        {"no_pattern", lines({"--x 1 --hold 1"}), "line 1: no pattern is named"},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<KeyframePath> path = keyframePathOf(row.text);
        ASSERT_FALSE(path);
        EXPECT_EQ(path.failure().where.rfind(row.says, 0), 0u) << path.failure().where;
    }
}

}  // namespace
}  // namespace zentrel
