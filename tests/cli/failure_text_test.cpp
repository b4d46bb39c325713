// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's words for every kind of failure: the option that sets the
// field, the text as given, and what to give instead. One row per kind.

#include <gtest/gtest.h>

#include <string>

#include "cli/failure_text.h"
#include "engine/outcome.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::NamedRow;

struct LineRow : NamedRow {
    Failure failure;
    const char* line;
};

Failure inField(FieldRole role, FieldProblem problem, const char* text)
{
    return fieldFailure(role, problem, text);
}

Failure atPixel(Fault fault, double x, double y)
{
    return Failure{fault, "", std::nullopt, PixelPlace{x, y}};
}

const std::string kLongNumber = "1" + std::string(399, '0');

// clang-format off
const LineRow kLines[] = {
    {"x_not_a_number", inField(FieldRole::Across, FieldProblem::NotANumber, "abc"),
     "--x \"abc\" is not a number: give a number such as 1"},
    {"y_empty", inField(FieldRole::Down, FieldProblem::NotANumber, " \t"),
     "--y is empty: give a number such as 1"},
    {"size_empty", inField(FieldRole::Size, FieldProblem::NotANumber, ""),
     "--size is empty: give a number such as 150"},
    {"xoom_too_large", inField(FieldRole::Xoom, FieldProblem::TooLarge, "1e309"),
     "--xoom \"1e309\" is too large a number: give a smaller one"},
    {"bright_result_too_large", inField(FieldRole::Brightness, FieldProblem::ResultTooLarge, "1e308"),
     "--bright \"1e308\" gives a number too large to work with: give a smaller one"},
    {"size_no_step", inField(FieldRole::Size, FieldProblem::NoStep, "40000"),
     "--size \"40000\" is out of range for moving the picture: give a number from 1 to 1024"},
    {"size_picture_too_large", inField(FieldRole::Size, FieldProblem::PictureTooLarge, "70000"),
     "--size \"70000\" is above the largest picture: give a number from 1 to 65536"},
    {"x_too_far", inField(FieldRole::Across, FieldProblem::PositionTooFar, "1e16"),
     "--x \"1e16\" is too far out to draw: give a number from -1E+15 to 1E+15"},
    // A pasted novel is quoted by its first forty characters.
    {"long_text_cut_short", inField(FieldRole::Xoom, FieldProblem::TooLarge, kLongNumber.c_str()),
     "--xoom \"1000000000000000000000000000000000000000...\" is too large a number: give a "
     "smaller one"},
    // What a terminal would obey is shown, not obeyed.
    {"x_clearing_the_screen", inField(FieldRole::Across, FieldProblem::NotANumber, "\x1b[2J"),
     "--x \"\\x1b[2J\" is not a number: give a number such as 1"},
    {"cannot_write_a_titled_name", {Fault::CannotWrite, "\x1b]0;T\a.png: Disk full"},
     "cannot write \\x1b]0;T\\x07.png: Disk full; check the folder and the free space"},
    {"poster_too_large", {Fault::PosterTooLarge, "131072 x 1536 pixels, the largest is 65536 across and down"},
     "the picture would be 131072 x 1536 pixels, the largest is 65536 across and down; give a "
     "smaller --density, --size or --width"},
    {"overflow_at_a_pixel", atPixel(Fault::Overflow, 1, 2),
     "a number grew too large at x = 1, y = 2; try a smaller --xoom or --bright"},
    {"overflow_at_a_fractional_pixel", atPixel(Fault::Overflow, 1.5, -0.25),
     "a number grew too large at x = 1.5, y = -0.25; try a smaller --xoom or --bright"},
    {"division_by_zero", atPixel(Fault::DivisionByZero, -4, 5),
     "the formula divided by zero at x = -4, y = 5; move the picture a little with --x or --y, "
     "or change --xoom"},
    {"invalid_operation_in_a_column", {Fault::InvalidOperation, "in the column x = 3"},
     "the formula has no value in the column x = 3; move the picture a little with --x or --y, "
     "or change --xoom"},
    {"cannot_write", {Fault::CannotWrite, "big.png: No space left on device"},
     "cannot write big.png: No space left on device; check the folder and the free space"},
};
// clang-format on

class RendererWords : public ::testing::TestWithParam<LineRow> {};

TEST_P(RendererWords, NameTheOptionAndSayWhatToGive)
{
    EXPECT_EQ(cli::failureText(GetParam().failure), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Failures, RendererWords, ::testing::ValuesIn(kLines), byName);

}  // namespace
}  // namespace zentrel
