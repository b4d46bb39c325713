// SPDX-License-Identifier: GPL-3.0-or-later
// Every pattern's picture of one view against a reference picture kept in
// tests/patterns/golden, pixel for pixel. A change of any formula, of the
// snapshot, the sweep or the colour rule shows up here.
//
// After a deliberate change, write the references anew with
//   ZENTREL_WRITE_GOLDEN=1 build/tests/patterns/zentrel_patterns_tests --gtest_filter='*Golden*'
// and look at what changed before committing them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "support.h"

namespace zentrel {
namespace {

// A view with structure in every pattern, small enough to keep in the tree.
const FieldTexts kView = test::F("3", "-7", "40", "0.8", "150");

class GoldenPicture : public ::testing::TestWithParam<const Pattern*> {};

TEST_P(GoldenPicture, MatchesTheReference)
{
    const Pattern& pattern = *GetParam();
    const std::filesystem::path reference =
        std::filesystem::path(ZENTREL_GOLDEN_DIR) / (std::string(pattern.routine) + ".ppm");
    const Outcome<Picture> picture = renderPicture(pattern, kView, 2);
    ASSERT_TRUE(picture.ok()) << picture.failure().message();
    if (std::getenv("ZENTREL_WRITE_GOLDEN")) {
        test::writePpm(reference, picture.value());
        GTEST_SKIP() << "wrote " << reference;
    }
    const auto expected = test::readPpm(reference);
    ASSERT_TRUE(expected.has_value()) << "cannot read " << reference;
    EXPECT_TRUE(test::samePicture(picture.value(), *expected));
}

INSTANTIATE_TEST_SUITE_P(EveryPattern, GoldenPicture, ::testing::ValuesIn(patternTable()),
                         [](const auto& info) { return std::string(info.param->routine); });

}  // namespace
}  // namespace zentrel
