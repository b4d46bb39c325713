// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/field_edit.h"

#include <cmath>

#include "engine/field_value.h"
#include "engine/number_text.h"

namespace zentrel::params {
namespace {

template <class Change>
Outcome<FieldTexts> rewritten(FieldTexts f, FieldRole field, Conversion convert, Change change)
{
    const Outcome<double> value = reading(f, field, convert);
    if (!value) return value.failure();
    const double result = change(value.value());
    std::string& text = fieldText(f, field);
    if (!std::isfinite(result)) return fieldFailure(field, FieldProblem::ResultTooLarge, text);
    text = numberText(result);
    return f;
}

}  // namespace

Outcome<double> reading(const FieldTexts& f, FieldRole field, Conversion convert)
{
    const std::string& text = fieldText(f, field);
    Outcome<double> value = convert(text);
    if (value) return value;
    const bool tooLarge = value.failure().fault == Fault::Overflow;
    return fieldFailure(field, tooLarge ? FieldProblem::TooLarge : FieldProblem::NotANumber, text);
}

Outcome<FieldTexts> halved(FieldTexts f, FieldRole field)
{
    return divided(std::move(f), field, 2);
}

// v / 0.5 and v + v are both 2v rounded once, so they agree to the bit,
// overflow to infinity included.
Outcome<FieldTexts> doubled(FieldTexts f, FieldRole field)
{
    return divided(std::move(f), field, 0.5);
}

Outcome<FieldTexts> divided(FieldTexts f, FieldRole field, double by)
{
    return rewritten(std::move(f), field, fieldValue, [by](double v) { return v / by; });
}

Outcome<FieldTexts> moved(FieldTexts f, FieldRole field, Conversion convert, double by)
{
    return rewritten(std::move(f), field, convert, [by](double v) { return v + by; });
}

}  // namespace zentrel::params
