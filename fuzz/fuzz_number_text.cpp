// SPDX-License-Identifier: GPL-3.0-or-later
// The number text of any double. A finite one is written with at most 15
// significant digits in a text that both conversions read back to a finite
// value within those digits, whose own text is the same text, and whose
// negation only adds a minus sign. A NaN or an infinity is refused.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "engine/field_value.h"
#include "engine/number_text.h"
#include "fuzz_input.h"
#include "params/strict_value.h"

namespace zentrel::fuzz {
namespace {

int significantDigits(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find('E'));
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9') digits += c;
    digits.erase(0, digits.find_first_not_of('0'));
    return static_cast<int>(digits.size());
}

void checkRefused(double value)
{
    try {
        numberText(value);
    } catch (const std::invalid_argument&) {
        return;
    }
    require(false, "a NaN or an infinity is refused");
}

void checkNumberText(double value)
{
    if (!std::isfinite(value)) return checkRefused(value);
    const std::string text = numberText(value);
    require(text.find_first_not_of("0123456789.-E+") == std::string::npos,
            "digits, point, sign, E");
    require(significantDigits(text) <= 15, "at most 15 significant digits");

    const Outcome<double> back = fieldValue(text);
    require(back.ok() && std::isfinite(back.value()), "the field conversion reads it back");
    require(sameOutcome(strictValue(text), back), "the strict conversion reads the same");
    require(std::fabs(back.value() - value) <= std::fabs(value) * 1e-14, "within 15 digits");
    require(numberText(back.value()) == text, "the text of the value read back is the same");

    if (value > 0) require(numberText(-value) == "-" + text, "a negative value adds a minus sign");
    if (value == 0) require(text == "0", "zero is 0");
}

}  // namespace
}  // namespace zentrel::fuzz

// The first eight bytes are the double, so that every bit pattern is tried.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    zentrel::fuzz::checkNumberText(value);
    return 0;
}
