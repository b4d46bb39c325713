// SPDX-License-Identifier: GPL-3.0-or-later
// The nineteen patterns against colours and snapshot values worked out from
// their formulas: one table per kind of check, one row per example.
//
// Column c, row r of a picture is the pixel at window point (161 + c, 51 + r).
// With the default fields (size 150, centre 1, 1) a centred picture runs from
// x = y = -73 (column 0, row 0) to x = y = 76 (column 149, row 149); pixels
// off the diagonal tell x from y.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <ostream>
#include <set>
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
    {0,  &ariesPattern,  "aqua",    "aries",  "TextThree"},
    {1,  &bloodPattern,  "brains",  "blood",  "TextThree"},
    {2,  &celtPattern,   "crumbs",  "celt",   "TextThree"},
    {3,  &dunePattern,   "deyes",   "dune",   "TextThree"},
    {4,  &eeeePattern,   "eels",    "eeee",   "TextThree"},
    {5,  &funPattern,    "fey",     "fun",    "TextThree"},
    {6,  &grinPattern,   "gall",    "grin",   "TextThree"},
    {7,  &hixPattern,    "hari",    "hix",    "TextThree"},
    {8,  &icePattern,    "icening", "ice",    "TextThree"},
    {9,  &jokePattern,   "jay",     "joke",   "TextThree"},
    {10, &krakenPattern, "kanga",   "kraken", "TextThree"},
    {11, &limboPattern,  "louis",   "limbo",  "TextThree"},
    {12, &numbPattern,   "nyet",    "numb",   "TextOne"},
    {13, &oohPattern,    "oogli",   "ooh",    "TextOne"},
    {14, &punkPattern,   "pug",     "Punk",   "TextOne"},
    {15, &qwinPattern,   "quasi",   "qwin",   "TextThree"},
    {16, &rookPattern,   "riski",   "rook",   "TextOne"},
    {17, &sizzlePattern, "shim",    "sizZle", "TextThree"},
    {18, &tamePattern,   "tang",    "Tame",   "TextThree"},
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

