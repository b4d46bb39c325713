// SPDX-License-Identifier: GPL-3.0-or-later
// The views of a held zoom and of a smooth step, on no clock but the times
// given: the point held stays where it is, the rate follows the wheel within
// its limits, and a step ends on the very view it jumps to.

#include <gtest/gtest.h>

#include <cmath>

#include "motion/view_geometry.h"
#include "patterns/pattern_table.h"
#include "session/held_zoom.h"
#include "session/smooth_step.h"
#include "support.h"

namespace zentrel::test {
namespace {

const View kStart = viewWith(*patternTable()[16], F("3", "-7", "120", "0.4"));

// The formula coordinates at a point of the view's picture, in pixels of
// the start view.
std::pair<double, double> formulaPoint(const View& view, PicturePoint p)
{
    const ViewGeometry g = geometryOf(view).value();
    const double pixel = geometryOf(kStart).value().scale;
    return {(g.centreX + (p.column + 1 - (g.columns + 1) / 2) * g.scale) / pixel,
            (g.centreY + (p.row + 1 - (g.rows + 1) / 2) * g.scale) / pixel};
}

double xoomOf(const View& view) { return std::stod(view.fields.xoom); }

struct HoldRow {
    const char* name;
    PicturePoint point;
    int direction;
    double seconds;
};

class Holding : public ::testing::TestWithParam<HoldRow> {};

TEST_P(Holding, ThePointStaysAndTheZoomDoublesEverySecond)
{
    const HoldRow& row = GetParam();
    HeldZoom held(kStart, row.point, row.direction, 10);
    const View view = held.viewAt(10 + row.seconds).value();
    const auto [x0, y0] = formulaPoint(kStart, row.point);
    const auto [x1, y1] = formulaPoint(view, row.point);
    EXPECT_NEAR(x1, x0, 1e-6);
    EXPECT_NEAR(y1, y0, 1e-6);
    const double factor = std::exp2(row.direction * row.seconds);
    EXPECT_NEAR(xoomOf(kStart) / xoomOf(view), factor, factor * 1e-12);
    EXPECT_NEAR(held.lastFactor(), factor, factor * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Session, Holding,
                         ::testing::Values(HoldRow{"a_corner_inwards", {0, 0}, 1, 1.5},
                                           HoldRow{
                                               "off_the_middle_outwards", {30.5, 100.25}, -1, 0.25},
                                           HoldRow{"the_far_corner_for_long", {119, 119}, 1, 40},
                                           HoldRow{"no_time", {60, 60}, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HeldZoom, AimedElsewhereItGoesOnFromTheViewShownWithNoTimeLost)
{
    HeldZoom held(kStart, {10, 10}, 1, 0);
    const View shown = held.viewAt(1).value();
    held.aimAt({100, 50});
    EXPECT_EQ(held.viewAt(1).value(), shown);
    const View later = held.viewAt(2).value();
    const auto [x0, y0] = formulaPoint(shown, {100, 50});
    const auto [x1, y1] = formulaPoint(later, {100, 50});
    EXPECT_NEAR(x1, x0, 1e-6);
    EXPECT_NEAR(y1, y0, 1e-6);
    EXPECT_NEAR(xoomOf(kStart) / xoomOf(later), 4, 1e-12);
}

TEST(HeldZoom, TheWheelChangesTheRateFromThenOnWithinItsLimits)
{
    HeldZoom held(kStart, {60, 60}, 1, 0);
    held.speedUp(1, 1);  // twice as fast after one second
    EXPECT_NEAR(xoomOf(kStart) / xoomOf(held.viewAt(2).value()), 8, 1e-12);
    held.speedUp(-20, 2);  // no slower than the slowest
    const double slowest = std::exp2(3 + HeldZoom::kSlowest);
    EXPECT_NEAR(xoomOf(kStart) / xoomOf(held.viewAt(3).value()), slowest, 1e-12);
}

TEST(HeldZoom, AZoomBeyondTheNumbersFails)
{
    HeldZoom held(kStart, {60, 60}, -1, 0);
    EXPECT_FALSE(held.viewAt(1030).ok());
}

TEST(SmoothStep, EndsOnTheVeryViewJumpedToAndPassesThroughOthers)
{
    View to = kStart;
    to.fields = F("40", "12", "120", "0.1");
    const auto step = SmoothStep::between(kStart, to, 5);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->viewAt(5), kStart);
    const View halfway = step->viewAt(5 + SmoothStep::kSeconds / 2);
    EXPECT_NE(halfway, kStart);
    EXPECT_NE(halfway, to);
    EXPECT_FALSE(step->over(5 + SmoothStep::kSeconds / 2));
    EXPECT_EQ(step->viewAt(5 + SmoothStep::kSeconds), to);
    EXPECT_TRUE(step->over(5 + SmoothStep::kSeconds));
}

TEST(SmoothStep, NoneBetweenPatternsOrExtentsOrToTheSameView)
{
    const View otherPattern = viewWith(*patternTable()[0], kStart.fields);
    View otherExtent = kStart;
    otherExtent.fields.size = "60";
    for (const View& to : {otherPattern, otherExtent, kStart})
        EXPECT_FALSE(SmoothStep::between(kStart, to, 0));
}

}  // namespace
}  // namespace zentrel::test
