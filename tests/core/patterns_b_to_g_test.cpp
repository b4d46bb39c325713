// Colours and snapshots of the patterns "brains", "crumbs", "deyes", "eels",
// "fey" and "gall", checked against colours worked out from their formulas.
//
// Pictures are addressed by column and row index: column c, row r is the pixel
// at window point (161 + c, 51 + r). With the default fields (size 150,
// centre 1, 1) the picture runs from x = y = -73 (column 0, row 0) to
// x = y = 76 (column 149, row 149).

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/colour.h"
#include "engine/field_texts.h"
#include "engine/render.h"
#include "engine/snapshot.h"
#include "patterns/patterns.h"

namespace zentrel {
namespace {

struct Rgb {
    int red;
    int green;
    int blue;
};

FieldTexts withXoom(std::string xoom)
{
    FieldTexts f;
    f.four = std::move(xoom);
    return f;
}

FieldTexts withBright(std::string bright)
{
    FieldTexts f;
    f.five = std::move(bright);
    return f;
}

FieldTexts withXoomAndBright(std::string xoom, std::string bright)
{
    FieldTexts f;
    f.four = std::move(xoom);
    f.five = std::move(bright);
    return f;
}

std::string fieldsText(const FieldTexts& f)
{
    std::ostringstream out;
    out << "fields {" << f.one << ", " << f.two << ", " << f.three << ", " << f.four << ", "
        << f.five << "}";
    return out.str();
}

std::string rgbText(int red, int green, int blue)
{
    std::ostringstream out;
    out << "(" << red << ", " << green << ", " << blue << ")";
    return out.str();
}

std::string rgbText(Colour c) { return rgbText(redOf(c), greenOf(c), blueOf(c)); }

std::string rgbText(Rgb c) { return rgbText(c.red, c.green, c.blue); }

Picture renderOrFail(const Pattern& pattern, const FieldTexts& fields)
{
    const Outcome<Picture> outcome = renderPicture(pattern, fields);
    if (!outcome.ok()) {
        ADD_FAILURE() << pattern.routine << " failed with " << fieldsText(fields) << ": "
                      << outcome.failure().message();
        return Picture{};
    }
    return outcome.value();
}

// ---------------------------------------------------------------------------
// Single pixels.

struct PixelRow {
    FieldTexts fields;
    int column;
    int row;
    Rgb expected;
};

void expectPixels(const Pattern& pattern, const std::vector<PixelRow>& rows)
{
    std::map<std::tuple<std::string, std::string, std::string, std::string, std::string>,
             Picture>
        pictures;
    for (const PixelRow& r : rows) {
        const auto key = std::make_tuple(r.fields.one, r.fields.two, r.fields.three,
                                         r.fields.four, r.fields.five);
        auto it = pictures.find(key);
        if (it == pictures.end()) it = pictures.emplace(key, renderOrFail(pattern, r.fields)).first;
        const Picture& p = it->second;
        SCOPED_TRACE(std::string(pattern.routine) + " " + fieldsText(r.fields) + " column " +
                     std::to_string(r.column) + " row " + std::to_string(r.row));
        ASSERT_LT(r.column, p.width);
        ASSERT_LT(r.row, p.height);
        const Colour got = p.at(r.column, r.row);
        EXPECT_EQ(rgbText(got), rgbText(r.expected));
    }
}

// ---------------------------------------------------------------------------
// Pictures of one colour throughout.

struct UniformRow {
    FieldTexts fields;
    Rgb expected;
};

void expectUniform(const Pattern& pattern, const std::vector<UniformRow>& rows)
{
    for (const UniformRow& r : rows) {
        SCOPED_TRACE(std::string(pattern.routine) + " " + fieldsText(r.fields));
        const Picture p = renderOrFail(pattern, r.fields);
        ASSERT_EQ(p.width, 150);
        ASSERT_EQ(p.height, 150);
        const std::string want = rgbText(r.expected);
        int wrong = 0;
        for (int c = 0; c < p.width; ++c)
            for (int row = 0; row < p.height; ++row)
                if (rgbText(p.at(c, row)) != want && ++wrong <= 3)
                    ADD_FAILURE() << "column " << c << " row " << row << " is "
                                  << rgbText(p.at(c, row)) << ", expected " << want;
        EXPECT_EQ(wrong, 0);
    }
}

// ---------------------------------------------------------------------------
// Snapshot values.

struct SnapshotRow {
    FieldTexts fields;
    double width;
    double size;
    double left;
    double top;
    double zoom;
    double bright;
};

void expectSnapshots(const Pattern& pattern, const std::vector<SnapshotRow>& rows)
{
    for (const SnapshotRow& r : rows) {
        SCOPED_TRACE(std::string(pattern.routine) + " " + fieldsText(r.fields));
        const Outcome<Snapshot> s = takeSnapshot(pattern.rule, r.fields);
        ASSERT_TRUE(s.ok()) << s.failure().message();
        EXPECT_EQ(s.value().width, r.width);
        EXPECT_EQ(s.value().size, r.size);
        EXPECT_EQ(s.value().left, r.left);
        EXPECT_EQ(s.value().top, r.top);
        EXPECT_EQ(s.value().zoom, r.zoom);
        EXPECT_EQ(s.value().bright, r.bright);
    }
}

// ---------------------------------------------------------------------------
// Negative brightness: a component lights up only where its mix is negative,
// that is only where the same pixel at the opposite brightness has it dark.

void expectNegativeBrightnessLightsOnlyNegativeMixes(const Pattern& pattern,
                                                     bool someColourExpected)
{
    const Picture bright = renderOrFail(pattern, withBright("150"));
    const Picture dark = renderOrFail(pattern, withBright("-150"));
    ASSERT_EQ(bright.colours.size(), dark.colours.size());
    ASSERT_FALSE(dark.colours.empty());
    int lit = 0;
    int contradictions = 0;
    for (std::size_t i = 0; i < dark.colours.size(); ++i) {
        const Colour d = dark.colours[i];
        const Colour b = bright.colours[i];
        if (d != 0) ++lit;
        const bool ok = (redOf(d) == 0 || redOf(b) == 0) &&
                        (greenOf(d) == 0 || greenOf(b) == 0) &&
                        (blueOf(d) == 0 || blueOf(b) == 0);
        if (!ok && ++contradictions <= 3)
            ADD_FAILURE() << "pixel " << i << " is " << rgbText(d) << " at -150 and "
                          << rgbText(b) << " at 150";
    }
    EXPECT_EQ(contradictions, 0);
    if (someColourExpected)
        EXPECT_GT(lit, 0);
    else
        EXPECT_EQ(lit, 0);
}

void expectNothingDrawnForSize(const Pattern& pattern, const std::vector<std::string>& sizes)
{
    for (const std::string& size : sizes) {
        FieldTexts f;
        f.three = size;
        SCOPED_TRACE(std::string(pattern.routine) + " size " + size);
        const Outcome<Picture> p = renderPicture(pattern, f);
        ASSERT_TRUE(p.ok()) << p.failure().message();
        EXPECT_TRUE(p.value().colours.empty());
    }
}

const FieldTexts kDefaults{};

// A size one step above 150 whose half differs from 75.
constexpr double kLongSize = 150.00000000000003;
static_assert(kLongSize != 150 && kLongSize / 2 != 75);

// The pixels at column 0, row 149 (x = -73, y = 76) and column 149, row 0
// (x = 76, y = -73) were worked out separately from the formulas; being off
// the diagonal, they tell x from y.

// ---------------------------------------------------------------------------

TEST(Blood, Pixels)
{
    expectPixels(blood, {
                            {kDefaults, 0, 0, {6, 6, 20}},
                            {kDefaults, 149, 149, {33, 10, 34}},
                            {kDefaults, 0, 149, {27, 8, 17}},
                            {kDefaults, 149, 0, {24, 9, 26}},
                        });
}

TEST(Blood, UniformPictures)
{
    expectUniform(blood, {
                             {withXoom("0"), {58, 15, 59}},
                             {withBright("0"), {0, 5, 15}},
                             {withXoomAndBright("0", "0"), {0, 5, 15}},
                         });
}

TEST(Blood, Snapshot)
{
    expectSnapshots(blood, {
                               {kDefaults, 150, 150, -74, -74, 1, 150},
                               {withXoomAndBright("0", "0"), 150, 150, -74, -74, 0, 0},
                               {{"512", "384", "768", "3", "7"}, 1024, 768, 0, 0, 3, 7},
                               // Its halves come from the size's text, which drops
                               // the last digits of this one.
                               {{"1", "1", "150.00000000000003", "1", "150"},
                                kLongSize, kLongSize, -74, -74, 1, 150},
                           });
}

TEST(Blood, NegativeBrightnessOnlyLowersTheOffsets)
{
    const Picture p = renderOrFail(blood, withBright("-150"));
    ASSERT_EQ(p.colours.size(), 150u * 150u);
    bool someLowered = false;
    for (Colour c : p.colours) {
        ASSERT_EQ(redOf(c), 0);
        ASSERT_LE(greenOf(c), 5);
        ASSERT_LE(blueOf(c), 15);
        if (greenOf(c) < 5 || blueOf(c) < 15) someLowered = true;
    }
    EXPECT_TRUE(someLowered);
}

TEST(Blood, NothingDrawnWithoutSize) { expectNothingDrawnForSize(blood, {"0", "-5", "abc"}); }

// ---------------------------------------------------------------------------

TEST(Celt, Pixels)
{
    expectPixels(celt, {
                           {kDefaults, 0, 0, {41, 17, 9}},
                           {kDefaults, 149, 149, {85, 26, 24}},
                           {kDefaults, 0, 149, {158, 42, 53}},
                           {kDefaults, 149, 0, {163, 93, 32}},
                       });
}

TEST(Celt, UniformPictures)
{
    expectUniform(celt, {
                            {withXoom("0"), {55, 13, 17}},
                            {withBright("0"), {0, 0, 0}},
                            {withBright("-150"), {0, 0, 0}},
                            {withBright("-1"), {0, 0, 0}},
                        });
}

TEST(Celt, Snapshot)
{
    expectSnapshots(celt, {
                              {kDefaults, 150, 150, -74, -74, 1 * 0.7, 150},
                              {withXoom("3"), 150, 150, -74, -74, 3 * 0.7, 150},
                              {withXoom("0"), 150, 150, -74, -74, 0, 150},
                          });
}

TEST(Celt, NothingDrawnWithoutSize) { expectNothingDrawnForSize(celt, {"0", "-5"}); }

// ---------------------------------------------------------------------------

TEST(Dune, Pixels)
{
    expectPixels(dune, {
                           {kDefaults, 0, 0, {0, 18, 59}},
                           {kDefaults, 149, 149, {0, 9, 53}},
                           {kDefaults, 0, 149, {0, 0, 51}},
                           {kDefaults, 149, 0, {0, 34, 62}},
                       });
}

TEST(Dune, UniformPictures)
{
    expectUniform(dune, {
                            {withXoom("0"), {35, 4, 0}},
                            {withBright("0"), {0, 0, 0}},
                        });
}

TEST(Dune, Snapshot)
{
    expectSnapshots(dune, {
                              {kDefaults, 150, 150, -74, -74, 2, 75},
                              {withBright("1"), 150, 150, -74, -74, 2, 0.5},
                              {withXoom("0.25"), 150, 150, -74, -74, 0.5, 75},
                              {withBright("-3"), 150, 150, -74, -74, 2, -1.5},
                          });
}

TEST(Dune, NegativeBrightness) { expectNegativeBrightnessLightsOnlyNegativeMixes(dune, true); }

TEST(Dune, NothingDrawnWithoutSize) { expectNothingDrawnForSize(dune, {"0", "-5"}); }

// ---------------------------------------------------------------------------

TEST(Eeee, Pixels)
{
    expectPixels(eeee, {
                           {kDefaults, 0, 0, {7, 9, 8}},
                           {kDefaults, 149, 149, {2, 13, 23}},
                           {kDefaults, 0, 149, {11, 13, 5}},
                           {kDefaults, 149, 0, {10, 13, 5}},
                       });
}

TEST(Eeee, UniformPictures)
{
    expectUniform(eeee, {
                            {withXoom("0"), {0, 0, 2}},
                            {withBright("0"), {0, 0, 0}},
                        });
}

TEST(Eeee, Snapshot)
{
    expectSnapshots(eeee, {
                              {kDefaults, 150, 150, -74, -74, 2, 150},
                              {{"512", "384", "768", "1", "150"}, 1024, 768, 0, 0, 2, 150},
                              {{"1", "1", "151", "1", "150"}, 151, 151, -74.5, -74.5, 2, 150},
                              // Plain halves keep the digits that a trip through the
                              // number's text would drop.
                              {{"1", "1", "150.00000000000003", "1", "150"},
                               kLongSize, kLongSize, 1 - kLongSize / 2, 1 - kLongSize / 2, 2,
                               150},
                          });
}

TEST(Eeee, LargePictureStartsAtTheOrigin)
{
    // Size 768 centred on (512, 384) puts left = top = 0, so its top-left
    // 150 x 150 corner is the size-150 picture whose left and top are 0.
    const Picture large = renderOrFail(eeee, {"512", "384", "768", "1", "150"});
    const Picture small = renderOrFail(eeee, {"75", "75", "150", "1", "150"});
    ASSERT_EQ(large.width, 1024);
    ASSERT_EQ(large.height, 768);
    ASSERT_EQ(small.width, 150);
    int differing = 0;
    for (int c = 0; c < 150; ++c)
        for (int r = 0; r < 150; ++r)
            if (large.at(c, r) != small.at(c, r)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST(Eeee, NegativeBrightness) { expectNegativeBrightnessLightsOnlyNegativeMixes(eeee, true); }

TEST(Eeee, NothingDrawnWithoutSize) { expectNothingDrawnForSize(eeee, {"0", "-5"}); }

// ---------------------------------------------------------------------------

TEST(Fun, Pixels)
{
    expectPixels(fun, {
                          {kDefaults, 0, 0, {34, 24, 79}},
                          {kDefaults, 149, 149, {32, 25, 82}},
                          {kDefaults, 0, 149, {11, 11, 31}},
                          {kDefaults, 149, 0, {195, 85, 255}},
                      });
}

TEST(Fun, UniformPictures)
{
    expectUniform(fun, {
                           {withXoom("0"), {29, 26, 83}},
                           {withBright("0"), {0, 0, 0}},
                           {withBright("-150"), {0, 0, 0}},
                           {withBright("-1"), {0, 0, 0}},
                       });
}

TEST(Fun, Snapshot)
{
    expectSnapshots(fun, {
                             {kDefaults, 150, 150, -74, -74, 2, 150},
                             {withXoomAndBright("1.5", "7"), 150, 150, -74, -74, 3, 7},
                         });
}

TEST(Fun, NothingDrawnWithoutSize) { expectNothingDrawnForSize(fun, {"0", "-5"}); }

// ---------------------------------------------------------------------------

TEST(Grin, Pixels)
{
    expectPixels(grin, {
                           {kDefaults, 0, 0, {73, 58, 102}},
                           {kDefaults, 149, 149, {92, 75, 102}},
                           {kDefaults, 0, 149, {73, 54, 67}},
                           {kDefaults, 149, 0, {72, 61, 39}},
                       });
}

TEST(Grin, UniformPictures)
{
    expectUniform(grin, {
                            {withXoom("0"), {22, 33, 9}},
                            {withBright("0"), {0, 0, 0}},
                            {withBright("-150"), {0, 0, 0}},
                            {withBright("-1"), {0, 0, 0}},
                        });
}

TEST(Grin, Snapshot)
{
    const double one = 1;
    const double five = 5;
    expectSnapshots(grin, {
                              {kDefaults, 150, 150, -74, -74, one / 3, 150},
                              // The Xoom is divided by 3: 5 / 3 and 5 times a third
                              // differ in the last bit.
                              {withXoom("5"), 150, 150, -74, -74, five / 3, 150},
                              {withXoom("6"), 150, 150, -74, -74, 2, 150},
                              {withXoom("0"), 150, 150, -74, -74, 0, 150},
                          });
}

TEST(Grin, NothingDrawnWithoutSize) { expectNothingDrawnForSize(grin, {"0", "-5"}); }

}  // namespace
}  // namespace zentrel
