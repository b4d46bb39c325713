// SPDX-License-Identifier: GPL-3.0-or-later
// Flights between views: exact ends, the point under a wheel notch held
// still, a steady zoom, the smooth path of a far pan, the dissolve between
// patterns and the eased start and end; every frame a view the sweep takes.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/snapshot.h"
#include "engine/sweep.h"
#include "motion/flight.h"
#include "params/mouse_navigation.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;

const Pattern& aqua() { return *findPattern("aqua"); }

// A pattern of another origin rule and Xoom scaling than aqua's.
const Pattern& other() { return *patternTable()[5]; }

View viewOn(const Pattern& pattern, FieldTexts fields)
{
    return viewWith(pattern, std::move(fields));
}

// b as the wheel makes it from a: the Xoom divided by the factor around the
// point.
View wheeled(const View& a, PicturePoint point, double factor)
{
    const Outcome<FieldTexts> fields =
        zoomAround(a.fields, PictureFrame{a.pattern->rule, a.sampling().width}, point, factor);
    EXPECT_TRUE(fields);
    View b = a;
    b.fields = fields.value();
    return b;
}

Flight flightOf(const View& a, const View& b, FlightOptions options = {})
{
    Outcome<Flight> flight = Flight::between(a, b, options);
    EXPECT_TRUE(flight) << (flight ? "" : flight.failure().message());
    return flight.value();
}

std::vector<double> steps(int count)
{
    std::vector<double> ts;
    for (int i = 0; i <= count; ++i) ts.push_back(static_cast<double>(i) / count);
    return ts;
}

Snapshot snapshotOf(const View& view)
{
    const Outcome<PreparedSweep> sweep = prepareSweep(*view.pattern, view.fields, view.sampling());
    EXPECT_TRUE(sweep) << (sweep ? "" : sweep.failure().message());
    return sweep ? sweep.value().snapshot : Snapshot{};
}

struct PairRow : test::NamedRow {
    View a;
    View b;
    FlightPath path;
};

std::vector<PairRow> pairs()
{
    const View start = viewOn(aqua(), F("1", "1", "150", "1", "150"));
    const View corner = viewOn(other(), F("-20", "30", "120", "0.5", "90"));
    // Another pattern of the same fields: one of aqua's rule shows the same
    // region, one of twice its zoom the region half as wide around the origin.
    View sameRule = start;
    sameRule.pattern = findPattern("icening");
    View otherPattern = start;
    otherPattern.pattern = &other();
    View brighter = start;
    brighter.fields.brightness = "300";
    return {
        {"wheel_in", start, wheeled(start, {30, 100}, 2), FlightPath::FixedPoint},
        {"wheel_out", corner, wheeled(corner, {119, 0}, 0.5), FlightPath::FixedPoint},
        {"wheel_uneven", start, wheeled(start, {75, 75}, 1.25), FlightPath::FixedPoint},
        {"far_pan", start, viewOn(aqua(), F("15001", "1", "150", "1", "150")), FlightPath::Smooth},
        {"near_pan", start, viewOn(aqua(), F("40", "-12", "150", "1", "150")), FlightPath::Smooth},
        {"pan_and_zoom_out", start, viewOn(aqua(), F("-9000", "400", "150", "8", "200")),
         FlightPath::Smooth},
        {"brighter", start, brighter, FlightPath::Still},
        {"same_rule_pattern", start, sameRule, FlightPath::Still},
        {"other_pattern", start, otherPattern, FlightPath::FixedPoint},
        {"other_pattern_elsewhere", start, viewOn(other(), F("700", "-5", "150", "0.25", "100")),
         FlightPath::Smooth},
    };
}

class FlightPairTest : public ::testing::TestWithParam<PairRow> {};

TEST_P(FlightPairTest, TakesItsPath)
{
    EXPECT_EQ(flightOf(GetParam().a, GetParam().b).path(), GetParam().path);
}

TEST_P(FlightPairTest, EndsAreTheViewsExactly)
{
    const PairRow& row = GetParam();
    for (const bool ease : {false, true}) {
        const Flight flight = flightOf(row.a, row.b, {kSmoothRho, ease});
        const Outcome<FlightFrame> first = flight.frameAt(0);
        const Outcome<FlightFrame> last = flight.frameAt(1);
        ASSERT_TRUE(first && last);
        EXPECT_EQ(first.value().view, row.a);
        EXPECT_EQ(first.value().dissolve, 0);
        const bool twoPatterns = row.a.pattern != row.b.pattern;
        EXPECT_EQ(twoPatterns ? *last.value().second : last.value().view, row.b);
        EXPECT_EQ(last.value().dissolve, twoPatterns ? 1 : 0);
    }
}

