// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the picture as rules on the five field texts. For every
// origin rule the engine's own snapshot and loop values of the view before
// and after tell where a point went and which formula coordinate lies under
// it; a factor of 2 (and of 0.5) must keep that coordinate to the bit.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/snapshot.h"
#include "engine/sweep.h"
#include "params/mouse_navigation.h"
#include "params/presets.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::F;
using test::NamedRow;

// One view for each origin rule, with a Xoom scaling some pattern uses, and
// whole-number positions, so that the loop values are whole or halves.
struct FrameRow : NamedRow {
    SnapshotRule rule;
    FieldTexts fields;
    std::optional<double> width = std::nullopt;

    PictureFrame frame() const { return {rule, width}; }
};

// clang-format off
const FrameRow kFrames[] = {
    {"centred", {Origin::Centred}, F("1", "1", "150")},
    {"centred_1024_wide", {Origin::Centred, times(0.7)}, F("512", "384", "768", "0.15")},
    {"centred_odd_size", {Origin::Centred, dividedBy(3)}, F("-7", "12", "151", "0.3")},
    {"plain_halves", {Origin::CentredPlainHalves, times(2)}, F("5", "-3", "151", "0.2")},
    {"exchanged_halves", {Origin::ExchangedHalves, times(2)}, F("1", "1", "768", "0.15")},
    {"corner", {Origin::Corner, dividedBy(2)}, F("0", "0", "100")},
    {"corner_across", {Origin::CornerAcross}, F("3", "4", "99")},
    {"shifted_corner", {Origin::ShiftedCorner, times(1.5)}, F("-20", "30", "120", "0.5")},
    {"ahead_across", {Origin::AheadAcross, times(2)}, F("1", "1", "768", "0.15")},
    {"width_of_its_own", {Origin::Centred}, F("1", "1", "100"), 300},
};
// clang-format on

// What the engine makes of a view: its snapshot and loop values.
struct Drawn {
    Snapshot snapshot;
    SweepGrid grid;

    int columns() const { return static_cast<int>(grid.xs.size()); }
    int rows() const { return static_cast<int>(grid.ys.size()); }
    // As every formula computes its angles from a loop value.
    double coordinate(double v) const { return kCircle * (v / 200) * snapshot.zoom; }
};

Drawn drawn(const FrameRow& row, const FieldTexts& fields)
{
    const Snapshot s = takeSnapshot(row.rule, fields, row.width).value();
    return {s, sweepGrid(s).value()};
}

FieldTexts applied(const Outcome<FieldTexts>& result)
{
    EXPECT_TRUE(result.ok()) << result.failure().message();
    return result.ok() ? result.value() : FieldTexts{};
}

// The loop values at point p before, times factor, are those at q after, and
// meet the new Xoom in the very formula coordinates the old ones met.
void expectLandsAt(const Drawn& before, PicturePoint p, const Drawn& after, PicturePoint q,
                   double factor)
{
    SCOPED_TRACE("from " + std::to_string(p.column) + ", " + std::to_string(p.row) + " to " +
                 std::to_string(q.column) + ", " + std::to_string(q.row));
    const double x = before.grid.xs[static_cast<std::size_t>(p.column)];
    const double y = before.grid.ys[static_cast<std::size_t>(p.row)];
    const double xAfter = after.grid.xs[static_cast<std::size_t>(q.column)];
    const double yAfter = after.grid.ys[static_cast<std::size_t>(q.row)];
    EXPECT_EQ(xAfter, factor * x);
    EXPECT_EQ(yAfter, factor * y);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(after.coordinate(xAfter)),
              std::bit_cast<std::uint64_t>(before.coordinate(x)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(after.coordinate(yAfter)),
              std::bit_cast<std::uint64_t>(before.coordinate(y)));
}

// The corners and a point inside, as whole columns and rows.
std::vector<PicturePoint> pointsOf(const Drawn& d)
{
    const double right = d.columns() - 1;
    const double bottom = d.rows() - 1;
    return {{0, 0}, {right, bottom}, {right, 0}, {std::floor(right / 3), std::floor(bottom / 4)}};
}

