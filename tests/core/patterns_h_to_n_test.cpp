// Pictures of the patterns "hari", "icening", "jay", "kanga", "louis" and
// "nyet": snapshot values, known pixel colours, one-colour pictures at Xoom 0,
// and what zero and negative brightness do to them.

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
    bool operator==(const Rgb&) const = default;
};

Rgb rgbOf(Colour c) { return {redOf(c), greenOf(c), blueOf(c)}; }

std::string describe(const Rgb& c)
{
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
           std::to_string(c.blue) + ")";
}

FieldTexts fieldsWith(std::string one, std::string two, std::string three,
                      std::string four, std::string five)
{
    return FieldTexts{std::move(one), std::move(two), std::move(three), std::move(four),
                      std::move(five)};
}

FieldTexts defaults() { return FieldTexts{}; }

FieldTexts withXoom(std::string four)
{
    FieldTexts f;
    f.four = std::move(four);
    return f;
}

FieldTexts withBrightness(std::string five)
{
    FieldTexts f;
    f.five = std::move(five);
    return f;
}

Picture render(const Pattern& pattern, const FieldTexts& fields)
{
    const Outcome<Picture> picture = renderPicture(pattern, fields);
    if (!picture.ok()) {
        ADD_FAILURE() << pattern.routine << " failed: " << picture.failure().message();
        return Picture{};
    }
    return picture.value();
}

// ---------------------------------------------------------------------------
// Snapshot values and the extent of the sweep.

struct FrameExample {
    const char* label;
    FieldTexts fields;
    double left;
    double top;
    double zoom;
    double bright;
    int columns;
    int rows;
};

void expectFrames(const Pattern& pattern, const std::vector<FrameExample>& table)
{
    for (const FrameExample& e : table) {
        SCOPED_TRACE(e.label);
        const Outcome<Snapshot> s = takeSnapshot(pattern.rule, e.fields);
        ASSERT_TRUE(s.ok()) << s.failure().message();
        EXPECT_EQ(s.value().left, e.left);
        EXPECT_EQ(s.value().top, e.top);
        EXPECT_EQ(s.value().zoom, e.zoom);
        EXPECT_EQ(s.value().bright, e.bright);
        EXPECT_EQ(s.value().width, e.columns);
        EXPECT_EQ(s.value().size, e.rows);
        const Picture p = render(pattern, e.fields);
        EXPECT_EQ(p.width, e.columns);
        EXPECT_EQ(p.height, e.rows);
    }
}

// ---------------------------------------------------------------------------
// Single pixels: column c and row r are plotted at (161 + c, 51 + r).

struct PixelExample {
    const char* label;
    FieldTexts fields;
    int column;
    int row;
    Rgb colour;
};

void expectPixels(const Pattern& pattern, const std::vector<PixelExample>& table)
{
    for (const PixelExample& e : table) {
        SCOPED_TRACE(e.label);
        const Picture p = render(pattern, e.fields);
        ASSERT_GT(p.width, e.column);
        ASSERT_GT(p.height, e.row);
        const Rgb got = rgbOf(p.at(e.column, e.row));
        EXPECT_EQ(got, e.colour) << "got " << describe(got) << ", want "
                                 << describe(e.colour);
    }
}

// The first, middle and last pixel of the 150 by 150 default picture.
constexpr int kFirst = 0;    // window point (161, 51)
constexpr int kMiddle = 74;  // window point (235, 125)
constexpr int kLast = 149;   // window point (310, 200)

// ---------------------------------------------------------------------------
// Pictures of a single colour.

struct UniformExample {
    const char* label;
    FieldTexts fields;
    Rgb colour;
};

void expectUniform(const Pattern& pattern, const std::vector<UniformExample>& table)
{
    const std::pair<int, int> probes[] = {{0, 0},   {149, 0},  {0, 149},  {74, 74},
                                          {149, 149}, {37, 101}, {120, 13}};
    for (const UniformExample& e : table) {
        SCOPED_TRACE(e.label);
        const Picture p = render(pattern, e.fields);
        ASSERT_EQ(p.width, 150);
        ASSERT_EQ(p.height, 150);
        for (const auto& [c, r] : probes) {
            const Rgb got = rgbOf(p.at(c, r));
            EXPECT_EQ(got, e.colour) << "column " << c << ", row " << r << ": got "
                                     << describe(got) << ", want " << describe(e.colour);
        }
    }
}

