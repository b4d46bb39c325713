// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words for every kind of failure: the field named by what the
// window shows beside it, the text as typed, and what to type instead. One
// row per kind.

#include <gtest/gtest.h>

#include <string>

#include "app/failure_text.h"
#include "engine/outcome.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::NamedRow;

struct MessageRow : NamedRow {
    Failure failure;
    const char* message;
};

Failure inField(FieldRole role, FieldProblem problem, const char* text)
{
    return fieldFailure(role, problem, text);
}

Failure atPixel(Fault fault, double x, double y)
{
    return Failure{fault, "", std::nullopt, PixelPlace{x, y}};
}

// clang-format off
const MessageRow kMessages[] = {
    {"across_not_a_number", inField(FieldRole::Across, FieldProblem::NotANumber, "abc"),
     "The horizontal zero point \"abc\" is not a number. Type a number such as 1."},
    {"down_not_a_number", inField(FieldRole::Down, FieldProblem::NotANumber, "12abc"),
     "The vertical zero point \"12abc\" is not a number. Type a number such as 1."},
    {"side_empty", inField(FieldRole::Size, FieldProblem::NotANumber, ""),
     "The side is empty. Type a number such as 150."},
    {"side_blanks_only", inField(FieldRole::Size, FieldProblem::NotANumber, " \t "),
     "The side is empty. Type a number such as 150."},
    {"xoom_too_large", inField(FieldRole::Xoom, FieldProblem::TooLarge, "1e309"),
     "The XOOM \"1e309\" is too large a number. Type a smaller one."},
    {"brightness_too_large", inField(FieldRole::Brightness, FieldProblem::TooLarge, "2e308"),
     "The brightness \"2e308\" is too large a number. Type a smaller one."},
    {"xoom_result_too_large", inField(FieldRole::Xoom, FieldProblem::ResultTooLarge, "1.7e308"),
     "The XOOM \"1.7e308\" gives a number too large to work with. Type a smaller one."},
    {"side_no_step", inField(FieldRole::Size, FieldProblem::NoStep, "40000"),
     "The side \"40000\" is out of range for moving the picture. Type a number from 1 to 1024."},
    {"side_picture_too_large", inField(FieldRole::Size, FieldProblem::PictureTooLarge, "70000"),
     "The side \"70000\" is too large a picture. Type a number from 1 to 1024."},
    {"down_too_far", inField(FieldRole::Down, FieldProblem::PositionTooFar, "-1e16"),
     "The vertical zero point \"-1e16\" is too far out to draw. Type a number from -1E+15 to "
     "1E+15."},
    // Forty characters of a long text, and not half of a character.
    {"long_text_cut_short",
     inField(FieldRole::Across, FieldProblem::NotANumber,
             "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
             "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9x\xC3\xA9"),
     "The horizontal zero point \"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
     "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9x...\" "
     "is not a number. Type a number such as 1."},
    // Smoothing makes no poster larger: it is not the advice.
    {"poster_too_large", {Fault::PosterTooLarge, "66560 x 49920 pixels, the largest is 65536 across and down"},
     "The poster would be 66560 x 49920 pixels, the largest is 65536 across and down. Choose a "
     "smaller density or width."},
    {"overflow_at_a_pixel", atPixel(Fault::Overflow, 1, 2),
     "A number grew too large at x = 1, y = 2. Try a smaller XOOM or brightness."},
    {"overflow_at_a_fractional_pixel", atPixel(Fault::Overflow, -3.5, 0.75),
     "A number grew too large at x = -3.5, y = 0.75. Try a smaller XOOM or brightness."},
    {"division_by_zero", atPixel(Fault::DivisionByZero, 7, 3),
     "The formula divided by zero at x = 7, y = 3. Move the picture a little, or change the "
     "XOOM."},
    {"invalid_operation_in_a_column", {Fault::InvalidOperation, "in the column x = 3"},
     "The formula has no value in the column x = 3. Move the picture a little, or change the "
     "XOOM."},
};
// clang-format on

class WindowWords : public ::testing::TestWithParam<MessageRow> {};

TEST_P(WindowWords, NameTheFieldAndSayWhatToType)
{
    EXPECT_EQ(app::failureText(GetParam().failure), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Failures, WindowWords, ::testing::ValuesIn(kMessages), byName);

TEST(WindowWords, ADrawingNamesItsPatternWhenTheFormulasFail)
{
    const Failure formulas = atPixel(Fault::Overflow, 1, 2);
    EXPECT_EQ(app::drawingFailureText("aqua", formulas),
              "The drawing of \"aqua\" stopped. A number grew too large at x = 1, y = 2. Try a "
              "smaller XOOM or brightness.");
    const Failure field = fieldFailure(FieldRole::Xoom, FieldProblem::TooLarge, "1e309");
    EXPECT_EQ(app::drawingFailureText("aqua", field), app::failureText(field));
}

}  // namespace
}  // namespace zentrel