class MouseOnEveryOrigin : public ::testing::TestWithParam<FrameRow> {};

TEST_P(MouseOnEveryOrigin, WheelKeepsTheCoordinateUnderThePointToTheBit)
{
    const FrameRow& row = GetParam();
    const Drawn before = drawn(row, row.fields);
    for (double factor : {2.0, 0.5}) {
        // The Xoom as "X" and "OOM" write it.
        const auto xoom = factor == 2 ? halveXoom(row.fields) : doubleXoom(row.fields);
        for (const PicturePoint p : pointsOf(before)) {
            const FieldTexts f = applied(zoomAround(row.fields, row.frame(), p, factor));
            expectLandsAt(before, p, drawn(row, f), p, factor);
            EXPECT_EQ(f.xoom, xoom.value().xoom);
        }
    }
}

TEST_P(MouseOnEveryOrigin, FineWheelStepsKeepTheCoordinateToRounding)
{
    const FrameRow& row = GetParam();
    const Drawn before = drawn(row, row.fields);
    // Between the pixels, where the picture's placement says which loop value
    // lies under the point.
    const PicturePoint p{before.columns() / 3 + 0.5, before.rows() / 5 + 0.25};
    for (double factor : {1.25, 0.8}) {
        const FieldTexts f = applied(zoomAround(row.fields, row.frame(), p, factor));
        const Drawn after = drawn(row, f);
        EXPECT_NEAR(after.coordinate(after.snapshot.left + 1 + p.column),
                    before.coordinate(before.snapshot.left + 1 + p.column), 1e-12);
        EXPECT_NEAR(after.coordinate(after.snapshot.top + 1 + p.row),
                    before.coordinate(before.snapshot.top + 1 + p.row), 1e-12);
    }
}

TEST_P(MouseOnEveryOrigin, DoubleClickPutsThePointInTheMiddle)
{
    const FrameRow& row = GetParam();
    const Drawn before = drawn(row, row.fields);
    const PicturePoint middle{std::floor(before.columns() / 2), std::floor(before.rows() / 2)};
    for (const PicturePoint p : pointsOf(before)) {
        const FieldTexts f = applied(zoomInCentredOn(row.fields, row.frame(), p));
        expectLandsAt(before, p, drawn(row, f), middle, 2);
        EXPECT_EQ(f.xoom, halveXoom(row.fields).value().xoom);
    }
}

TEST_P(MouseOnEveryOrigin, DragMovesTheContentWithTheHand)
{
    const FrameRow& row = GetParam();
    const Drawn before = drawn(row, row.fields);
    const double across = before.columns() / 4;
    const double down = before.rows() / 4;
    const PicturePoint drags[] = {{across, 0}, {-across, 0}, {0, down}, {0, -down}, {-3, 7}};
    for (const PicturePoint d : drags) {
        const Drawn after = drawn(row, applied(panView(row.fields, d.column, d.row)));
        // What lay under the point now lies d further on.
        const PicturePoint p{std::max(0.0, -d.column), std::max(0.0, -d.row)};
        expectLandsAt(before, p, after, {p.column + d.column, p.row + d.row}, 1);
    }
    // Fractions of a pixel move the origin by as much.
    const Drawn moved = drawn(row, applied(panView(row.fields, 0.5, -0.25)));
    EXPECT_EQ(moved.snapshot.left, before.snapshot.left - 0.5);
    EXPECT_EQ(moved.snapshot.top, before.snapshot.top + 0.25);
}

INSTANTIATE_TEST_SUITE_P(Origins, MouseOnEveryOrigin, ::testing::ValuesIn(kFrames), byName);

// ---------------------------------------------------------------------------
// The texts written, worked out by hand for the starting view (centred,
// size 150 around 1, 1: x runs from -73 to 76).

struct TextRow : NamedRow {
    Outcome<FieldTexts> result;
    FieldTexts expected;
};

const PictureFrame kCentred{{Origin::Centred}, std::nullopt};

