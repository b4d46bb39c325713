// The nineteen patterns against colours and snapshot values worked out from
// their formulas: one table per kind of check, one row per example.
//
// Column c, row r of a picture is the pixel at window point (161 + c, 51 + r).
// With the default fields (size 150, centre 1, 1) a centred picture runs from
// x = y = -73 (column 0, row 0) to x = y = 76 (column 149, row 149); pixels
// off the diagonal tell x from y.

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/colour.h"
#include "engine/field_texts.h"
#include "engine/render.h"
#include "engine/snapshot.h"
#include "patterns/pattern_table.h"
#include "patterns/patterns.h"
#include "support.h"

namespace zentrel {
namespace {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
    int operator[](int k) const { return k == 0 ? red : k == 1 ? green : blue; }
};

constexpr Rgb kBlack{0, 0, 0};

Rgb rgbOf(Colour c) { return {redOf(c), greenOf(c), blueOf(c)}; }

std::ostream& operator<<(std::ostream& os, const Rgb& c)
{
    return os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

using test::F;
FieldTexts xoom(std::string four) { return F("1", "1", "150", std::move(four)); }
FieldTexts bright(std::string five) { return F("1", "1", "150", "1", std::move(five)); }
// Xoom 0, which makes most patterns one colour throughout.
FieldTexts flat(std::string five) { return F("1", "1", "150", "0", std::move(five)); }

const FieldTexts kDefaults{};
const FieldTexts kAt100 = F("100", "100", "150");
const FieldTexts kFlatAt100 = F("100", "100", "150", "0");
const FieldTexts kLarge = F("512", "384", "768");

// A size one step above 150 whose half differs from 75, but whose number text
// drops the digits that make the difference.
constexpr double kLongSize = 150.00000000000003;
static_assert(kLongSize != 150 && kLongSize / 2 != 75);
const FieldTexts kLong = F("1", "1", "150.00000000000003");

// The routine and the fields that differ from the defaults, as a test name:
// "hix_one100_two100_xoom0p25".
template <class Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info)
{
    // clang-format off
    static const std::pair<const char*, std::string FieldTexts::*> kFields[] = {
        {"one", &FieldTexts::across},   {"two", &FieldTexts::down},     {"size", &FieldTexts::size},
        {"xoom", &FieldTexts::xoom}, {"bright", &FieldTexts::brightness}};
    std::string name(info.param.pattern->routine);
    for (const auto& [label, field] : kFields) {
        const std::string& text = info.param.fields.*field;
        if (text == kDefaults.*field) continue;
        name += std::string("_") + label;
        for (char ch : text)
            name += std::isalnum(static_cast<unsigned char>(ch)) ? ch
                    : ch == '.' ? 'p' : ch == '-' ? 'm' : '_';
    }
    // clang-format on
    return name;
}

Picture render(const Pattern& pattern, const FieldTexts& fields)
{
    const Outcome<Picture> picture = renderPicture(pattern, fields, 2);
    if (picture.ok()) return picture.value();
    ADD_FAILURE() << pattern.routine << ": " << picture.failure().message();
    return {};
}

void expectUniform(const Picture& p, Rgb expected)
{
    EXPECT_FALSE(p.colours.empty());
    int wrong = 0;
    for (int c = 0; c < p.width; ++c)
        for (int r = 0; r < p.height; ++r)
            if (rgbOf(p.at(c, r)) != expected && ++wrong <= 3)
                ADD_FAILURE() << "column " << c << " row " << r << " is " << rgbOf(p.at(c, r))
                              << ", expected " << expected;
    EXPECT_EQ(wrong, 0);
}

// ---------------------------------------------------------------------------
// One row per button: its place, its names, the field a failure names when
// TextOne and TextThree both hold a number beyond the double range, and no
// picture at all for a size below 1.

struct CatalogueRow {
    int button;
    const Pattern* pattern;
    const char *caption, *routine, *readFirst;
};

// clang-format off
const CatalogueRow kCatalogue[] = {
    {0, &aries, "aqua", "aries", "TextThree"},     {1, &blood, "brains", "blood", "TextThree"},
    {2, &celt, "crumbs", "celt", "TextThree"},     {3, &dune, "deyes", "dune", "TextThree"},
    {4, &eeee, "eels", "eeee", "TextThree"},       {5, &fun, "fey", "fun", "TextThree"},
    {6, &grin, "gall", "grin", "TextThree"},       {7, &hix, "hari", "hix", "TextThree"},
    {8, &ice, "icening", "ice", "TextThree"},      {9, &joke, "jay", "joke", "TextThree"},
    {10, &kraken, "kanga", "kraken", "TextThree"}, {11, &limbo, "louis", "limbo", "TextThree"},
    {12, &numb, "nyet", "numb", "TextOne"},        {13, &ooh, "oogli", "ooh", "TextOne"},
    {14, &Punk, "pug", "Punk", "TextOne"},         {15, &qwin, "quasi", "qwin", "TextThree"},
    {16, &rook, "riski", "rook", "TextOne"},       {17, &sizZle, "shim", "sizZle", "TextThree"},
    {18, &Tame, "tang", "Tame", "TextThree"},
};
// clang-format on

class PatternCatalogue : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(PatternCatalogue, ButtonNamesAndFirstFieldRead)
{
    const CatalogueRow& row = GetParam();
    EXPECT_EQ(patternTable()[row.button], row.pattern);
    EXPECT_EQ(row.pattern->caption, row.caption);
    EXPECT_EQ(row.pattern->routine, row.routine);
    EXPECT_EQ(findPattern(row.caption), row.pattern);
    EXPECT_EQ(findPattern(row.routine), row.pattern);

