// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every drawing follows: the snapshot of the five fields, the grid
// of loop values, the faults a formula can meet and the pixel they are
// reported at, the same picture for any number of threads, and the colour
// rule. One table per kind of check, one row per example.

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "engine/colour.h"
#include "engine/field_texts.h"
#include "engine/render.h"
#include "engine/snapshot.h"
#include "engine/sweep.h"
#include "engine/worker_pool.h"
#include "support.h"
#include "test_patterns.h"

namespace zentrel {
namespace {

using test::byName;
using test::F;
using test::NamedRow;
using test::PictureFaultRow;

Snapshot extents(double left, double top, double width, double size)
{
    return {{.size = size, .width = width, .left = left, .top = top}};
}

const char* const kHuge = "1e999";  // beyond the double range as typed

// A size with more than fifteen significant digits: half() reads it back from
// its number text ("150") and so halves exactly 150, where a plain division
// keeps the extra digits.
constexpr double kLongSize = 150.00000000000003;
static_assert(kLongSize != 150 && 1 - kLongSize / 2 != -74);
const FieldTexts kLong = F("1", "1", "150.00000000000003");

// ---------------------------------------------------------------------------
// Snapshot: halves read back through the number text or plain, edge sizes,
// and the field a failure names. Each origin rule is also checked with the
// patterns that use it, in patterns_test.cpp.

struct SnapshotRow : NamedRow {
    Origin origin;
    FieldTexts fields;
    double size, width, left, top;
};

// clang-format off
const SnapshotRow kSnapshots[] = {
    {"centred_long_size", Origin::Centred, kLong, kLongSize, kLongSize, -74, -74},
    {"corner_across_long_size", Origin::CornerAcross, kLong, kLongSize, kLongSize, 1, -74},
    {"ahead_across_long_size", Origin::AheadAcross, kLong, kLongSize, kLongSize, 76, 1},
    {"plain_halves_keep_the_digits", Origin::CentredPlainHalves, kLong, kLongSize, kLongSize,
     1 - kLongSize / 2, 1 - kLongSize / 2},
    {"exchanged_halves_keep_the_digits", Origin::ExchangedHalves, kLong, kLongSize, kLongSize,
     1 - kLongSize / 2, 1 - kLongSize / 2},
    {"plain_halves_of_the_largest_size", Origin::CentredPlainHalves,
     F("1", "1", "1.7976931348623157e308"), DBL_MAX, DBL_MAX, 1 - DBL_MAX / 2, 1 - DBL_MAX / 2},
    // half() reads the size back from its number text, whose 15 digits are
    // rounded toward zero here so that they stay within the double range.
    {"half_of_the_largest_size", Origin::Centred, F("1", "1", "1.7976931348623157e308"), DBL_MAX,
     DBL_MAX, 1 - 1.79769313486231e308 / 2, 1 - 1.79769313486231e308 / 2},
    {"fractional_size", Origin::Centred, F("1", "1", "2.5"), 2.5, 2.5, -0.25, -0.25},
    // The value 768 widens the picture, not the text "768".
    {"large_written_with_a_point", Origin::Corner, F("0", "0", "768.0"), 768, 1024, 0, 0},
};
// clang-format on

class SnapshotTakes : public ::testing::TestWithParam<SnapshotRow> {};

TEST_P(SnapshotTakes, ExtentsAndOrigin)
{
    const SnapshotRow& row = GetParam();
    const Outcome<Snapshot> taken = takeSnapshot({row.origin}, row.fields);
    ASSERT_TRUE(taken.ok()) << taken.failure().message();
    EXPECT_EQ(taken.value().size, row.size);
    EXPECT_EQ(taken.value().width, row.width);
    EXPECT_EQ(taken.value().left, row.left);
    EXPECT_EQ(taken.value().top, row.top);
    EXPECT_EQ(taken.value().circle, 44.0 / 7.0);
}

INSTANTIATE_TEST_SUITE_P(Origins, SnapshotTakes, ::testing::ValuesIn(kSnapshots), byName);

TEST(WidthForSize, OnlySevenSixtyEightIsWidened)
{
    EXPECT_EQ(widthForSize(768), 1024);
    for (double size : {0.0, 767.0, 767.5, 768.5, 769.0, 1024.0, -768.0})
        EXPECT_EQ(widthForSize(size), size) << size;
}

struct SnapshotFailureRow : NamedRow {
    SnapshotRule rule;
    FieldTexts fields;
    const char* message;
    FieldRole field;
    FieldProblem problem;
};

constexpr FieldProblem kTooLarge = FieldProblem::TooLarge;
constexpr FieldProblem kResultTooLarge = FieldProblem::ResultTooLarge;

// clang-format off
const SnapshotFailureRow kSnapshotFailures[] = {
    {"brightness", {Origin::Corner}, F("1", "1", "150", "1", kHuge), "Overflow in Textfive",
     FieldRole::Brightness, kTooLarge},
    // Two fields beyond the range: the one read first is named.
    {"down_before_xoom", {Origin::Corner}, F("1", kHuge, "150", kHuge), "Overflow in TextTwo",
     FieldRole::Down, kTooLarge},
    {"xoom_before_brightness", {Origin::Corner}, F("1", "1", "150", kHuge, kHuge),
     "Overflow in TextFour", FieldRole::Xoom, kTooLarge},
    // Within the range as typed, beyond it once scaled.
    {"xoom_doubled", {Origin::Corner, times(2)}, F("1", "1", "150", "1e308"),
     "Overflow in TextFour", FieldRole::Xoom, kResultTooLarge},
    {"brightness_doubled", {Origin::Corner, unscaled, times(2)}, F("1", "1", "150", "1", "1e308"),
     "Overflow in Textfive", FieldRole::Brightness, kResultTooLarge},
    // The origin itself beyond the range.
    {"left_beyond", {Origin::Centred}, F("-1.5e308", "1", "1e308"), "Overflow in TextOne",
     FieldRole::Across, kResultTooLarge},
    {"top_beyond", {Origin::ExchangedHalves}, F("1", "-1.5e308", "1e308"), "Overflow in TextTwo",
     FieldRole::Down, kResultTooLarge},
};
// clang-format on

class SnapshotFails : public ::testing::TestWithParam<SnapshotFailureRow> {};

TEST_P(SnapshotFails, NamingTheField)
{
    const SnapshotFailureRow& row = GetParam();
    const Outcome<Snapshot> taken = takeSnapshot(row.rule, row.fields);
    ASSERT_FALSE(taken.ok()) << "left = " << taken.value().left;
    EXPECT_EQ(taken.failure().message(), row.message);
    ASSERT_TRUE(taken.failure().field.has_value());
    EXPECT_EQ(taken.failure().field->role, row.field);
    EXPECT_EQ(taken.failure().field->problem, row.problem);
    EXPECT_EQ(taken.failure().field->text, fieldText(row.fields, row.field));
}

INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, SnapshotFails,
                         ::testing::ValuesIn(kSnapshotFailures), byName);

// ---------------------------------------------------------------------------
// Grid of loop values: x from left + 1 to left + width, y likewise, stepped
// by adding 1 to a double counter.

struct GridRow : NamedRow {
    Snapshot snapshot;
    std::vector<double> xs, ys;
    const char* failure = nullptr;
    std::size_t columns = 0;  // for long rows of x values, their count only
    int density = 1;
};

// clang-format off
const GridRow kGrids[] = {
    {"two_and_a_half", extents(0, 0, 2.5, 2.5), {1, 2}, {1, 2}},
    {"whole_extents", extents(10, -5, 3, 2), {11, 12, 13}, {-4, -3}},
    {"one", extents(0, 0, 1, 1), {1}, {1}},
    {"below_one", extents(0, 0, 0.5, 0.5), {}, {}},
    {"large_negative", extents(0, 0, -1e300, -1e300), {}, {}},
    {"fractional_origin", extents(0.5, -0.25, 2, 1), {1.5, 2.5}, {0.75}},
    {"large_positions_below_two_to_the_53", extents(9e15, -9e15, 3, 1),
     {9e15 + 1, 9e15 + 2, 9e15 + 3}, {-9e15 + 1}},
    // A fractional origin collects the rounding of the stepped counter, so the
    // count can differ from the extent by one.
    {"tenth", extents(0.1, 0, 100, 1), {}, {1}, nullptr, 100},
    // 1.12 + 1 + 1 + ... reaches 51.120000000000005 after 49 steps, just past
    // the end bound 1.12 + 50 = 51.12: one column short.
    {"accumulated_past_the_end", extents(1.12, 0, 50, 1), {}, {1}, nullptr, 49},
    // Above 2^52 the half is lost: the start 2^52 + 0.5 rounds down to 2^52
    // and the end 2^52 + 9.5 rounds up to 2^52 + 10, one column more.
    {"halves_lost_above_two_to_the_52", extents(4503599627370495.5, 0, 10, 1), {}, {1}, nullptr,
     11},
    {"the_largest_extent", extents(0, 0, kMaxExtent, 1), {}, {1}, nullptr, 65536},
    {"width_beyond_the_largest", extents(0, 0, 65537, 1), {}, {}, "Overflow in the picture size"},
    {"size_beyond_the_largest", extents(0, 0, 1, 65537), {}, {}, "Overflow in the picture size"},
    // Adding 1 no longer moves the counter: the loop would never end.
    {"left_1e16", extents(1e16, 0, 150, 150), {}, {}, "Position too large at 1E+16"},
    {"top_1e16", extents(0, 1e16, 150, 150), {}, {}, "Position too large at 1E+16"},
    {"crossing_two_to_the_53", extents(9007199254740989.0, 0, 5, 5), {}, {},
     "Position too large at 9.00719925474099E+15"},
    // Density: each loop value followed by the values between it and the
    // next, the loop values themselves unchanged, fractional origins too.
    {"density_two", extents(0, 0, 2, 1), {1, 1.5, 2, 2.5}, {1, 1.5}, nullptr, 0, 2},
    {"density_four_fractional_origin", extents(0.1, 0, 1, 1), {1.1, 1.1 + 0.25, 1.1 + 0.5, 1.1 + 0.75},
     {1, 1.25, 1.5, 1.75}, nullptr, 0, 4},
    {"density_within_the_samples", extents(0, 0, 4096, 1), {}, {1, 1 + 1 / 256.0}, nullptr,
     1 << 20, 256},
    {"density_beyond_the_samples", extents(0, 0, 4097, 1), {}, {}, "Overflow in the picture size",
     0, 256},
};
// clang-format on

class SweepGridValues : public ::testing::TestWithParam<GridRow> {};

TEST_P(SweepGridValues, LoopValuesOrFailure)
{
    const GridRow& row = GetParam();
    const Outcome<SweepGrid> grid = sweepGrid(row.snapshot, row.density);
    ASSERT_EQ(grid.ok(), !row.failure) << (grid.ok() ? "" : grid.failure().message());
    if (row.failure) {
        EXPECT_EQ(grid.failure().message(), row.failure);
        return;
    }
    if (row.columns) {
        EXPECT_EQ(grid.value().xs.size(), row.columns);
    } else {
        EXPECT_EQ(grid.value().xs, row.xs);
    }
    if (row.density > 1 && row.columns) {
        const auto& ys = grid.value().ys;
        EXPECT_EQ(std::vector<double>(ys.begin(), ys.begin() + 2), row.ys);
    } else {
        EXPECT_EQ(grid.value().ys, row.ys);
    }
}

INSTANTIATE_TEST_SUITE_P(Extents, SweepGridValues, ::testing::ValuesIn(kGrids), byName);

// ---------------------------------------------------------------------------
// Faults in the formulas, with patterns made to fail at chosen pixels: the
// Xoom and brightness values of the snapshot say where.

// clang-format off
const PictureFaultRow kPictureFaults[] = {
    {"division_by_zero", &test::dividesAtPoint, F("0", "0", "10", "7", "3"),
     "Division by zero at x = 7, y = 3"},
    {"invalid_operation", &test::invalidOnRow, F("0", "0", "10", "0", "6"),
     "Invalid operation at x = 1, y = 6"},
    {"overflow", &test::overflowsOnRow, F("-5", "0", "10", "0", "5"), "Overflow at x = -4, y = 5"},
    {"division_then_invalid", &test::dividesThenInvalid, F("0", "0", "10", "0", "2"),
     "Division by zero at x = 1, y = 2"},
    {"overflow_then_invalid", &test::overflowsThenInvalid, F("0", "0", "10", "0", "4"),
     "Overflow at x = 1, y = 4"},
    {"healthy", &test::healthy, F("0", "0", "10"), ""},
    // Rows are computed four or eight at a time; the last two of ten are left
    // over.
    {"first_row", &test::dividesOnRow, F("0", "0", "10", "0", "1"),
     "Division by zero at x = 1, y = 1"},
    {"last_row_left_over", &test::dividesOnRow, F("0", "0", "10", "0", "10"),
     "Division by zero at x = 1, y = 10"},
    {"single_pixel", &test::overflowsOnRow, F("11", "39", "1", "0", "40"),
     "Overflow at x = 12, y = 40"},
    {"fractional_pixel", &test::dividesOnRow, F("-0.5", "-4.25", "3", "0", "-2.25"),
     "Division by zero at x = 0.5, y = -2.25"},
    // Fails at (2, 19) and at (19, 2): the earlier column counts, not the
    // earlier row.
    {"two_points", &test::dividesAtTwoPoints, F("0", "0", "20", "2", "19"),
     "Division by zero at x = 2, y = 19"},
    // Every column fails; workers computing ahead must not report a later one.
    {"every_column", &test::dividesOnRow, F("0", "0", "40", "0", "3"),
     "Division by zero at x = 1, y = 3"},
    // The infinity of 1 / 0 becomes 0 in the next step, yet it is found.
    {"absorbed_division", &test::absorbsDivision, F("0", "0", "10", "0", "5"),
     "Division by zero at x = 1, y = 5"},
    {"zero_to_a_negative_power", &test::zeroToNegativePower, F("0", "0", "10", "0", "7"),
     "Division by zero at x = 1, y = 7"},
    {"root_of_a_negative_number", &test::invalidPower, F("0", "0", "10", "0", "3"),
     "Invalid operation at x = 1, y = 1"},
};
// clang-format on

class RenderPictureFails : public ::testing::TestWithParam<std::tuple<PictureFaultRow, int>> {};

TEST_P(RenderPictureFails, AtTheFirstFailingPixelInSweepOrder)
{
    test::expectFirstFailure(std::get<0>(GetParam()), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(OneAndThreeThreads, RenderPictureFails,
                         ::testing::Combine(::testing::ValuesIn(kPictureFaults),
                                            ::testing::Values(1, 3)),
                         test::byNameAndThreads);

// ---------------------------------------------------------------------------
// A grid that cannot be swept names the field to blame, with its text.

struct GridFailureRow : NamedRow {
    FieldTexts fields;
    FieldRole field;
    FieldProblem problem;
    Fault fault;
};

// clang-format off
const GridFailureRow kGridFailures[] = {
    {"across_too_far", F("1e16", "1", "10"), FieldRole::Across, FieldProblem::PositionTooFar,
     Fault::PositionTooLarge},
    {"down_too_far", F("1", "-9.1e15", "10"), FieldRole::Down, FieldProblem::PositionTooFar,
     Fault::PositionTooLarge},
    {"size_beyond_the_largest", F("1", "1", "65537"), FieldRole::Size,
     FieldProblem::PictureTooLarge, Fault::Overflow},
    // The text as typed, not the number read from it.
    {"size_with_words", F("1", "1", "70000 pixels"), FieldRole::Size,
     FieldProblem::PictureTooLarge, Fault::Overflow},
};
// clang-format on

class PrepareSweepFails : public ::testing::TestWithParam<GridFailureRow> {};

TEST_P(PrepareSweepFails, NamingTheFieldAndItsText)
{
    const GridFailureRow& row = GetParam();
    const Outcome<PreparedSweep> prepared = prepareSweep(test::healthy, row.fields);
    ASSERT_FALSE(prepared.ok());
    const Failure& failure = prepared.failure();
    EXPECT_EQ(failure.fault, row.fault);
    ASSERT_TRUE(failure.field.has_value()) << failure.message();
    EXPECT_EQ(failure.field->role, row.field);
    EXPECT_EQ(failure.field->problem, row.problem);
    EXPECT_EQ(failure.field->text, fieldText(row.fields, row.field));
}

INSTANTIATE_TEST_SUITE_P(Grids, PrepareSweepFails, ::testing::ValuesIn(kGridFailures), byName);

TEST(Sweep, StoppingAfterAColumnDrawsNoMoreAndReportsNothingLater)
{
    // The halt comes after the third column; the failure at x = 7 lies in a
    // column the workers may already have computed, but it is never shown.
    WorkerPool pool(3);
    std::vector<int> columns;
    const auto failure = sweep(pool, test::dividesAtPoint, F("0", "0", "20", "7", "3"),
                               [&](int column, std::span<const Colour>) {
                                   columns.push_back(column);
                                   return columns.size() < 3;
                               });
    EXPECT_FALSE(failure.has_value()) << failure->message();
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 2}));
}