void expectAllBlack(const Picture& p)
{
    ASSERT_GT(p.width, 0);
    int coloured = 0;
    for (Colour c : p.colours) coloured += c != 0;
    EXPECT_EQ(coloured, 0) << "pixels not black";
}

// With the brightness negated every component changes sign before the clamp,
// so no component can be non-zero in both pictures; returns how many
// components take colour only under the negative brightness.
int expectSignsExchanged(const Pattern& pattern)
{
    const Picture plus = render(pattern, withBrightness("150"));
    const Picture minus = render(pattern, withBrightness("-150"));
    EXPECT_EQ(plus.colours.size(), minus.colours.size());
    int onlyNegative = 0;
    int both = 0;
    for (std::size_t i = 0; i < plus.colours.size() && i < minus.colours.size(); ++i) {
        const Rgb p = rgbOf(plus.colours[i]);
        const Rgb m = rgbOf(minus.colours[i]);
        both += (p.red > 0 && m.red > 0) + (p.green > 0 && m.green > 0) +
                (p.blue > 0 && m.blue > 0);
        onlyNegative += (m.red > 0) + (m.green > 0) + (m.blue > 0);
    }
    EXPECT_EQ(both, 0) << "components coloured under both signs of the brightness";
    return onlyNegative;
}

// ---------------------------------------------------------------------------
// hix, "hari"

TEST(Hix, SnapshotAndExtent)
{
    expectFrames(hix, {
        {"defaults", defaults(), -74, -74, 2, 150, 150, 150},
        {"centred on 100, 100", fieldsWith("100", "100", "150", "1", "150"), 25, 25, 2, 150,
         150, 150},
        {"large size", fieldsWith("512", "384", "768", "1", "150"), 0, 0, 2, 150, 1024, 768},
        {"Xoom 0.25 doubled", withXoom("0.25"), -74, -74, 0.5, 150, 150, 150},
    });
}

TEST(Hix, PixelColours)
{
    expectPixels(hix, {
        {"first, x = y = -73", defaults(), kFirst, kFirst, {0, 1, 0}},
        {"middle, x = y = 1", defaults(), kMiddle, kMiddle, {5, 5, 23}},
        {"last, x = y = 76", defaults(), kLast, kLast, {3, 2, 10}},
    });
}

