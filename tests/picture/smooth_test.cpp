// SPDX-License-Identifier: GPL-3.0-or-later
// Smooth pictures: each pixel the average of a block of samples in linear
// light.

#include <gtest/gtest.h>

#include <vector>

#include "engine/colour.h"
#include "picture/smooth.h"
#include "support.h"

namespace zentrel {
namespace {

constexpr Colour rgb(int r, int g, int b) { return r + 256u * g + 65536u * b; }

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);

// One block of k x k samples given row by row, and the colour it averages to.
struct BlockRow : test::NamedRow {
    int k;
    std::vector<Colour> block;
    Colour average;
};

// clang-format off
const BlockRow kBlocks[] = {
    // Half the light of white is not code 128 but 188.
    {"black_and_white", 2, {kBlack, kWhite, kWhite, kBlack}, rgb(188, 188, 188)},
    {"one_white_of_nine", 3, {kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack},
     rgb(94, 94, 94)},
    // Each component by itself.
    {"red_and_blue", 2, {rgb(255, 0, 0), rgb(0, 0, 255), rgb(255, 0, 0), rgb(0, 0, 255)},
     rgb(188, 0, 188)},
    // Near black the code is linear in the light.
    {"dark_codes", 2, {rgb(2, 0, 0), rgb(4, 0, 0), rgb(2, 0, 0), rgb(4, 0, 0)}, rgb(3, 0, 0)},
    {"one_sample", 1, {rgb(17, 200, 3)}, rgb(17, 200, 3)},
};
// clang-format on

class AveragedBlock : public ::testing::TestWithParam<BlockRow> {};

TEST_P(AveragedBlock, InLinearLight)
{
    const BlockRow& row = GetParam();
    Colour out = 0;
    averageBlocks(row.block, row.k, row.k, &out);
    EXPECT_EQ(out, row.average) << "red " << redOf(out) << " green " << greenOf(out) << " blue "
                                << blueOf(out);
}

INSTANTIATE_TEST_SUITE_P(Blocks, AveragedBlock, ::testing::ValuesIn(kBlocks), test::byName);

TEST(AverageBlocks, AUniformBlockKeepsEveryCodeAndBlocksStayApart)
{
    // 256 pixels across, each a uniform 3 x 3 block of its own code in every
    // component, over two rows of pixels.
    constexpr int k = 3;
    constexpr int width = 256;
    std::vector<Colour> samples;
    for (int row = 0; row < 2 * k; ++row)
        for (int c = 0; c < width * k; ++c) {
            const int code = row < k ? c / k : 255 - c / k;
            samples.push_back(rgb(code, code, 255 - code));
        }
    std::vector<Colour> out(2 * width);
    averageBlocks(samples, width * k, k, out.data());
    for (int c = 0; c < width; ++c) {
        EXPECT_EQ(out[c], rgb(c, c, 255 - c)) << c;
        EXPECT_EQ(out[width + c], rgb(255 - c, 255 - c, c)) << c;
    }
}

}  // namespace
}  // namespace zentrel

namespace zentrel {
namespace {

// A dissolve mixes light, not codes: half of black and half of white is
// the code whose light is half of white's (188), not 128; the ends are
// either picture exactly.
TEST(Dissolve, MixesInLinearLightAndKeepsItsEnds)
{
    const std::vector<Colour> from = {rgb(0, 0, 0), rgb(255, 10, 200), rgb(37, 91, 180)};
    const std::vector<Colour> to = {rgb(255, 255, 255), rgb(255, 10, 200), rgb(200, 3, 17)};
    std::vector<Colour> out(3);
    dissolve(from, to, 0.5, out.data());
    EXPECT_EQ(out[0], rgb(188, 188, 188));
    EXPECT_EQ(out[1], from[1]);
    dissolve(from, to, 0, out.data());
    EXPECT_EQ(out, from);
    dissolve(from, to, 1, out.data());
    EXPECT_EQ(out, to);
    dissolve(from, to, 0.25, out.data());
    EXPECT_EQ(out[0], rgb(137, 137, 137));  // a quarter of white's light
}

}  // namespace
}  // namespace zentrel
