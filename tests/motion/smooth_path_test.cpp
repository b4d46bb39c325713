// SPDX-License-Identifier: GPL-3.0-or-later
// The smooth zoom and pan: its ends, its length by the closed form and by
// summing the path's own measure, and its shape on a far pan.

#include <gtest/gtest.h>

#include <cmath>

#include "motion/smooth_path.h"
#include "support.h"

namespace zentrel {
namespace {

struct PathRow : test::NamedRow {
    double w0;
    double w1;
    double distance;
    double rho;
};

const PathRow kPaths[] = {
    {"far_pan", 150, 150, 15000, kSmoothRho},
    {"near_pan", 150, 150, 30, kSmoothRho},
    {"zoom_in_and_pan", 150, 1.5, 400, kSmoothRho},
    {"zoom_out_and_pan", 0.01, 20, 3, 1},
    {"steep_trade", 2, 3, 50, 3},
    {"zoom_alone_in", 150, 0.15, 0, kSmoothRho},
    {"zoom_alone_out", 1, 64, 0, 0.5},
};

class SmoothPathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(SmoothPathTest, StartsAndEndsAtTheViews)
{
    const PathRow& row = GetParam();
    const SmoothPath path(row.w0, row.w1, row.distance, row.rho);
    const PathPoint start = path.at(0);
    const PathPoint end = path.at(path.length());
    const double scale = std::max(row.w0, row.w1) + row.distance;
    EXPECT_NEAR(start.u, 0, 1e-12 * scale);
    EXPECT_NEAR(start.w / row.w0, 1, 1e-9);
    EXPECT_NEAR(end.u, row.distance, 1e-9 * scale);
    EXPECT_NEAR(end.w / row.w1, 1, 1e-9);
}

// The path is measured by ds^2 = (rho^2 du^2 / w^2) + (dw^2 / (rho^2 w^2)):
// summed over small steps it must come to the length the closed form gives.
TEST_P(SmoothPathTest, LengthIsThatOfThePathsOwnMeasure)
{
    const PathRow& row = GetParam();
    const SmoothPath path(row.w0, row.w1, row.distance, row.rho);
    const int steps = 20000;
    double sum = 0;
    PathPoint before = path.at(0);
    for (int i = 1; i <= steps; ++i) {
        const PathPoint p = path.at(path.length() * i / steps);
        const double w = (p.w + before.w) / 2;
        const double du = (p.u - before.u) * row.rho / w;
        const double dw = (p.w - before.w) / (row.rho * w);
        sum += std::hypot(du, dw);
        before = p;
    }
    EXPECT_NEAR(sum, path.length(), 1e-5 * path.length());
}

TEST_P(SmoothPathTest, CentreMovesOneWay)
{
    const PathRow& row = GetParam();
    const SmoothPath path(row.w0, row.w1, row.distance, row.rho);
    double before = path.at(0).u;
    for (int i = 1; i <= 100; ++i) {
        const double u = path.at(path.length() * i / 100).u;
        EXPECT_GE(u, before);
        before = u;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, SmoothPathTest, ::testing::ValuesIn(kPaths), test::byName);

// Between views of one width, S = 2 asinh(rho^2 u / 2w) / rho; a zoom alone
// runs |ln(w1 / w0)| / rho.
TEST(SmoothPath, LengthOfEqualWidthsAndOfAZoomAlone)
{
    for (const double rho : {0.5, kSmoothRho, 2.0}) {
        for (const double distance : {1.0, 150.0, 1e6}) {
            const SmoothPath path(150, 150, distance, rho);
            EXPECT_NEAR(path.length(), 2 * std::asinh(rho * rho * distance / 300) / rho,
                        1e-12 * path.length());
        }
        EXPECT_NEAR(SmoothPath(150, 0.15, 0, rho).length(), std::log(1000) / rho, 1e-12);
        EXPECT_NEAR(SmoothPath(0.15, 150, 0, rho).length(), std::log(1000) / rho, 1e-12);
    }
}

// A pan of a hundred views' widths: the view widens to its widest halfway,
// then narrows back, and the centre is halfway there when it is widest.
TEST(SmoothPath, FarPanZoomsOutAndBackIn)
{
    const SmoothPath path(150, 150, 15000, kSmoothRho);
    const double S = path.length();
    double widest = 0;
    double widestAt = 0;
    double before = 150;
    for (int i = 1; i < 100; ++i) {
        const PathPoint p = path.at(S * i / 100);
        if (i <= 50) {
            EXPECT_GT(p.w, before);
        } else {
            EXPECT_LT(p.w, before);
        }
        if (p.w > widest) widest = p.w, widestAt = p.u;
        before = p.w;
    }
    EXPECT_GT(widest, 10 * 150.0);
    EXPECT_NEAR(widestAt, 7500, 1e-6);
}

// The larger rho, the further out the path goes.
TEST(SmoothPath, LargerRhoZoomsFurtherOut)
{
    const SmoothPath gentle(150, 150, 15000, 0.5);
    const SmoothPath steep(150, 150, 15000, 2);
    EXPECT_LT(gentle.at(gentle.length() / 2).w, steep.at(steep.length() / 2).w);
}

}  // namespace
}  // namespace zentrel
