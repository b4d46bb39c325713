// SPDX-License-Identifier: GPL-3.0-or-later
// Where a view looks, for every pattern's rule: the centre and scale agree
// with the engine's own loop values, and a geometry shown from another view
// of the pattern draws the very picture of the view it came from.

#include <gtest/gtest.h>

#include <cmath>

#include "engine/render.h"
#include "engine/sweep.h"
#include "motion/view_geometry.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;

View viewOfPattern(const Pattern* pattern, FieldTexts fields, std::optional<int> width = {})
{
    View view = viewWith(*pattern, std::move(fields));
    view.width = width;
    return view;
}

// The formula coordinate a loop value meets, as the brief of every formula
// reads it.
double formula(double loopValue, double zoom) { return loopValue / 200 * zoom; }

TEST(ViewGeometry, CentreAndScaleAreThoseOfTheLoopValues)
{
    for (const Pattern* pattern : patternTable()) {
        for (const auto& [fields, width] :
             {std::pair{F("3", "-2", "151", "0.5"), std::optional<int>{}},
              std::pair{F("-40", "7", "768", "-2"), std::optional<int>{}},
              std::pair{F("1", "1", "40", "3"), std::optional<int>{90}}}) {
            SCOPED_TRACE(std::string(pattern->caption) + " " + fields.size);
            const View view = viewOfPattern(pattern, fields, width);
            const Outcome<ViewGeometry> g = geometryOf(view);
            ASSERT_TRUE(g);
            const Outcome<PreparedSweep> sweep = prepareSweep(*pattern, fields, view.sampling());
            ASSERT_TRUE(sweep);
            const auto& xs = sweep.value().grid.xs;
            const auto& ys = sweep.value().grid.ys;
            const double zoom = sweep.value().snapshot.zoom;
            ASSERT_EQ(g.value().columns, static_cast<double>(xs.size()));
            ASSERT_EQ(g.value().rows, static_cast<double>(ys.size()));
            // The first and last columns lie half the extent less one from the
            // middle, one scale apart from their neighbours.
            const double halfAcross = (g.value().columns - 1) / 2;
            const double halfDown = (g.value().rows - 1) / 2;
            const double tolerance = 1e-12 * (std::abs(g.value().centreX) + g.value().span());
            EXPECT_NEAR(formula(xs.front(), zoom), g.value().centreX - halfAcross * g.value().scale,
                        tolerance);
            EXPECT_NEAR(formula(xs.back(), zoom), g.value().centreX + halfAcross * g.value().scale,
                        tolerance);
            EXPECT_NEAR(formula(ys.front(), zoom), g.value().centreY - halfDown * g.value().scale,
                        tolerance);
            EXPECT_NEAR(formula(ys.back(), zoom), g.value().centreY + halfDown * g.value().scale,
                        tolerance);
        }
    }
}

TEST(ViewGeometry, ItsOwnGeometryGivesItsTextsBack)
{
    for (const Pattern* pattern : patternTable()) {
        SCOPED_TRACE(pattern->caption);
        const View view = viewOfPattern(pattern, F("&H10", "1.50", "48", "0.25", "150 "));
        const Outcome<ViewGeometry> g = geometryOf(view);
        ASSERT_TRUE(g);
        const Outcome<View> back = viewShowing(view, g.value());
        ASSERT_TRUE(back);
        EXPECT_EQ(back.value(), view);
    }
}

// From another view of the pattern, the geometry is met by new Xoom and
// position texts: the loop values and the picture are the original's.
TEST(ViewGeometry, ShownFromAnotherViewDrawsTheSamePicture)
{
    const FieldTexts original = F("3", "-2", "40", "0.5", "120");
    const FieldTexts other = F("57.25", "-300", "40", "3", "120");
    for (const Pattern* pattern : patternTable()) {
        SCOPED_TRACE(pattern->caption);
        const View view = viewOfPattern(pattern, original);
        const Outcome<ViewGeometry> g = geometryOf(view);
        ASSERT_TRUE(g);
        const Outcome<View> shown = viewShowing(viewOfPattern(pattern, other), g.value());
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown.value().fields, original);
        const Outcome<Picture> expected = renderPicture(*pattern, original);
        const Outcome<Picture> actual = renderPicture(*pattern, shown.value().fields);
        ASSERT_EQ(expected.ok(), actual.ok());
        if (expected) {
            EXPECT_TRUE(test::samePicture(actual.value(), expected.value()));
        }
    }
}

TEST(ViewGeometry, AFieldBeyondTheDoubleRangeFails)
{
    const View view = viewOfPattern(patternTable()[0], F("1", "1", "40", "1E300"));
    ViewGeometry g = geometryOf(view).value();
    g.centreX = 1e300;  // so far across at this scale that the position overflows
    g.scale = 1e-300;
    const Outcome<View> shown = viewShowing(view, g);
    ASSERT_FALSE(shown);
    ASSERT_TRUE(shown.failure().field);
    EXPECT_EQ(shown.failure().field->role, FieldRole::Across);
}

}  // namespace
}  // namespace zentrel
