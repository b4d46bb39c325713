// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "engine/field_value.h"

namespace zentrel {
namespace {

constexpr int kSignificantDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros
    int exponent = 0;    // of the first digit
};

void dropTrailingZeros(std::string& digits)
{
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}

Decimal roundedDecimal(double value)
{
    // to_chars, unlike printf, ignores the locale's decimal comma.
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf - 1, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    *written.ptr = '\0';
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    d.exponent = std::atoi(p + 1);
    dropTrailingZeros(d.digits);
    return d;
}

// One unit less in the last of the 15 digits. Applied to a rounding up, it
// gives the rounding toward zero.
void stepTowardZero(Decimal& d)
{
    d.digits.resize(kSignificantDigits, '0');
    for (std::size_t i = d.digits.size(); i-- > 0;) {
        if (d.digits[i] != '0') {
            --d.digits[i];
            break;
        }
        d.digits[i] = '9';
    }
    dropTrailingZeros(d.digits);
}

std::string plainForm(const Decimal& d)
{
    if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    const std::size_t whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

std::string exponentForm(const Decimal& d)
{
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string writtenForm(const Decimal& d)
{
    const bool plain = d.exponent >= -4 && d.exponent < kSignificantDigits;
    std::string text = d.negative ? "-" : "";
    text += plain ? plainForm(d) : exponentForm(d);
    return text;
}

}  // namespace

std::string numberText(double value)
{
    if (!std::isfinite(value)) throw std::invalid_argument("numberText needs a finite number");
    if (value == 0) return "0";
    Decimal d = roundedDecimal(value);
    // Only the few doubles next to the largest one round up past it.
    if (!fieldValue(writtenForm(d))) stepTowardZero(d);
    return writtenForm(d);
}

}  // namespace zentrel
