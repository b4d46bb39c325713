// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal text in which numbers go back into the fields: whole numbers as
// plain digits, others with a "." and at most 15 significant digits, a 0
// before the point below 1, no trailing zeros; very large and very small
// values in an exponent form that the field conversion reads back.

#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/field_value.h"
#include "engine/number_text.h"

namespace zentrel {
namespace {

struct PlainCase {
    double value;
    std::string text;
};

class NumberTextPlain : public ::testing::TestWithParam<PlainCase> {};

TEST_P(NumberTextPlain, Writes)
{
    EXPECT_EQ(numberText(GetParam().value), GetParam().text)
        << "for " << testing::PrintToString(GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(WholeNumbers, NumberTextPlain,
                         ::testing::Values(PlainCase{300, "300"}, PlainCase{100, "100"},
                                           PlainCase{150, "150"}, PlainCase{1000000, "1000000"},
                                           PlainCase{-74, "-74"}, PlainCase{0, "0"},
                                           PlainCase{-0.0, "0"}, PlainCase{768, "768"},
                                           PlainCase{123456789012345, "123456789012345"},
                                           PlainCase{1e14, "100000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    Fractions, NumberTextPlain,
    ::testing::Values(PlainCase{0.2, "0.2"}, PlainCase{0.15, "0.15"}, PlainCase{75.5, "75.5"},
                      PlainCase{-0.5, "-0.5"}, PlainCase{1.5, "1.5"},
                      // The Xoom halved three times from 1.
                      PlainCase{0.5, "0.5"}, PlainCase{0.25, "0.25"}, PlainCase{0.125, "0.125"},
                      PlainCase{12345678.9, "12345678.9"}, PlainCase{-74.5, "-74.5"}));

INSTANTIATE_TEST_SUITE_P(
    FifteenSignificantDigits, NumberTextPlain,
    ::testing::Values(
        // The double nearest 0.1 is 0.1000000000000000055...; 15 digits hide it.
        PlainCase{0.1, "0.1"}, PlainCase{0.1 + 0.2, "0.3"}, PlainCase{1.0 / 3, "0.333333333333333"},
        PlainCase{-1.0 / 3, "-0.333333333333333"}, PlainCase{2.0 / 3, "0.666666666666667"},
        PlainCase{100.0 / 3, "33.3333333333333"},
        // Rounding to 15 digits can carry into a new leading digit.
        PlainCase{0.9999999999999999, "1"}, PlainCase{99.99999999999999, "100"},
        PlainCase{1234567.8901234567, "1234567.89012346"}));

// Very large and very small values: any exponent form will do, provided it
// has at most 15 significant digits, no trailing zeros, and the field
// conversion reads back the value rounded to those digits.
struct ExponentCase {
    double value;
    double readBack;
};

struct Mantissa {
    bool hasExponent = false;
    std::string digits;  // significant digits, sign and point removed
    std::string text;    // the mantissa as written
};

Mantissa mantissaOf(const std::string& text)
{
    Mantissa m;
    const auto mark = text.find_first_of("EeDd");
    m.hasExponent = mark != std::string::npos;
    m.text = text.substr(0, mark);
    for (char c : m.text)
        if (std::isdigit(static_cast<unsigned char>(c))) m.digits += c;
    m.digits.erase(0, m.digits.find_first_not_of('0'));
    return m;
}

class NumberTextExponent : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(NumberTextExponent, ReadsBackAsTheFifteenDigitValue)
{
    const std::string text = numberText(GetParam().value);
    const Mantissa m = mantissaOf(text);
    EXPECT_TRUE(m.hasExponent) << text;
    EXPECT_LE(m.digits.size(), 15u) << text;
    EXPECT_NE(m.text.back(), '0') << "trailing zero in " << text;
    EXPECT_NE(m.text.back(), '.') << "trailing point in " << text;
    EXPECT_LE(text.size(), 22u) << "not a short form: " << text;
    const Outcome<double> back = fieldValue(text);
    ASSERT_TRUE(back.ok()) << text << ": " << back.failure().message();
    EXPECT_EQ(back.value(), GetParam().readBack) << text;
}

INSTANTIATE_TEST_SUITE_P(LargeAndSmall, NumberTextExponent,
                         ::testing::Values(ExponentCase{1e15, 1e15}, ExponentCase{1e-7, 1e-7},
                                           ExponentCase{-1e15, -1e15}, ExponentCase{1.5e-7, 1.5e-7},
                                           ExponentCase{-2.5e300, -2.5e300},
                                           ExponentCase{1e21, 1e21},
                                           ExponentCase{1.23456789012345e-20, 1.23456789012345e-20},
                                           ExponentCase{1.23456789012345e20, 1.23456789012345e20},
                                           // More digits than fit: read back as the 15-digit value.
                                           ExponentCase{1.0 / 3e20, 3.33333333333333e-21},
                                           ExponentCase{999999999999999.9, 1e15},
                                           ExponentCase{1234567890123456789.0, 1.23456789012346e18},
                                           ExponentCase{5e-324, 5e-324}));

// Rules that hold for every number: checked over values of every size.
std::vector<double> manyValues()
{
    std::vector<double> values;
    std::uint64_t state = 12345;
    const auto next = [&] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;  // 0..1
    };
    for (int exponent = -30; exponent <= 30; ++exponent) {
        for (int i = 0; i < 40; ++i) {
            const double v = (1 + 9 * next()) * std::pow(10.0, exponent);
            values.push_back(i % 2 ? v : -v);
        }
        values.push_back(std::pow(10.0, exponent));
        values.push_back(7 * std::pow(10.0, exponent) / 3);
    }
    return values;
}

TEST(NumberText, ReadsBackWithinFifteenDigitsAndIsStable)
{
    for (double v : manyValues()) {
        const std::string text = numberText(v);
        const Outcome<double> back = fieldValue(text);
        ASSERT_TRUE(back.ok()) << v << " -> " << text;
        EXPECT_LE(std::fabs(back.value() - v), std::fabs(v) * 5e-15) << v << " -> " << text;
        // The text of the value read back is the same text: writing a field
        // back and forth changes nothing.
        EXPECT_EQ(numberText(back.value()), text) << v;
    }
}

TEST(NumberText, PlainFormsHaveALeadingDigitAndNoTrailingZeros)
{
    for (double v : manyValues()) {
        const std::string text = numberText(v);
        const Mantissa m = mantissaOf(text);
        EXPECT_LE(m.digits.size(), 15u) << text;
        EXPECT_NE(text.rfind(".", 0), 0u) << text;
        EXPECT_NE(text.rfind("-.", 0), 0u) << text;
        if (!m.hasExponent) {
            EXPECT_EQ(text.find('+'), std::string::npos) << text;
        }
        if (m.text.find('.') != std::string::npos) {
            EXPECT_NE(m.text.back(), '0') << text;
            EXPECT_NE(m.text.back(), '.') << text;
        }
        // Values of ordinary size are written without an exponent.
        if (std::fabs(v) >= 0.001 && std::fabs(v) < 1e13) {
            EXPECT_FALSE(m.hasExponent) << text;
        }
    }
}

// The largest doubles: rounded to nearest, their 15 digits would read
// 1.79769313486232E+308, past the largest double, and the field conversion
// would refuse the text. Rounded toward zero instead, they read back.
struct LargestCase {
    double value;
    const char* text;
};

class NumberTextLargest : public ::testing::TestWithParam<LargestCase> {};

TEST_P(NumberTextLargest, ReadsBackWithinTheDoubleRange)
{
    const std::string text = numberText(GetParam().value);
    EXPECT_EQ(text, GetParam().text);
    const Outcome<double> back = fieldValue(text);
    ASSERT_TRUE(back.ok()) << text << ": " << back.failure().message();
    EXPECT_EQ(numberText(back.value()), text) << "not stable";
}

INSTANTIATE_TEST_SUITE_P(
    NextToTheLargestDouble, NumberTextLargest,
    ::testing::Values(LargestCase{DBL_MAX, "1.79769313486231E+308"},
                      LargestCase{-DBL_MAX, "-1.79769313486231E+308"},
                      // "x" on 8.988465674311576E+307, just below half the largest.
                      LargestCase{8.988465674311576e307 * 2, "1.79769313486231E+308"},
                      LargestCase{std::nextafter(DBL_MAX, 0.0), "1.79769313486231E+308"},
                      // Below the doubles that round up past the largest,
                      // rounding is to nearest as everywhere else.
                      LargestCase{1.797693134862315e308, "1.79769313486231E+308"},
                      LargestCase{1.797693134862305e308, "1.7976931348623E+308"},
                      LargestCase{1.7976931348622e308, "1.7976931348622E+308"},
                      LargestCase{8.98846567431158e307, "8.98846567431158E+307"}));

// A NaN or an infinity has no number text; asking for one is a fault of the
// caller, reported as such instead of a text of whatever happens to be there.
TEST(NumberText, RefusesWhatIsNotAFiniteNumber)
{
    for (double v :
         {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_THROW(numberText(v), std::invalid_argument) << v;
}

}  // namespace
}  // namespace zentrel
