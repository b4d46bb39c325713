// SPDX-License-Identifier: GPL-3.0-or-later
// The field conversion: the numeric beginning of a field text, or 0.
//
// Every text a person can type is read without complaint; only a number
// beyond the double range is a failure (Overflow), which the snapshot later
// names after its field.

#include <gtest/gtest.h>

#include <cfloat>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "engine/field_value.h"

namespace zentrel {
namespace {

struct ValueCase {
    std::string text;
    double expected;
    const char* why;
};

std::string shown(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

void PrintTo(const ValueCase& c, std::ostream* os) { *os << shown(c.text); }

class FieldValueReads : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FieldValueReads, TheNumericBeginning)
{
    const ValueCase& c = GetParam();
    const Outcome<double> value = fieldValue(c.text);
    ASSERT_TRUE(value.ok()) << shown(c.text) << " (" << c.why
                            << ") failed: " << value.failure().message();
    EXPECT_EQ(value.value(), c.expected) << shown(c.text) << " (" << c.why << ")";
}

// clang-format off
const std::vector<ValueCase> kNumericBeginnings = {
    {"12abc", 12, "digits, then letters"},
    {"abc", 0, "no number at all"},
    {"", 0, "empty text"},
    {"-", 0, "a sign alone"},
    {".", 0, "a point alone"},
    {"-.", 0, "a sign and a point, no digit"},
    {"e5", 0, "an exponent without a number before it"},
    {"--5", 0, "a second sign ends the number before any digit"},
    {"+5", 5, "a plus sign"},
    {"-12.5x", -12.5, "negative decimal, then a letter"},
    {"1,5", 1, "a comma is not a decimal point"},
    {"0x10", 0, "no C-style hexadecimal: the number is 0, then x"},
    {"150", 150, "the start value of the size field"},
    {"007", 7, "leading zeros"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(NumericBeginning, FieldValueReads,
                         ::testing::ValuesIn(kNumericBeginnings));

// clang-format off
const std::vector<ValueCase> kBlanks = {
    {"1 2 3", 123, "blanks between digits"},
    {" - 5", -5, "blanks before and after the sign"},
    {"\t7\n", 7, "tab before, line feed after"},
    {"1\n2", 12, "a line feed between digits"},
    {"1\t.\t5", 1.5, "tabs around the point"},
    {"1 e 5", 100000, "blanks around the exponent mark"},
    {"- 1 2 . 5 e - 1", -1.25, "blanks everywhere"},
    {"   ", 0, "blanks only"},
    {"3\r4", 3, "a carriage return is not one of the skipped blanks"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Blanks, FieldValueReads, ::testing::ValuesIn(kBlanks));

// clang-format off
const std::vector<ValueCase> kPoints = {
    {"1.2.3", 1.2, "the second point ends the number"},
    {".5", 0.5, "no digit before the point"},
    {"5.", 5, "no digit after the point"},
    {"-.25", -0.25, "sign, then point"},
    {"+.5", 0.5, "plus sign, then point"},
    {"0.1", 0.1, "the double nearest 0.1"},
    {"9007199254740993", 9007199254740992.0, "rounded to the nearest double, ties to even"},
    {"0.30000000000000004", 0.30000000000000004, "all seventeen digits count"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Points, FieldValueReads, ::testing::ValuesIn(kPoints));

// clang-format off
const std::vector<ValueCase> kExponents = {
    {"1.5D2", 150, "D marks an exponent like E"},
    {"1.5d2", 150, "lower-case d"},
    {"1e", 1, "a mark without digits is not part of the number"},
    {"1e+", 1, "a mark and a sign without digits"},
    {"1.5e-x", 1.5, "a mark, a sign, then a letter"},
    {"2E-3", 0.002, "negative exponent"},
    {"1e+2", 100, "explicit plus in the exponent"},
    {"1E2E3", 100, "a second exponent is not read"},
    {"1.5e3.2", 1500, "the exponent is a whole number"},
    {"1e308", 1e308, "just inside the double range"},
    {"1.7976931348623157e308", DBL_MAX, "the largest double"},
    {"0e400", 0, "zero with a huge exponent is still zero"},
    {"1e-400", 0, "too small becomes 0, not a failure"},
    {"-1e-400", 0, "too small and negative becomes 0 as well"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Exponents, FieldValueReads, ::testing::ValuesIn(kExponents));

// clang-format off
const std::vector<ValueCase> kPrefixes = {
    {"&HFF", 255, "hexadecimal"},
    {"&O17", 15, "octal"},
    {"&H1a", 26, "mixed-case hexadecimal digits"},
    {"&HFFz", 255, "hexadecimal digits, then a letter"},
    {"&O178", 15, "8 is no octal digit"},
    {"&O8", 0, "no octal digit at all"},
    {"&HG", 0, "no hexadecimal digit at all"},
    {"&H", 0, "the prefix alone"},
    {"&", 0, "an ampersand alone"},
    {"&X12", 0, "an unknown prefix"},
    {"& H F F", 255, "blanks inside the prefix and the digits"},
    {"&H1.5", 1, "a whole number: the point ends it"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Prefixes, FieldValueReads, ::testing::ValuesIn(kPrefixes));

// Numbers beyond the double range are the one failure of the conversion.
struct OverflowCase {
    const char* name;
    std::string text;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

class FieldValueOverflows : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(FieldValueOverflows, IsAnOverflowFailure)
{
    const Outcome<double> value = fieldValue(GetParam().text);
    ASSERT_FALSE(value.ok()) << GetParam().name << " read as " << value.value();
    EXPECT_EQ(value.failure().fault, Fault::Overflow) << value.failure().message();
}

INSTANTIATE_TEST_SUITE_P(
    BeyondTheDoubleRange, FieldValueOverflows,
    ::testing::Values(OverflowCase{"1e400", "1e400"}, OverflowCase{"-1e400", "-1e400"},
                      OverflowCase{"1e309", "1e309"}, OverflowCase{"1.8e308", "1.8e308"},
                      OverflowCase{"blanks_in_the_exponent", "1 e 4 0 0"},
                      OverflowCase{"d_exponent", "1.5D999"},
                      OverflowCase{"401_digits", std::string("1") + std::string(400, '0')},
                      OverflowCase{"260_hexadecimal_digits",
                                   std::string("&H") + std::string(260, 'F')},
                      OverflowCase{"exponent_beyond_long", "1e99999999999999999999"}));

TEST(FieldValue, NeverFailsOnOrdinaryText)
{
    // Everything printable, one character at a time and in a row: none of it
    // may be taken for an overflow.
    std::string all;
    for (char c = ' '; c <= '~'; ++c) {
        const std::string one(1, c);
        EXPECT_TRUE(fieldValue(one).ok()) << shown(one);
        EXPECT_TRUE(fieldValue("12" + one + "34").ok()) << shown("12" + one + "34");
        all += c;
    }
    EXPECT_TRUE(fieldValue(all).ok());
}

// Where the scanned number ends: the strict conversion relies on it to tell
// "12" from "12abc".
struct ScanCase {
    std::string text;
    bool blanksInside;
    NumberScan::Kind kind;
    std::size_t end;
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << shown(c.text) << (c.blanksInside ? " with blanks inside" : " without blanks inside");
}

class ScanEnds : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanEnds, JustPastTheLastCharacterOfTheNumber)
{
    const ScanCase& c = GetParam();
    const NumberScan scan = scanNumber(c.text, c.blanksInside);
    EXPECT_EQ(scan.kind, c.kind) << shown(c.text);
    EXPECT_EQ(scan.end, c.end) << shown(c.text);
}

INSTANTIATE_TEST_SUITE_P(NumberScan, ScanEnds,
                         ::testing::Values(ScanCase{"12abc", true, NumberScan::Kind::Decimal, 2},
                                           ScanCase{"1e", true, NumberScan::Kind::Decimal, 1},
                                           // A blank after the number is not part of it, after an
                                           // exponent as much as after plain digits.
                                           ScanCase{"12 ", true, NumberScan::Kind::Decimal, 2},
                                           ScanCase{"1e5 ", true, NumberScan::Kind::Decimal, 3},
                                           ScanCase{"1.2.3", true, NumberScan::Kind::Decimal, 3},
                                           ScanCase{"5.", true, NumberScan::Kind::Decimal, 2},
                                           ScanCase{" - 5x", true, NumberScan::Kind::Decimal, 4},
                                           ScanCase{"&HFFz", true, NumberScan::Kind::Hexadecimal,
                                                    4},
                                           ScanCase{"&O17", true, NumberScan::Kind::Octal, 4},
                                           ScanCase{"abc", true, NumberScan::Kind::None, 0},
                                           ScanCase{"-", true, NumberScan::Kind::None, 0},
                                           // Without blanks inside, a blank ends the number.
                                           ScanCase{"1 2", false, NumberScan::Kind::Decimal, 1},
                                           ScanCase{"- 5", false, NumberScan::Kind::None, 0}));

}  // namespace
}  // namespace zentrel