TEST_P(FlightPairTest, EveryFrameIsAViewTheSweepTakes)
{
    const PairRow& row = GetParam();
    const Flight flight = flightOf(row.a, row.b);
    for (const double t : steps(40)) {
        SCOPED_TRACE(t);
        const Outcome<FlightFrame> frame = flight.frameAt(t);
        ASSERT_TRUE(frame);
        snapshotOf(frame.value().view);
        EXPECT_EQ(frame.value().view.pattern, row.a.pattern);
        EXPECT_EQ(frame.value().second.has_value(), row.a.pattern != row.b.pattern);
        if (frame.value().second) {
            snapshotOf(*frame.value().second);
            EXPECT_EQ(frame.value().second->pattern, row.b.pattern);
        }
    }
}

// Both patterns' views of a frame show one region, and the frame's texts
// show the geometry the flight says.
TEST_P(FlightPairTest, FramesShowTheFlightsGeometry)
{
    const PairRow& row = GetParam();
    const Flight flight = flightOf(row.a, row.b);
    for (const double t : steps(10)) {
        SCOPED_TRACE(t);
        const ViewGeometry wanted = flight.geometryAt(t);
        const Outcome<FlightFrame> frame = flight.frameAt(t);
        ASSERT_TRUE(frame);
        std::vector<View> views{frame.value().view};
        if (frame.value().second) views.push_back(*frame.value().second);
        for (const View& view : views) {
            const ViewGeometry g = geometryOf(view).value();
            const double tolerance =
                1e-9 * (std::abs(wanted.centreX) + std::abs(wanted.centreY) + wanted.span());
            EXPECT_NEAR(g.centreX, wanted.centreX, tolerance);
            EXPECT_NEAR(g.centreY, wanted.centreY, tolerance);
            EXPECT_NEAR(g.scale / wanted.scale, 1, 1e-12);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, FlightPairTest, ::testing::ValuesIn(pairs()), test::byName);

// The point under the wheel stays under the pointer in every frame: its
// formula coordinates meet the same column and row, for every origin rule.
TEST(Flight, WheelPointStaysStillOnScreen)
{
    for (const Pattern* pattern : patternTable()) {
        for (const double factor : {2.0, 0.5, 1.25, 16.0}) {
            SCOPED_TRACE(std::string(pattern->caption) + " by " + std::to_string(factor));
            const View a = viewOn(*pattern, F("5", "-3", "151", "0.2", "150"));
            const PicturePoint point{30, 100};
            const Flight flight = flightOf(a, wheeled(a, point, factor));
            ASSERT_EQ(flight.path(), FlightPath::FixedPoint);
            const Snapshot start = snapshotOf(a);
            const double x = (start.left + 1 + point.column) / 200 * start.zoom;
            const double y = (start.top + 1 + point.row) / 200 * start.zoom;
            for (const double t : {0.1, 0.25, 0.5, 0.75, 0.9, 1.0}) {
                const Snapshot s = snapshotOf(flight.frameAt(t).value().view);
                EXPECT_NEAR(x / (s.zoom / 200) - s.left - 1, point.column, 1e-6) << t;
                EXPECT_NEAR(y / (s.zoom / 200) - s.top - 1, point.row, 1e-6) << t;
            }
        }
    }
}

// A zoom looks steady: the log of the zoom runs in a straight line.
TEST(Flight, ScaleChangesGeometrically)
{
    const View a = viewOn(aqua(), F("1", "1", "150", "1", "150"));
    const View b = viewOn(aqua(), F("1", "1", "150", "0.001", "150"));
    const Flight flight = flightOf(a, b);
    ASSERT_EQ(flight.path(), FlightPath::FixedPoint);
    const double first = std::log(snapshotOf(a).zoom);
    const double last = std::log(snapshotOf(b).zoom);
    for (const double t : steps(20)) {
        const double zoom = snapshotOf(flight.frameAt(t).value().view).zoom;
        EXPECT_NEAR(std::log(zoom), first + (last - first) * t, 1e-12) << t;
    }
}

// A far pan goes through wider views and back, its centre moving one way.
TEST(Flight, FarPanWidensThenNarrows)
{
    const View a = viewOn(aqua(), F("1", "1", "150"));
    const View b = viewOn(aqua(), F("15001", "1", "150"));
    const Flight flight = flightOf(a, b);
    ASSERT_EQ(flight.path(), FlightPath::Smooth);
    EXPECT_NEAR(flight.smoothLength(), 2 * std::asinh(2 * 15000 / 300.0) / kSmoothRho, 1e-9);
    double span = geometryOf(a).value().span();
    double centre = geometryOf(a).value().centreX;
    for (int i = 1; i <= 20; ++i) {
        const ViewGeometry g = geometryOf(flight.frameAt(i / 20.0).value().view).value();
        if (i <= 10) {
            EXPECT_GT(g.span(), span) << i;
        } else {
            EXPECT_LT(g.span(), span) << i;
        }
        EXPECT_GT(g.centreX, centre) << i;
        EXPECT_NEAR(g.centreY, geometryOf(a).value().centreY, 1e-9);
        span = g.span();
        centre = g.centreX;
    }
}

TEST(Flight, BrightnessRunsStraight)
{
    View a = viewOn(aqua(), F("1", "1", "150", "1", "100"));
    View b = viewOn(aqua(), F("1", "1", "150", "0.5", "200"));
    const Flight flight = flightOf(a, b);
    EXPECT_EQ(flight.frameAt(0.25).value().view.fields.brightness, "125");
    EXPECT_EQ(flight.frameAt(0.5).value().view.fields.brightness, "150");
}

TEST(Flight, DissolveWeightIsTheProgress)
{
    const View a = viewOn(aqua(), F("1", "1", "150", "1", "100"));
    const View b = viewOn(other(), F("1", "1", "150", "1", "200"));
    for (const bool ease : {false, true}) {
        const Flight flight = flightOf(a, b, {kSmoothRho, ease});
        for (const double t : steps(8)) {
            const FlightFrame frame = flight.frameAt(t).value();
            EXPECT_DOUBLE_EQ(frame.dissolve, ease ? eased(t) : t);
            EXPECT_EQ(frame.view.fields.brightness, frame.second->fields.brightness);
        }
    }
}

TEST(Flight, EaseIsSlowAtTheEnds)
{
    EXPECT_EQ(eased(0), 0);
    EXPECT_EQ(eased(1), 1);
    EXPECT_EQ(eased(0.5), 0.5);
    EXPECT_LT(eased(0.05), 0.05 / 4);
    EXPECT_GT(eased(0.95), 1 - 0.05 / 4);
    const View a = viewOn(aqua(), F("1", "1", "150"));
    const View b = viewOn(aqua(), F("900", "-40", "150", "0.01"));
    const Flight plain = flightOf(a, b);
    const Flight easy = flightOf(a, b, {kSmoothRho, true});
    for (const double t : steps(10))
        EXPECT_EQ(easy.frameAt(t).value().view, plain.frameAt(eased(t)).value().view) << t;
}

struct RefusalRow : test::NamedRow {
    FieldTexts a;
    FieldTexts b;
    const char* why;
};

TEST(Flight, RefusesViewsNoZoomJoins)
{
    const RefusalRow rows[] = {
        {"sizes", F("1", "1", "150"), F("1", "1", "768"),
         "differ in size, 150 by 150 and 1024 by 768"},
        {"xoom_0", F("1", "1", "150"), F("1", "1", "150", "0"), "Xoom 0"},
        {"mirrored", F("1", "1", "150"), F("1", "1", "150", "-1"), "mirrored"},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome<Flight> flight =
            Flight::between(viewOn(aqua(), row.a), viewOn(aqua(), row.b));
        ASSERT_FALSE(flight);
        EXPECT_NE(flight.failure().where.find(row.why), std::string::npos)
            << flight.failure().where;
    }
    EXPECT_FALSE(Flight::between(View{}, viewOn(aqua(), F("1", "1", "150"))));
    // Both mirrored is one mirrored picture zooming.
    EXPECT_TRUE(Flight::between(viewOn(aqua(), F("1", "1", "150", "-1")),
                                viewOn(aqua(), F("9", "1", "150", "-0.5"))));
}

// Flights to the ends of the double range: a frame whose numbers the field
// texts cannot hold is a failure of that frame, never a run-time error, and
// a frame that comes is one the sweep takes.
TEST(Flight, FramesBeyondTheDoubleRangeFailAsFrames)
{
    const FieldTexts ends[][2] = {
        {F("1", "1", "150", "1E-300"), F("1E15", "-1E15", "150", "1E300")},
        {F("1E15", "1", "150", "1E300"), F("-1E15", "1", "150", "1E-300")},
        {F("1", "1", "150", "1E-300"), F("8E15", "1", "150", "1E-300")},
        {F("1", "1", "150", "1E-150"), F("1", "1", "150", "1E150")},
    };
    for (const auto& [a, b] : ends) {
        SCOPED_TRACE(a.xoom + " to " + b.xoom);
        const Flight flight = flightOf(viewOn(aqua(), a), viewOn(aqua(), b));
        for (const double t : steps(50)) {
            Outcome<FlightFrame> frame(Failure{Fault::Overflow, ""});
            ASSERT_NO_THROW(frame = flight.frameAt(t)) << t;
            if (!frame) {
                EXPECT_TRUE(frame.failure().field) << frame.failure().message();
                continue;
            }
            const Outcome<PreparedSweep> sweep =
                prepareSweep(aqua(), frame.value().view.fields, frame.value().view.sampling());
            EXPECT_TRUE(sweep || sweep.failure().fault == Fault::PositionTooLarge) << t;
        }
    }
}

}  // namespace
}  // namespace zentrel
