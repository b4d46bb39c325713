// SPDX-License-Identifier: GPL-3.0-or-later
// One rule for how zentrel-render ends: a command line it cannot use, a
// field among them that cannot become a usable number, is status 2; a
// formula failing while drawing is 3; a file that cannot be written is 1.

#include <gtest/gtest.h>

#include <string>

#include "cli/exit_status.h"
#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

using test::Args;
using test::byName;
using test::NamedRow;
using test::Result;

struct StatusRow : NamedRow {
    Args args;
    int status;
};

Args aqua(std::initializer_list<std::string> more)
{
    Args args = {"--pattern", "aqua", "-o", "x.png"};
    args.insert(args.end(), more);
    return args;
}

// clang-format off
const StatusRow kStatuses[] = {
    {"written", aqua({"--size", "5"}), 0},
    {"written_in_a_format_by_name", {"--pattern", "aqua", "--size", "5", "--format", "PPM", "-o", "x"}, 0},
    // Fields that cannot become usable numbers.
    {"xoom_beyond_the_doubles", aqua({"--xoom", "1e400"}), 2},
    {"x_too_far_out", aqua({"--x", "1e16"}), 2},
    {"y_too_far_out", aqua({"--y", "-1e16"}), 2},
    {"size_beyond_the_largest", aqua({"--size", "70000"}), 2},
    {"size_beyond_the_doubles", aqua({"--size", "1e400"}), 2},
    {"size_in_words", aqua({"--size", "abc"}), 2},
    {"brightness_too_large_for_the_snapshot", {"--pattern", "pug", "--bright", "1e308", "-o", "x.png"}, 2},
    // Other command lines that cannot be run.
    {"nothing_to_draw", aqua({"--size", "0.5"}), 2},
    {"poster_beyond_the_largest", aqua({"--size", "768", "--density", "65"}), 2},
    {"unknown_format", aqua({"--format", "gif"}), 2},
    {"no_format_for_the_name", {"--pattern", "aqua", "-o", "x.gif"}, 2},
    {"no_view_in_the_picture", aqua({"--from", "nothing.png"}), 2},
    // Formulas that fail while drawing.
    {"overflow_at_a_pixel", aqua({"--xoom", "1e300"}), 3},
    {"brightness_overflowing_at_a_pixel", aqua({"--bright", "1e308"}), 3},
    {"overflow_after_two_columns", {"--pattern", "riski", "--x", "0", "--y", "0", "--size", "40", "--xoom", "8.511e154", "-o", "x.png"}, 3},
    // Files that cannot be written.
    {"missing_folder", {"--pattern", "aqua", "--size", "5", "-o", "nowhere/x.png"}, 1},
};
// clang-format on

class RenderExit : public test::RenderProcess, public ::testing::WithParamInterface<StatusRow> {};

TEST_P(RenderExit, StatusFollowsTheOneRule)
{
    const Result r = run(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(written().empty(), GetParam().status != 0) << r.err;
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RenderExit, ::testing::ValuesIn(kStatuses), byName);

// Failures no command line reaches alone: whatever its fault, a failure in a
// field is the command line's.
TEST(ExitStatusOf, AFieldIsTheCommandLinesWhateverItsFault)
{
    for (Fault fault : {Fault::Overflow, Fault::DivisionByZero, Fault::InvalidOperation}) {
        Failure inField = fieldFailure(FieldRole::Xoom, FieldProblem::ResultTooLarge, "1e308");
        inField.fault = fault;
        EXPECT_EQ(cli::exitStatusOf(inField), cli::kBadCommand) << faultName(fault);
        EXPECT_EQ(cli::exitStatusOf(Failure{fault, "", std::nullopt, PixelPlace{1, 2}}),
                  cli::kFormulaFailed)
            << faultName(fault);
    }
    EXPECT_EQ(cli::exitStatusOf(Failure{Fault::CannotWrite, "x.png: Disk full"}),
              cli::kCannotWrite);
}

}  // namespace
}  // namespace zentrel