// The table holds every pattern of the list once, a button each.
TEST(PatternTable, HoldsEachPatternOnce)
{
    static_assert(static_cast<std::size_t>(kPatternCount) == std::size(kCatalogue));
    const auto& table = patternTable();
    const std::set<const Pattern*> distinct(table.begin(), table.end());
    EXPECT_EQ(distinct.size(), table.size());
    EXPECT_EQ(distinct.count(nullptr), 0u);
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
    {&ariesPattern, 74, 74, {39, 0, 107}, kAt100},
    {&bloodPattern, 0, 0, {6, 6, 20}},       {&bloodPattern, 149, 149, {33, 10, 34}},
    {&bloodPattern, 0, 149, {27, 8, 17}},    {&bloodPattern, 149, 0, {24, 9, 26}},
    {&celtPattern, 0, 0, {41, 17, 9}},       {&celtPattern, 149, 149, {85, 26, 24}},
    {&celtPattern, 0, 149, {158, 42, 53}},   {&celtPattern, 149, 0, {163, 93, 32}},
    {&dunePattern, 0, 0, {0, 18, 59}},       {&dunePattern, 149, 149, {0, 9, 53}},
    {&dunePattern, 0, 149, {0, 0, 51}},      {&dunePattern, 149, 0, {0, 34, 62}},
    {&eeeePattern, 0, 0, {7, 9, 8}},         {&eeeePattern, 149, 149, {2, 13, 23}},
    {&eeeePattern, 0, 149, {11, 13, 5}},     {&eeeePattern, 149, 0, {10, 13, 5}},
    {&funPattern, 0, 0, {34, 24, 79}},       {&funPattern, 149, 149, {32, 25, 82}},
    {&funPattern, 0, 149, {11, 11, 31}},     {&funPattern, 149, 0, {195, 85, 255}},
    {&grinPattern, 0, 0, {73, 58, 102}},     {&grinPattern, 149, 149, {92, 75, 102}},
    {&grinPattern, 0, 149, {73, 54, 67}},    {&grinPattern, 149, 0, {72, 61, 39}},
    {&hixPattern, 0, 0, {0, 1, 0}}, {&hixPattern, 74, 74, {5, 5, 23}}, {&hixPattern, 149, 149, {3, 2, 10}},
    {&icePattern, 0, 0, {4, 11, 21}}, {&icePattern, 74, 74, {219, 177, 255}}, {&icePattern, 149, 149, {7, 14, 28}},
    {&jokePattern, 0, 0, {70, 29, 15}}, {&jokePattern, 74, 74, {33, 11, 5}}, {&jokePattern, 149, 149, {81, 32, 16}},
    {&krakenPattern, 0, 0, {180, 196, 229}}, {&krakenPattern, 74, 74, {196, 161, 169}},
    {&krakenPattern, 149, 149, {255, 255, 242}},
    {&limboPattern, 0, 0, {17, 0, 0}}, {&limboPattern, 74, 74, {106, 0, 0}}, {&limboPattern, 149, 149, {116, 0, 0}},
    {&numbPattern, 0, 0, {56, 74, 114}}, {&numbPattern, 74, 74, {55, 71, 115}},
    {&numbPattern, 149, 149, {115, 106, 189}},
    // Column 0, row 149 of the default picture, off the diagonal.
    {&ariesPattern, 0, 149, {29, 82, 199}}, {&hixPattern, 0, 149, {1, 6, 17}}, {&icePattern, 0, 149, {38, 59, 138}},
    {&jokePattern, 0, 149, {69, 29, 15}}, {&limboPattern, 0, 149, {0, 44, 33}}, {&punkPattern, 0, 149, {53, 89, 122}},
    {&qwinPattern, 0, 149, {47, 65, 23}}, {&rookPattern, 0, 149, {10, 13, 6}}, {&sizzlePattern, 0, 149, {27, 10, 8}},
    {&tamePattern, 0, 149, {61, 0, 29}},
    // At Xoom 0 the colour follows x / y: x = y = 26, x = y = 52, x = 26 with y = 52.
    {&qwinPattern, 0, 0, {27, 69, 49}, kFlatAt100}, {&qwinPattern, 26, 26, {27, 69, 49}, kFlatAt100},
    {&qwinPattern, 0, 26, {12, 44, 56}, kFlatAt100},
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
    {&ariesPattern, flat("150"), {18, 20, 66}},    {&bloodPattern, flat("150"), {58, 15, 59}},
    {&bloodPattern, flat("0"), {0, 5, 15}},        {&celtPattern, flat("150"), {55, 13, 17}},
    {&celtPattern, bright("-1"), kBlack},          {&dunePattern, flat("150"), {35, 4, 0}},
    {&eeeePattern, flat("150"), {0, 0, 2}},        {&funPattern, flat("150"), {29, 26, 83}},
    {&funPattern, bright("-1"), kBlack},           {&grinPattern, flat("150"), {22, 33, 9}},
    {&grinPattern, bright("-1"), kBlack},
    // Red and blue mixes negative, green 0.36: saturating shows the signs.
    {&hixPattern, flat("150"), kBlack},            {&hixPattern, flat("1e9"), {0, 255, 0}},
    {&hixPattern, flat("-1e9"), {255, 0, 255}},    {&icePattern, flat("150"), {234, 157, 255}},
    {&jokePattern, flat("150"), {53, 16, 8}},      {&krakenPattern, flat("150"), {154, 163, 197}},
    {&limboPattern, flat("150"), {95, 0, 0}},      {&numbPattern, flat("150"), {101, 27, 137}},
    {&oohPattern, kFlatAt100, {255, 255, 193}},    {&oohPattern, flat("1"), {64, 13, 1}},
    {&oohPattern, F("100", "100", "150", "0", "1"), {64, 13, 1}},
    {&punkPattern, flat("150"), {21, 36, 65}}, {&punkPattern, kFlatAt100, {21, 36, 65}},  // 21.31, 35.51, 64.89
    {&punkPattern, flat("450"), {64, 107, 195}},   // 63.92, 106.53, 194.66
    {&rookPattern, flat("150"), {11, 23, 23}}, {&rookPattern, kFlatAt100, {11, 23, 23}},  // 10.71, 22.60, 22.78
    {&rookPattern, flat("1500"), {107, 226, 228}},
    {&sizzlePattern, flat("150"), {128, 73, 18}},  // 128.25, 73.29, 18.32
    {&sizzlePattern, kFlatAt100, {128, 73, 18}},
    {&sizzlePattern, flat("285"), {244, 139, 35}},  // 243.68, 139.25, 34.81
    // Green is lowered by 30 before the clamp: 110.21, -3.76, 48.54.
    {&tamePattern, flat("150"), {110, 0, 49}},     {&tamePattern, kFlatAt100, {110, 0, 49}},
    {&tamePattern, F("1", "1", "768", "0"), {110, 0, 49}},
    {&tamePattern, flat("300"), {220, 22, 97}},    // green 2 * 26.24 - 30
    {&tamePattern, flat("20"), {15, 0, 6}},        // green 3.50 - 30
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
    {&ariesPattern, kDefaults, -74, -74, 1, 150},      {&bloodPattern, kDefaults, -74, -74, 1, 150},
    {&bloodPattern, F("1", "1", "150", "0", "0"), -74, -74, 0, 0},
    {&bloodPattern, F("512", "384", "768", "3", "7"), 0, 0, 3, 7, 1024, 768},
    // half() reads the size back from its text, which drops the last digits.
    {&bloodPattern, kLong, -74, -74, 1, 150, kLongSize, kLongSize},
    {&celtPattern, kDefaults, -74, -74, 1 * 0.7, 150}, {&celtPattern, xoom("3"), -74, -74, 3 * 0.7, 150},
    {&celtPattern, flat("150"), -74, -74, 0, 150},
    {&dunePattern, kDefaults, -74, -74, 2, 75},        {&dunePattern, bright("1"), -74, -74, 2, 0.5},
    {&dunePattern, xoom("0.25"), -74, -74, 0.5, 75},   {&dunePattern, bright("-3"), -74, -74, 2, -1.5},
    {&eeeePattern, kDefaults, -74, -74, 2, 150},       {&eeeePattern, kLarge, 0, 0, 2, 150, 1024, 768},
    {&eeeePattern, F("1", "1", "151"), -74.5, -74.5, 2, 150, 151, 151},
    // Plain halves keep the digits that the trip through the text drops.
    {&eeeePattern, kLong, 1 - kLongSize / 2, 1 - kLongSize / 2, 2, 150, kLongSize, kLongSize},
    {&funPattern, kDefaults, -74, -74, 2, 150},
    {&funPattern, F("1", "1", "150", "1.5", "7"), -74, -74, 3, 7},
    // Divided by 3: 5 / 3 and 5 times a third differ in the last bit.
    {&grinPattern, kDefaults, -74, -74, 1.0 / 3, 150}, {&grinPattern, xoom("5"), -74, -74, 5.0 / 3, 150},
    {&grinPattern, xoom("6"), -74, -74, 2, 150},       {&grinPattern, flat("150"), -74, -74, 0, 150},
    {&hixPattern, kDefaults, -74, -74, 2, 150},        {&hixPattern, kAt100, 25, 25, 2, 150},
    {&hixPattern, kLarge, 0, 0, 2, 150, 1024, 768},    {&hixPattern, xoom("0.25"), -74, -74, 0.5, 150},
    {&icePattern, kDefaults, -74, -74, 1, 150},        {&icePattern, kAt100, 25, 25, 1, 150},
    {&icePattern, kLarge, 0, 0, 1, 150, 1024, 768},    {&icePattern, xoom("0.25"), -74, -74, 0.25, 150},
    {&jokePattern, kDefaults, -74, -74, 2, 150},       {&jokePattern, kAt100, 25, 25, 2, 150},
    {&jokePattern, kLarge, 0, 0, 2, 150, 1024, 768},   {&jokePattern, xoom("0.25"), -74, -74, 0.5, 150},
    // Corner across, centred down.
    {&krakenPattern, kDefaults, 1, -74, 1, 150},       {&krakenPattern, F("400", "300", "150"), 400, 225, 1, 150},
    {&krakenPattern, kLarge, 512, 0, 1, 150, 1024, 768}, {&krakenPattern, xoom("0.25"), 1, -74, 0.25, 150},
    // Centred with the two half-extents exchanged, by plain division.
    {&limboPattern, kDefaults, -74, -74, 2, 150},      {&limboPattern, kAt100, 25, 25, 2, 150},
    {&limboPattern, F("500", "400", "768"), 116, -112, 2, 150, 1024, 768},
    {&limboPattern, F("100", "100", "151"), 24.5, 24.5, 2, 150, 151, 151},
    {&limboPattern, xoom("0.25"), -74, -74, 0.5, 150},
    // Corner shifted 150 right and 150 up.
    {&numbPattern, kDefaults, 151, -149, 1.5, 150},    {&numbPattern, F("400", "300", "150"), 550, 150, 1.5, 150},
    {&numbPattern, kLarge, 662, 234, 1.5, 150, 1024, 768}, {&numbPattern, xoom("2"), 151, -149, 3, 150},
    {&oohPattern, kAt100, 250, -50, 2, 150},
    {&oohPattern, F("1", "1", "150", "0.3", "7"), 151, -149, 0.3 * 2, 7},
    {&oohPattern, F("0", "512", "768", "-2", "1"), 150, 362, -4, 1, 1024, 768},
    {&punkPattern, kAt100, 100, 100, 1, 300},
    {&punkPattern, F("-3", "7", "150", "0.3", "0.1"), -3, 7, 0.3, 2 * 0.1},
    {&punkPattern, F("512", "384", "768", "1", "-5"), 512, 384, 1, -10, 1024, 768},
    {&qwinPattern, kAt100, 25, 25, 3, 75},             {&qwinPattern, kLarge, 0, 0, 3, 75, 1024, 768},
    {&qwinPattern, F("1", "1", "150", "0.1", "3"), -74, -74, 0.1 * 3, 1.5},
    {&rookPattern, kAt100, 100, 100, 0.5, 150},
    {&rookPattern, F("-3", "7", "150", "0.3", "2"), -3, 7, 0.3 / 2, 2},
    {&rookPattern, F("0", "0", "768", "3", "1"), 0, 0, 1.5, 1, 1024, 768},
    {&sizzlePattern, kAt100, 25, 25, 3, 150},          {&sizzlePattern, kLarge, 0, 0, 3, 150, 1024, 768},
    {&sizzlePattern, F("1", "1", "150", "0.1", "3"), -74, -74, 0.1 * 3, 3},
    // Half the width ahead across, the corner down.
    {&tamePattern, kAt100, 175, 100, 2, 150},
    {&tamePattern, F("1", "1", "150", "0.3", "3"), 76, 1, 0.3 * 2, 3},
    {&tamePattern, F("10", "20", "768"), 522, 20, 2, 150, 1024, 768},
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
    {&ariesPattern, kBlack, "g"}, {&bloodPattern, {0, 5, 15}, ""}, {&celtPattern, kBlack, ""}, {&dunePattern, kBlack, "rgb"},
    {&eeeePattern, kBlack, "rgb"}, {&funPattern, kBlack, ""}, {&grinPattern, kBlack, ""}, {&hixPattern, kBlack, "rgb"},
    {&icePattern, kBlack, ""}, {&jokePattern, kBlack, ""}, {&krakenPattern, kBlack, "rgb"}, {&limboPattern, kBlack, "rgb"},
    {&numbPattern, kBlack, "rgb"}, {&oohPattern, kBlack, ""}, {&punkPattern, kBlack, ""}, {&qwinPattern, kBlack, "rgb"},
    {&rookPattern, kBlack, "rgb"}, {&sizzlePattern, kBlack, ""}, {&tamePattern, kBlack, "rb"},
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
    std::vector<ShiftRow> rows = {{&eeeePattern, kLarge, F("75", "75", "150"), 0, 0}};
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