TEST(Hix, OneColourPictures)
{
    expectUniform(hix, {
        {"Xoom 0: red and blue negative, green 0.36", withXoom("0"), {0, 0, 0}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
    });
}

TEST(Hix, BrightnessSignSelectsThePixels)
{
    expectAllBlack(render(hix, withBrightness("0")));
    EXPECT_GT(expectSignsExchanged(hix), 0);
}

TEST(Hix, XoomZeroMixSigns)
{
    // At Xoom 0 the red and blue mixes are negative and the green mix is
    // positive (0.36 at brightness 150). A brightness large enough to saturate
    // shows only those signs, and a negative one exchanges them.
    expectUniform(hix, {
        {"Xoom 0, brightness 1e9", fieldsWith("1", "1", "150", "0", "1e9"), {0, 255, 0}},
        {"Xoom 0, brightness -1e9", fieldsWith("1", "1", "150", "0", "-1e9"), {255, 0, 255}},
    });
}

// ---------------------------------------------------------------------------
// ice, "icening"

TEST(Ice, SnapshotAndExtent)
{
    expectFrames(ice, {
        {"defaults", defaults(), -74, -74, 1, 150, 150, 150},
        {"centred on 100, 100", fieldsWith("100", "100", "150", "1", "150"), 25, 25, 1, 150,
         150, 150},
        {"large size", fieldsWith("512", "384", "768", "1", "150"), 0, 0, 1, 150, 1024, 768},
        {"Xoom 0.25 unscaled", withXoom("0.25"), -74, -74, 0.25, 150, 150, 150},
    });
}

TEST(Ice, PixelColours)
{
    expectPixels(ice, {
        {"first, x = y = -73", defaults(), kFirst, kFirst, {4, 11, 21}},
        {"middle, x = y = 1, blue clamped", defaults(), kMiddle, kMiddle, {219, 177, 255}},
        {"last, x = y = 76", defaults(), kLast, kLast, {7, 14, 28}},
    });
}

TEST(Ice, OneColourPictures)
{
    expectUniform(ice, {
        {"Xoom 0, blue clamped", withXoom("0"), {234, 157, 255}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
        {"negative brightness: no mix is negative", withBrightness("-150"), {0, 0, 0}},
    });
}

TEST(Ice, NegativeBrightnessBlackensEverything)
{
    expectAllBlack(render(ice, withBrightness("0")));
    expectAllBlack(render(ice, withBrightness("-150")));
}

// ---------------------------------------------------------------------------
// joke, "jay"

TEST(Joke, SnapshotAndExtent)
{
    expectFrames(joke, {
        {"defaults", defaults(), -74, -74, 2, 150, 150, 150},
        {"centred on 100, 100", fieldsWith("100", "100", "150", "1", "150"), 25, 25, 2, 150,
         150, 150},
        {"large size", fieldsWith("512", "384", "768", "1", "150"), 0, 0, 2, 150, 1024, 768},
        {"Xoom 0.25 doubled", withXoom("0.25"), -74, -74, 0.5, 150, 150, 150},
    });
}

TEST(Joke, PixelColours)
{
    expectPixels(joke, {
        {"first, x = y = -73", defaults(), kFirst, kFirst, {70, 29, 15}},
        {"middle, x = y = 1", defaults(), kMiddle, kMiddle, {33, 11, 5}},
        {"last, x = y = 76", defaults(), kLast, kLast, {81, 32, 16}},
    });
}

TEST(Joke, OneColourPictures)
{
    expectUniform(joke, {
        {"Xoom 0: k1 = 1, k2 = 0, k6 = tan 1", withXoom("0"), {53, 16, 8}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
        {"negative brightness: no mix is negative", withBrightness("-150"), {0, 0, 0}},
    });
}

TEST(Joke, NegativeBrightnessBlackensEverything)
{
    expectAllBlack(render(joke, withBrightness("0")));
    expectAllBlack(render(joke, withBrightness("-150")));
}

// ---------------------------------------------------------------------------
// kraken, "kanga": corner across, centred down.

TEST(Kraken, SnapshotAndExtent)
{
    expectFrames(kraken, {
        {"defaults", defaults(), 1, -74, 1, 150, 150, 150},
        {"x 401..550, y 226..375", fieldsWith("400", "300", "150", "1", "150"), 400, 225, 1,
         150, 150, 150},
        {"large size", fieldsWith("512", "384", "768", "1", "150"), 512, 0, 1, 150, 1024,
         768},
        {"Xoom 0.25 unscaled", withXoom("0.25"), 1, -74, 0.25, 150, 150, 150},
    });
}

TEST(Kraken, PixelColours)
{
    expectPixels(kraken, {
        {"first, x = 2, y = -73", defaults(), kFirst, kFirst, {180, 196, 229}},
        {"middle, x = 76, y = 1", defaults(), kMiddle, kMiddle, {196, 161, 169}},
        {"last, x = 151, y = 76, red and green clamped", defaults(), kLast, kLast,
         {255, 255, 242}},
    });
}

TEST(Kraken, OneColourPictures)
{
    expectUniform(kraken, {
        {"Xoom 0: k1 = tan 1", withXoom("0"), {154, 163, 197}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
    });
}

TEST(Kraken, BrightnessSignSelectsThePixels)
{
    expectAllBlack(render(kraken, withBrightness("0")));
    EXPECT_GT(expectSignsExchanged(kraken), 0);
}

// ---------------------------------------------------------------------------
// limbo, "louis": centred with the half-extents exchanged.

TEST(Limbo, SnapshotAndExtent)
{
    expectFrames(limbo, {
        {"defaults", defaults(), -74, -74, 2, 150, 150, 150},
        {"large size: halves exchanged, x 117..1140, y -111..656",
         fieldsWith("500", "400", "768", "1", "150"), 116, -112, 2, 150, 1024, 768},
        {"size other than 768 is centred", fieldsWith("100", "100", "150", "1", "150"), 25,
         25, 2, 150, 150, 150},
        {"odd size, plain halves", fieldsWith("100", "100", "151", "1", "150"), 24.5, 24.5,
         2, 150, 151, 151},
        {"Xoom 0.25 doubled", withXoom("0.25"), -74, -74, 0.5, 150, 150, 150},
    });
}

TEST(Limbo, PixelColours)
{
    expectPixels(limbo, {
        {"first, x = y = -73", defaults(), kFirst, kFirst, {17, 0, 0}},
        {"middle, x = y = 1", defaults(), kMiddle, kMiddle, {106, 0, 0}},
        {"last, x = y = 76", defaults(), kLast, kLast, {116, 0, 0}},
    });
}

TEST(Limbo, OneColourPictures)
{
    expectUniform(limbo, {
        {"Xoom 0: both angles 0.5", withXoom("0"), {95, 0, 0}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
    });
}

TEST(Limbo, BrightnessSignSelectsThePixels)
{
    expectAllBlack(render(limbo, withBrightness("0")));
    EXPECT_GT(expectSignsExchanged(limbo), 0);
}

// ---------------------------------------------------------------------------
// numb, "nyet": corner shifted 150 right and 150 up.

TEST(Numb, SnapshotAndExtent)
{
    expectFrames(numb, {
        {"defaults", defaults(), 151, -149, 1.5, 150, 150, 150},
        {"x 551..700, y 151..300", fieldsWith("400", "300", "150", "1", "150"), 550, 150,
         1.5, 150, 150, 150},
        {"large size keeps the corner", fieldsWith("512", "384", "768", "1", "150"), 662,
         234, 1.5, 150, 1024, 768},
        {"Xoom 2 scaled by 1.5", withXoom("2"), 151, -149, 3, 150, 150, 150},
    });
}

TEST(Numb, PixelColours)
{
    expectPixels(numb, {
        {"first, x = 152, y = -148", defaults(), kFirst, kFirst, {56, 74, 114}},
        {"middle, x = 226, y = -74", defaults(), kMiddle, kMiddle, {55, 71, 115}},
        {"last, x = 301, y = 1", defaults(), kLast, kLast, {115, 106, 189}},
    });
}

TEST(Numb, OneColourPictures)
{
    expectUniform(numb, {
        {"Xoom 0", withXoom("0"), {101, 27, 137}},
        {"brightness 0", withBrightness("0"), {0, 0, 0}},
    });
}

TEST(Numb, BrightnessSignSelectsThePixels)
{
    expectAllBlack(render(numb, withBrightness("0")));
    EXPECT_GT(expectSignsExchanged(numb), 0);
}

// ---------------------------------------------------------------------------
// Every one of these patterns draws nothing for a size below 1.

TEST(PatternsHToN, SizeBelowOneDrawsNothing)
{
    const Pattern* patterns[] = {&hix, &ice, &joke, &kraken, &limbo, &numb};
    const char* sizes[] = {"0", "", "abc", "-5", "0.5"};
    for (const Pattern* pattern : patterns) {
        for (const char* size : sizes) {
            SCOPED_TRACE(std::string(pattern->routine) + ", size \"" + size + "\"");
            FieldTexts f;
            f.three = size;
            const Outcome<Picture> p = renderPicture(*pattern, f);
            ASSERT_TRUE(p.ok()) << p.failure().message();
            EXPECT_TRUE(p.value().colours.empty());
        }
    }
}

// Only "nyet" reads the position fields before the size, so only it names
// TextOne when both hold a number beyond the double range.
TEST(PatternsHToN, FirstFieldReadNamesTheFailure)
{
    const std::pair<const Pattern*, const char*> table[] = {
        {&hix, "in TextThree"},    {&ice, "in TextThree"},   {&joke, "in TextThree"},
        {&kraken, "in TextThree"}, {&limbo, "in TextThree"}, {&numb, "in TextOne"},
    };
    for (const auto& [pattern, where] : table) {
        SCOPED_TRACE(std::string(pattern->routine));
        const Outcome<Snapshot> s =
            takeSnapshot(pattern->rule, fieldsWith("1e999", "1", "1e999", "1", "150"));
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().fault, Fault::Overflow);
        EXPECT_EQ(s.failure().where, where);
    }
}

}  // namespace
}  // namespace zentrel