    const Outcome<Snapshot> s = takeSnapshot(row.pattern->rule, F("1e999", "1", "1e999"));
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().fault, Fault::Overflow);
    EXPECT_EQ(s.failure().where, std::string("in ") + row.readFirst);
}

TEST_P(PatternCatalogue, SizeBelowOneDrawsNothing)
{
    for (const char* size : {"0", "-5", "-20", "", "abc", "0.5"}) {
        SCOPED_TRACE(std::string("size \"") + size + "\"");
        const Outcome<Picture> p = renderPicture(*GetParam().pattern, F("1", "1", size));
        ASSERT_TRUE(p.ok()) << p.failure().message();
        EXPECT_TRUE(p.value().colours.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternCatalogue, ::testing::ValuesIn(kCatalogue),
                         [](const auto& info) { return std::string(info.param.routine); });

// ---------------------------------------------------------------------------
// Single pixels.

struct PixelRow {
    const Pattern* pattern;
    int column, row;
    Rgb expected;
    FieldTexts fields = kDefaults;
};

// clang-format off
const PixelRow kPixels[] = {
    // x = y = 100 in the picture centred on 100, 100; its green sum is negative.
    {&aries, 74, 74, {39, 0, 107}, kAt100},
    {&blood, 0, 0, {6, 6, 20}},       {&blood, 149, 149, {33, 10, 34}},
    {&blood, 0, 149, {27, 8, 17}},    {&blood, 149, 0, {24, 9, 26}},
    {&celt, 0, 0, {41, 17, 9}},       {&celt, 149, 149, {85, 26, 24}},
    {&celt, 0, 149, {158, 42, 53}},   {&celt, 149, 0, {163, 93, 32}},
    {&dune, 0, 0, {0, 18, 59}},       {&dune, 149, 149, {0, 9, 53}},
    {&dune, 0, 149, {0, 0, 51}},      {&dune, 149, 0, {0, 34, 62}},
    {&eeee, 0, 0, {7, 9, 8}},         {&eeee, 149, 149, {2, 13, 23}},
    {&eeee, 0, 149, {11, 13, 5}},     {&eeee, 149, 0, {10, 13, 5}},
    {&fun, 0, 0, {34, 24, 79}},       {&fun, 149, 149, {32, 25, 82}},
    {&fun, 0, 149, {11, 11, 31}},     {&fun, 149, 0, {195, 85, 255}},
    {&grin, 0, 0, {73, 58, 102}},     {&grin, 149, 149, {92, 75, 102}},
    {&grin, 0, 149, {73, 54, 67}},    {&grin, 149, 0, {72, 61, 39}},
    {&hix, 0, 0, {0, 1, 0}}, {&hix, 74, 74, {5, 5, 23}}, {&hix, 149, 149, {3, 2, 10}},
    {&ice, 0, 0, {4, 11, 21}}, {&ice, 74, 74, {219, 177, 255}}, {&ice, 149, 149, {7, 14, 28}},
    {&joke, 0, 0, {70, 29, 15}}, {&joke, 74, 74, {33, 11, 5}}, {&joke, 149, 149, {81, 32, 16}},
    {&kraken, 0, 0, {180, 196, 229}}, {&kraken, 74, 74, {196, 161, 169}},
    {&kraken, 149, 149, {255, 255, 242}},
    {&limbo, 0, 0, {17, 0, 0}}, {&limbo, 74, 74, {106, 0, 0}}, {&limbo, 149, 149, {116, 0, 0}},
    {&numb, 0, 0, {56, 74, 114}}, {&numb, 74, 74, {55, 71, 115}},
    {&numb, 149, 149, {115, 106, 189}},
    // Column 0, row 149 of the default picture, off the diagonal.
    {&aries, 0, 149, {29, 82, 199}}, {&hix, 0, 149, {1, 6, 17}}, {&ice, 0, 149, {38, 59, 138}},
    {&joke, 0, 149, {69, 29, 15}}, {&limbo, 0, 149, {0, 44, 33}}, {&Punk, 0, 149, {53, 89, 122}},
    {&qwin, 0, 149, {47, 65, 23}}, {&rook, 0, 149, {10, 13, 6}}, {&sizZle, 0, 149, {27, 10, 8}},
    {&Tame, 0, 149, {61, 0, 29}},
    // At Xoom 0 the colour follows x / y: x = y = 26, x = y = 52, x = 26 with y = 52.
    {&qwin, 0, 0, {27, 69, 49}, kFlatAt100}, {&qwin, 26, 26, {27, 69, 49}, kFlatAt100},
    {&qwin, 0, 26, {12, 44, 56}, kFlatAt100},
};
// clang-format on

class PatternPixels : public ::testing::TestWithParam<PixelRow> {};

TEST_P(PatternPixels, ColourWorkedOutFromTheFormula)
{
    const PixelRow& row = GetParam();
    const Picture p = render(*row.pattern, row.fields);
    ASSERT_LT(row.column, p.width);
    ASSERT_LT(row.row, p.height);
    EXPECT_EQ(rgbOf(p.at(row.column, row.row)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternPixels, ::testing::ValuesIn(kPixels),
                         [](const ::testing::TestParamInfo<PixelRow>& info) {
                             return rowName(info) + "_c" + std::to_string(info.param.column) +
                                    "_r" + std::to_string(info.param.row);
                         });

// ---------------------------------------------------------------------------
// Pictures of one colour throughout; comments give the unrounded components.

struct UniformRow {
    const Pattern* pattern;
    FieldTexts fields;
    Rgb expected;
};

// clang-format off
const UniformRow kUniform[] = {
    {&aries, flat("150"), {18, 20, 66}},    {&blood, flat("150"), {58, 15, 59}},
    {&blood, flat("0"), {0, 5, 15}},        {&celt, flat("150"), {55, 13, 17}},
    {&celt, bright("-1"), kBlack},          {&dune, flat("150"), {35, 4, 0}},
    {&eeee, flat("150"), {0, 0, 2}},        {&fun, flat("150"), {29, 26, 83}},
    {&fun, bright("-1"), kBlack},           {&grin, flat("150"), {22, 33, 9}},
    {&grin, bright("-1"), kBlack},
    // Red and blue mixes negative, green 0.36: saturating shows the signs.
    {&hix, flat("150"), kBlack},            {&hix, flat("1e9"), {0, 255, 0}},
    {&hix, flat("-1e9"), {255, 0, 255}},    {&ice, flat("150"), {234, 157, 255}},
    {&joke, flat("150"), {53, 16, 8}},      {&kraken, flat("150"), {154, 163, 197}},
    {&limbo, flat("150"), {95, 0, 0}},      {&numb, flat("150"), {101, 27, 137}},
    {&ooh, kFlatAt100, {255, 255, 193}},    {&ooh, flat("1"), {64, 13, 1}},
    {&ooh, F("100", "100", "150", "0", "1"), {64, 13, 1}},
    {&Punk, flat("150"), {21, 36, 65}}, {&Punk, kFlatAt100, {21, 36, 65}},  // 21.31, 35.51, 64.89
    {&Punk, flat("450"), {64, 107, 195}},   // 63.92, 106.53, 194.66
    {&rook, flat("150"), {11, 23, 23}}, {&rook, kFlatAt100, {11, 23, 23}},  // 10.71, 22.60, 22.78
    {&rook, flat("1500"), {107, 226, 228}},
    {&sizZle, flat("150"), {128, 73, 18}},  // 128.25, 73.29, 18.32
    {&sizZle, kFlatAt100, {128, 73, 18}},
    {&sizZle, flat("285"), {244, 139, 35}},  // 243.68, 139.25, 34.81
    // Green is lowered by 30 before the clamp: 110.21, -3.76, 48.54.
    {&Tame, flat("150"), {110, 0, 49}},     {&Tame, kFlatAt100, {110, 0, 49}},
    {&Tame, F("1", "1", "768", "0"), {110, 0, 49}},
    {&Tame, flat("300"), {220, 22, 97}},    // green 2 * 26.24 - 30
    {&Tame, flat("20"), {15, 0, 6}},        // green 3.50 - 30
};
// clang-format on

class PatternUniform : public ::testing::TestWithParam<UniformRow> {};

TEST_P(PatternUniform, OneColourEverywhere)
{
    expectUniform(render(*GetParam().pattern, GetParam().fields), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternUniform, ::testing::ValuesIn(kUniform),
                         rowName<UniformRow>);

// ---------------------------------------------------------------------------
// Snapshot values, and the extent of the picture drawn from them.

struct SnapshotRow {
    const Pattern* pattern;
    FieldTexts fields;
    double left, top, zoom, bright, width = 150, size = 150;
};

// clang-format off
const SnapshotRow kSnapshots[] = {
    {&aries, kDefaults, -74, -74, 1, 150},      {&blood, kDefaults, -74, -74, 1, 150},
    {&blood, F("1", "1", "150", "0", "0"), -74, -74, 0, 0},
    {&blood, F("512", "384", "768", "3", "7"), 0, 0, 3, 7, 1024, 768},
    // half() reads the size back from its text, which drops the last digits.
    {&blood, kLong, -74, -74, 1, 150, kLongSize, kLongSize},
    {&celt, kDefaults, -74, -74, 1 * 0.7, 150}, {&celt, xoom("3"), -74, -74, 3 * 0.7, 150},
    {&celt, flat("150"), -74, -74, 0, 150},
    {&dune, kDefaults, -74, -74, 2, 75},        {&dune, bright("1"), -74, -74, 2, 0.5},
    {&dune, xoom("0.25"), -74, -74, 0.5, 75},   {&dune, bright("-3"), -74, -74, 2, -1.5},
    {&eeee, kDefaults, -74, -74, 2, 150},       {&eeee, kLarge, 0, 0, 2, 150, 1024, 768},
    {&eeee, F("1", "1", "151"), -74.5, -74.5, 2, 150, 151, 151},
    // Plain halves keep the digits that the trip through the text drops.
    {&eeee, kLong, 1 - kLongSize / 2, 1 - kLongSize / 2, 2, 150, kLongSize, kLongSize},
    {&fun, kDefaults, -74, -74, 2, 150},
    {&fun, F("1", "1", "150", "1.5", "7"), -74, -74, 3, 7},
    // Divided by 3: 5 / 3 and 5 times a third differ in the last bit.
    {&grin, kDefaults, -74, -74, 1.0 / 3, 150}, {&grin, xoom("5"), -74, -74, 5.0 / 3, 150},
    {&grin, xoom("6"), -74, -74, 2, 150},       {&grin, flat("150"), -74, -74, 0, 150},
    {&hix, kDefaults, -74, -74, 2, 150},        {&hix, kAt100, 25, 25, 2, 150},
    {&hix, kLarge, 0, 0, 2, 150, 1024, 768},    {&hix, xoom("0.25"), -74, -74, 0.5, 150},
    {&ice, kDefaults, -74, -74, 1, 150},        {&ice, kAt100, 25, 25, 1, 150},
    {&ice, kLarge, 0, 0, 1, 150, 1024, 768},    {&ice, xoom("0.25"), -74, -74, 0.25, 150},
    {&joke, kDefaults, -74, -74, 2, 150},       {&joke, kAt100, 25, 25, 2, 150},
    {&joke, kLarge, 0, 0, 2, 150, 1024, 768},   {&joke, xoom("0.25"), -74, -74, 0.5, 150},
    // Corner across, centred down.
    {&kraken, kDefaults, 1, -74, 1, 150},       {&kraken, F("400", "300", "150"), 400, 225, 1, 150},
    {&kraken, kLarge, 512, 0, 1, 150, 1024, 768}, {&kraken, xoom("0.25"), 1, -74, 0.25, 150},
    // Centred with the two half-extents exchanged, by plain division.
    {&limbo, kDefaults, -74, -74, 2, 150},      {&limbo, kAt100, 25, 25, 2, 150},
    {&limbo, F("500", "400", "768"), 116, -112, 2, 150, 1024, 768},
    {&limbo, F("100", "100", "151"), 24.5, 24.5, 2, 150, 151, 151},
    {&limbo, xoom("0.25"), -74, -74, 0.5, 150},
    // Corner shifted 150 right and 150 up.
    {&numb, kDefaults, 151, -149, 1.5, 150},    {&numb, F("400", "300", "150"), 550, 150, 1.5, 150},
    {&numb, kLarge, 662, 234, 1.5, 150, 1024, 768}, {&numb, xoom("2"), 151, -149, 3, 150},
    {&ooh, kAt100, 250, -50, 2, 150},
    {&ooh, F("1", "1", "150", "0.3", "7"), 151, -149, 0.3 * 2, 7},
    {&ooh, F("0", "512", "768", "-2", "1"), 150, 362, -4, 1, 1024, 768},
    {&Punk, kAt100, 100, 100, 1, 300},
    {&Punk, F("-3", "7", "150", "0.3", "0.1"), -3, 7, 0.3, 2 * 0.1},
    {&Punk, F("512", "384", "768", "1", "-5"), 512, 384, 1, -10, 1024, 768},
    {&qwin, kAt100, 25, 25, 3, 75},             {&qwin, kLarge, 0, 0, 3, 75, 1024, 768},
    {&qwin, F("1", "1", "150", "0.1", "3"), -74, -74, 0.1 * 3, 1.5},
    {&rook, kAt100, 100, 100, 0.5, 150},
    {&rook, F("-3", "7", "150", "0.3", "2"), -3, 7, 0.3 / 2, 2},
    {&rook, F("0", "0", "768", "3", "1"), 0, 0, 1.5, 1, 1024, 768},
    {&sizZle, kAt100, 25, 25, 3, 150},          {&sizZle, kLarge, 0, 0, 3, 150, 1024, 768},
    {&sizZle, F("1", "1", "150", "0.1", "3"), -74, -74, 0.1 * 3, 3},
    // Half the width ahead across, the corner down.
    {&Tame, kAt100, 175, 100, 2, 150},
    {&Tame, F("1", "1", "150", "0.3", "3"), 76, 1, 0.3 * 2, 3},
    {&Tame, F("10", "20", "768"), 522, 20, 2, 150, 1024, 768},
};
// clang-format on

class PatternSnapshot : public ::testing::TestWithParam<SnapshotRow> {};

TEST_P(PatternSnapshot, ValuesAndExtent)
{
    const SnapshotRow& row = GetParam();
    const Outcome<Snapshot> s = takeSnapshot(row.pattern->rule, row.fields);
    ASSERT_TRUE(s.ok()) << s.failure().message();
    EXPECT_EQ(s.value().left, row.left);
    EXPECT_EQ(s.value().top, row.top);
    EXPECT_EQ(s.value().zoom, row.zoom);
    EXPECT_EQ(s.value().bright, row.bright);
    EXPECT_EQ(s.value().width, row.width);
    EXPECT_EQ(s.value().size, row.size);
    const Picture p = render(*row.pattern, row.fields);
    EXPECT_EQ(p.width, static_cast<int>(row.width));
    EXPECT_EQ(p.height, static_cast<int>(row.size));
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternSnapshot, ::testing::ValuesIn(kSnapshots),
                         rowName<SnapshotRow>);

// ---------------------------------------------------------------------------
// Brightness 0, or no number, leaves the colour of the offsets alone.
// Negating the brightness negates every mix before the clamp, so no component
// rises above that colour under both signs; `lights` names the components
// whose mix can be negative, the only ones a negative brightness can raise.
// It changes the picture if something can rise or something can be lowered.

struct BrightnessRow {
    const Pattern* pattern;
    Rgb atZero;
    const char* lights;
};

// clang-format off
const BrightnessRow kBrightness[] = {
    {&aries, kBlack, "g"}, {&blood, {0, 5, 15}, ""}, {&celt, kBlack, ""}, {&dune, kBlack, "rgb"},
    {&eeee, kBlack, "rgb"}, {&fun, kBlack, ""}, {&grin, kBlack, ""}, {&hix, kBlack, "rgb"},
    {&ice, kBlack, ""}, {&joke, kBlack, ""}, {&kraken, kBlack, "rgb"}, {&limbo, kBlack, "rgb"},
    {&numb, kBlack, "rgb"}, {&ooh, kBlack, ""}, {&Punk, kBlack, ""}, {&qwin, kBlack, "rgb"},
    {&rook, kBlack, "rgb"}, {&sizZle, kBlack, ""}, {&Tame, kBlack, "rb"},
};
// clang-format on

class PatternBrightness : public ::testing::TestWithParam<BrightnessRow> {};

TEST_P(PatternBrightness, ZeroAndNegative)
{
    const BrightnessRow& row = GetParam();
    for (const char* five : {"0", "no number"}) {
        SCOPED_TRACE(std::string("brightness \"") + five + "\"");
        expectUniform(render(*row.pattern, bright(five)), row.atZero);
    }
    const Picture plus = render(*row.pattern, kDefaults);
    const Picture minus = render(*row.pattern, bright("-150"));
    ASSERT_FALSE(minus.colours.empty());
    ASSERT_EQ(plus.colours.size(), minus.colours.size());
    int both = 0, forbidden = 0, changed = 0;
    for (std::size_t i = 0; i < minus.colours.size(); ++i) {
        const Rgb p = rgbOf(plus.colours[i]);
        const Rgb m = rgbOf(minus.colours[i]);
        changed += m != row.atZero;
        for (int k = 0; k < 3; ++k) {
            const bool rises = m[k] > row.atZero[k];
            both += rises && p[k] > row.atZero[k];
            forbidden += rises && !std::strchr(row.lights, "rgb"[k]);
        }
    }
    EXPECT_EQ(both, 0) << "components raised under both signs";
    EXPECT_EQ(forbidden, 0) << "components raised that have no negative mix";
    EXPECT_EQ(changed > 0, *row.lights != '\0' || row.atZero != kBlack) << changed;
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternBrightness, ::testing::ValuesIn(kBrightness),
                         [](const auto& info) { return std::string(info.param.pattern->routine); });

// ---------------------------------------------------------------------------
// The position fields move the content under the fixed picture: with TextOne
// 3 larger, column c shows what column c + 3 showed, and likewise TextTwo and
// the rows. Pictures with the same left and top agree where they overlap.

struct ShiftRow {
    const Pattern* pattern;
    FieldTexts fields, base;  // the moved picture and the one it is compared with
    int columns, rows;        // how far the content moves
};

std::vector<ShiftRow> shiftRows()
{
    // Size 768 centred on 512, 384 has left = top = 0, like size 150 on 75, 75.
    std::vector<ShiftRow> rows = {{&eeee, kLarge, F("75", "75", "150"), 0, 0}};
    for (const Pattern* p : patternTable()) {
        rows.push_back({p, F("4", "1", "150"), kDefaults, 3, 0});
        rows.push_back({p, F("1", "4", "150"), kDefaults, 0, 3});
    }
    return rows;
}

class PatternShift : public ::testing::TestWithParam<ShiftRow> {};

TEST_P(PatternShift, PositionFieldsMoveTheContent)
{
    const ShiftRow& row = GetParam();
    const Picture moved = render(*row.pattern, row.fields);
    const Picture base = render(*row.pattern, row.base);
    int compared = 0, mismatches = 0;
    for (int c = 0; c < moved.width && c + row.columns < base.width; ++c)
        for (int r = 0; r < moved.height && r + row.rows < base.height; ++r) {
            ++compared;
            if (moved.at(c, r) != base.at(c + row.columns, r + row.rows) && ++mismatches <= 3)
                ADD_FAILURE() << "column " << c << " row " << r << " differs";
        }
    EXPECT_GE(compared, 147 * 147);
    EXPECT_EQ(mismatches, 0);
    // Guards the test: the content depends on the coordinate moved.
    EXPECT_TRUE((row.columns == 0 && row.rows == 0) || moved.colours != base.colours);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternShift, ::testing::ValuesIn(shiftRows()),
                         rowName<ShiftRow>);

}  // namespace
}  // namespace zentrel
