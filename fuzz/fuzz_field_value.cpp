// SPDX-License-Identifier: GPL-3.0-or-later
// The field conversion on any text: the numeric beginning or 0, never a
// failure but Overflow, never a NaN or an infinity; blanks anywhere change
// nothing, nor does a character that cannot continue a number, and a minus
// sign before a decimal number negates it.

#include <cctype>
#include <cmath>
#include <string>

#include "engine/field_value.h"
#include "fuzz_input.h"

namespace zentrel::fuzz {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    for (char c : text)
        if (!isBlank(c)) kept += c;
    return kept;
}

void checkFieldValue(std::string_view text)
{
    const Outcome<double> value = fieldValue(text);
    require(value.ok() ? std::isfinite(value.value()) : value.failure().fault == Fault::Overflow,
            "a finite value or Overflow");

    const std::string bare = withoutBlanks(text);
    require(sameOutcome(fieldValue(bare), value), "blanks anywhere are ignored");
    require(sameOutcome(fieldValue(std::string(text) + "#"), value),
            "a character that cannot continue a number ends it");

    const bool decimal =
        !bare.empty() && (std::isdigit(static_cast<unsigned char>(bare[0])) || bare[0] == '.');
    if (decimal) {
        const Outcome<double> negated = fieldValue("-" + bare);
        require(negated.ok() == value.ok() && (!value.ok() || negated.value() == -value.value()),
                "a minus sign negates a decimal number");
    }
    const bool whole = bare.size() >= 2 && bare[0] == '&' &&
                       std::string("HhOo").find(bare[1]) != std::string::npos;
    if (whole && value.ok())
        require(value.value() >= 0 && value.value() == std::floor(value.value()),
                "&H and &O give whole numbers, never negative");
}

}  // namespace
}  // namespace zentrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkFieldValue(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
