// SPDX-License-Identifier: GPL-3.0-or-later
// Whole pictures of the nineteen patterns: the first failing pixel in sweep
// order, and the same picture for any number of threads and as the pattern's
// own single-pixel formula.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/render.h"
#include "engine/sweep.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;
using test::NamedRow;
using test::PictureFaultRow;

// With a brightness of 1e308 a pattern overflows wherever its colour mix
// exceeds about 1.8.
const FieldTexts kBright1e308 = F("1", "1", "20", "1", "1e308");

// clang-format off
const PictureFaultRow kPictureFaults[] = {
    // The product of the two angles overflows at the very first pixel.
    {"aqua_enormous_xoom", findPattern("aqua"), F("1", "1", "150", "1e300"),
     "Overflow at x = -73, y = -73"},
    // A times B + 0.000123 with a tripled Xoom of 3e155: about 4.7e311.
    {"quasi_enormous_xoom", findPattern("quasi"), F("1", "1", "150", "1e155"),
     "Overflow at x = -73, y = -73"},
    // The halved Xoom z makes (44/7)^2 * x * y * z^2 / 40000 pass the
    // largest double where x * y > 100.5: first at x = 3, y = 34.
    {"riski_product_of_angles", findPattern("riski"), F("0", "0", "40", "8.511e154"),
     "Overflow at x = 3, y = 34"},
    {"position_too_large", findPattern("aqua"), F("1e16", "1", "10"),
     "Position too large at 1E+16"},
    {"aqua_bright_1e308", findPattern("aqua"), kBright1e308, "Overflow at x = -8, y = -7"},
    {"brains_bright_1e308", findPattern("brains"), kBright1e308, "Overflow at x = -8, y = -6"},
    {"crumbs_bright_1e308", findPattern("crumbs"), kBright1e308, "Overflow at x = -3, y = -7"},
    {"deyes_bright_1e308", findPattern("deyes"), kBright1e308, "Overflow at x = -8, y = -8"},
    {"gall_bright_1e308", findPattern("gall"), kBright1e308, "Overflow at x = -8, y = -4"},
    {"hari_bright_1e308", findPattern("hari"), kBright1e308, "Overflow at x = -8, y = -5"},
    {"icening_bright_1e308", findPattern("icening"), kBright1e308, "Overflow at x = -8, y = -6"},
    {"jay_bright_1e308", findPattern("jay"), kBright1e308, "Overflow at x = -8, y = -7"},
    {"louis_bright_1e308", findPattern("louis"), kBright1e308, "Overflow at x = -8, y = 3"},
    {"oogli_bright_1e308", findPattern("oogli"), kBright1e308, "Overflow at x = 159, y = -141"},
    // "pug" doubles the brightness in its snapshot first.
    {"pug_bright_1e308", findPattern("pug"), kBright1e308, "Overflow in Textfive"},
};
// clang-format on

class PatternPictureFails : public ::testing::TestWithParam<std::tuple<PictureFaultRow, int>> {};

TEST_P(PatternPictureFails, AtTheFirstFailingPixelInSweepOrder)
{
    test::expectFirstFailure(std::get<0>(GetParam()), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(OneAndThreeThreads, PatternPictureFails,
                         ::testing::Combine(::testing::ValuesIn(kPictureFaults),
                                            ::testing::Values(1, 3)),
                         test::byNameAndThreads);

// ---------------------------------------------------------------------------
// Whole pictures: the same on every maths path, for one and three threads,
// and pixel for pixel the pattern's own single-pixel formula.

class PictureIdentity : public ::testing::TestWithParam<const Pattern*> {};

// The picture as the pattern's one-pixel formula colours it, pixel by pixel.
Picture pixelByPixel(const Pattern& pattern, const FieldTexts& f)
{
    const auto [snapshot, grid] = prepareSweep(pattern, f).value();
    Picture picture{static_cast<int>(grid.xs.size()), static_cast<int>(grid.ys.size()), {}};
    for (double x : grid.xs)
        for (double y : grid.ys) picture.colours.push_back(pattern.pixel(snapshot, x, y).colour);
    return picture;
}

TEST_P(PictureIdentity, SameOnEveryPathForOneAndThreeThreadsAndAsItsPixelFormula)
{
    const Pattern& pattern = *GetParam();
    const test::MathPathScope restore;
    // An ordinary view, the large picture, and huge angles where the maths
    // functions reduce their arguments the hard way.
    for (const FieldTexts& f :
         {F("0.3", "-2.7", "37", "0.8"), F("1", "1", "61", "0.15"), F("1e6", "-3e5", "23", "40")}) {
        const Picture expected = pixelByPixel(pattern, f);
        for (MathPath path : supportedPaths()) {
            useMathPath(path);
            for (int threads : {1, 3}) {
                const auto picture = renderPicture(pattern, f, threads);
                ASSERT_TRUE(picture.ok()) << picture.failure().message();
                EXPECT_TRUE(test::samePicture(picture.value(), expected))
                    << pathName(path) << ", " << threads << " threads, size " << f.size;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPattern, PictureIdentity, ::testing::ValuesIn(patternTable()),
                         [](const auto& info) { return std::string(info.param->routine); });

// A picture n times denser holds the picture itself: every n-th column and
// row, bit for bit, whatever the origin.
TEST_P(PictureIdentity, ADensePictureHoldsThePicture)
{
    const Pattern& pattern = *GetParam();
    for (const auto& [f, density] :
         {std::pair{F("2", "-5", "21", "0.8"), 3}, std::pair{F("0.3", "-2.7", "13.5", "0.2"), 4}}) {
        const auto picture = renderPicture(pattern, f, 2);
        const auto dense = renderPicture(pattern, f, 2, Sampling{density, {}});
        ASSERT_TRUE(picture.ok() && dense.ok());
        ASSERT_EQ(dense.value().width, picture.value().width * density);
        ASSERT_EQ(dense.value().height, picture.value().height * density);
        Picture everyNth{picture.value().width, picture.value().height, {}};
        for (int c = 0; c < dense.value().width; c += density)
            for (int r = 0; r < dense.value().height; r += density)
                everyNth.colours.push_back(dense.value().at(c, r));
        EXPECT_TRUE(test::samePicture(everyNth, picture.value())) << "density " << density;
    }
}

}  // namespace
}  // namespace zentrel