// ---------------------------------------------------------------------------
// Colour rule: each component clamped to 0..255, then rounded half to even.

class ColourComponent : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(ColourComponent, ClampedThenRoundedHalfToEven)
{
    const auto [value, expected] = GetParam();
    EXPECT_EQ(clampComponent(value), expected) << ::testing::PrintToString(value);
}

INSTANTIATE_TEST_SUITE_P(Rule, ColourComponent,
                         ::testing::Values(std::pair{0.5, 0.0}, std::pair{1.5, 2.0},
                                           std::pair{2.5, 2.0}, std::pair{3.5, 4.0},
                                           std::pair{254.5, 254.0}, std::pair{255.5, 255.0},
                                           std::pair{100.2, 100.0}, std::pair{254.6, 255.0},
                                           std::pair{127.49999999999999, 127.0},
                                           std::pair{-0.4, 0.0}, std::pair{-1e300, 0.0},
                                           std::pair{1e300, 255.0}));

TEST(ColourOf, RedLowGreenMiddleBlueHigh)
{
    EXPECT_EQ(colourOf(1, 2, 3), 1u + 256u * 2u + 65536u * 3u);
    EXPECT_EQ(colourOf(255.5, 254.5, -0.4), 255u + 256u * 254u);
    const Colour c = colourOf(12, 200, 99.5);
    EXPECT_EQ(std::tuple(redOf(c), greenOf(c), blueOf(c)), std::tuple(12, 200, 100));
}

}  // namespace
}  // namespace zentrel
