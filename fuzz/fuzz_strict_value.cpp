// SPDX-License-Identifier: GPL-3.0-or-later
// The strict conversion on any text: a text it accepts is wholly one number,
// which the field conversion reads as the same finite value; blanks and tabs
// around it change nothing; it fails only by TypeMismatch or, for a number
// beyond the double range that the field conversion refuses too, Overflow.

#include <cmath>
#include <string>

#include "engine/field_value.h"
#include "fuzz_input.h"
#include "params/strict_value.h"

namespace zentrel::fuzz {
namespace {

void checkStrictValue(std::string_view text)
{
    const Outcome<double> strict = strictValue(text);
    const Outcome<double> field = fieldValue(text);
    if (strict.ok()) {
        require(std::isfinite(strict.value()), "a finite value");
        require(field.ok() && field.value() == strict.value(),
                "the field conversion reads the same number");
    } else if (strict.failure().fault == Fault::Overflow) {
        require(!field.ok() && field.failure().fault == Fault::Overflow,
                "the field conversion overflows too");
    } else {
        require(strict.failure().fault == Fault::TypeMismatch, "TypeMismatch or Overflow");
    }

    require(sameOutcome(strictValue(" \t" + std::string(text) + "\t "), strict),
            "blanks and tabs around the number change nothing");
    require(!strictValue(std::string(text) + "#").ok(),
            "a text with more than the number is refused");
}

}  // namespace
}  // namespace zentrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkStrictValue(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