TEST(MouseTexts, AreTheProgramsNumberTexts)
{
    const FieldTexts start = F("1", "1", "150", "1");
    // clang-format off
    const TextRow rows[] = {
        // x = -73 doubles to -146 under column 0: the position moves by -73.
        {"wheel_in_at_the_corner", zoomAround(start, kCentred, {0, 0}, 2),
         F("-72", "-72", "150", "0.5")},
        // x = -73 halves to -36.5.
        {"wheel_out_at_the_corner", zoomAround(start, kCentred, {0, 0}, 0.5),
         F("37.5", "37.5", "150", "2")},
        // -146 becomes the loop value of column 75: left -222, position -147.
        {"double_click_at_the_corner", zoomInCentredOn(start, kCentred, {0, 0}),
         F("-147", "-147", "150", "0.5")},
        {"drag", panView(start, 10, -4), F("-9", "5", "150", "1")},
        {"drag_across_only", panView(F("1", "1 2", "150"), 2.5, 0), F("-1.5", "1 2", "150")},
        // Only the fields a rule reads can fail it.
        {"wheel_with_bright_1e999",
         zoomAround(F("1", "1", "150", "1", "1e999"), kCentred, {0, 0}, 2),
         F("-72", "-72", "150", "0.5", "1e999")},
    };
    // clang-format on
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.result.ok()) << row.result.failure().message();
        EXPECT_EQ(row.result.value(), row.expected);
    }
}

// ---------------------------------------------------------------------------
// Refusals: no texts at all, and the navigation's failure for the field.

struct RefusalRow : NamedRow {
    Outcome<FieldTexts> result;
    FieldRole field;
    FieldProblem problem;
};

const PictureFrame kCorner{{Origin::Corner}, std::nullopt};

TEST(MouseRefusals, NameTheFieldAndGiveNoTexts)
{
    // clang-format off
    const RefusalRow rows[] = {
        {"wheel_across_beyond", zoomAround(F("1.5e308", "1", "10"), kCorner, {0, 0}, 2),
         FieldRole::Across, FieldProblem::ResultTooLarge},
        // TextOne and TextFour would have been written: nothing is.
        {"wheel_down_beyond", zoomAround(F("1", "-1.5e308", "10"), kCorner, {0, 0}, 2),
         FieldRole::Down, FieldProblem::ResultTooLarge},
        {"wheel_out_xoom_beyond", zoomAround(F("1", "1", "10", "1.7e308"), kCorner, {0, 0}, 0.5),
         FieldRole::Xoom, FieldProblem::ResultTooLarge},
        {"wheel_xoom_typed_beyond", zoomAround(F("1", "1", "10", "1e999"), kCorner, {0, 0}, 2),
         FieldRole::Xoom, FieldProblem::TooLarge},
        {"wheel_size_typed_beyond", zoomAround(F("1", "1", "1e999"), kCentred, {0, 0}, 2),
         FieldRole::Size, FieldProblem::TooLarge},
        {"double_click_across_beyond", zoomInCentredOn(F("1e308", "1", "10"), kCorner, {0, 0}),
         FieldRole::Across, FieldProblem::ResultTooLarge},
        {"drag_across_beyond", panView(F("-1.7e308", "1", "10"), 1e308, 0), FieldRole::Across,
         FieldProblem::ResultTooLarge},
        {"drag_down_beyond", panView(F("1", "1.7e308", "10"), 1, -1e308), FieldRole::Down,
         FieldProblem::ResultTooLarge},
        {"drag_down_typed_beyond", panView(F("1", "1e999", "10"), 1, 1), FieldRole::Down,
         FieldProblem::TooLarge},
    };
    // clang-format on
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_FALSE(row.result.ok()) << "gave " << row.result.value().across;
        const Failure& failure = row.result.failure();
        EXPECT_EQ(failure.message(), std::string("Overflow in ") + fieldName(row.field));
        ASSERT_TRUE(failure.field.has_value());
        EXPECT_EQ(failure.field->role, row.field);
        EXPECT_EQ(failure.field->problem, row.problem);
    }
}

}  // namespace
}  // namespace zentrel
