#include "params/field_edit.h"

#include <cmath>

#include "engine/field_value.h"
#include "engine/number_text.h"

namespace zentrel::params {
namespace {

// A field text as a message quotes it; a pasted novel is cut short.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kLongest = 40;
    std::string shown = "\"";
    shown.append(text.substr(0, kLongest));
    if (text.size() > kLongest) shown += "...";
    shown += '"';
    return shown;
}

// Why a field text could not be read, in words for the person who typed it.
Failure unreadable(const Field& field, Fault fault, std::string_view text)
{
    if (fault == Fault::Overflow) return failureIn(field, fault, quoted(text) + " is too large a number");
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return failureIn(field, fault, "the field is empty, a number is needed");
    return failureIn(field, fault, quoted(text) + " is not a number");
}

template <class Change>
Outcome<FieldTexts> rewritten(FieldTexts f, const Field& field, Conversion convert, Change change)
{
    const Outcome<double> value = reading(f, field, convert);
    if (!value) return value.failure();
    const double result = change(value.value());
    if (!std::isfinite(result))
        return failureIn(field, Fault::Overflow, "the new value would be too large");
    f.*field.text = numberText(result);
    return f;
}

}  // namespace

Failure failureIn(const Field& field, Fault fault, const std::string& problem)
{
    return Failure{fault, std::string("in ") + field.name + ": " + problem};
}

Outcome<double> reading(const FieldTexts& f, const Field& field, Conversion convert)
{
    const std::string& text = f.*field.text;
    Outcome<double> value = convert(text);
    if (!value) return unreadable(field, value.failure().fault, text);
    return value;
}

Outcome<FieldTexts> halved(FieldTexts f, const Field& field)
{
    return rewritten(std::move(f), field, fieldValue, [](double v) { return v / 2; });
}

Outcome<FieldTexts> doubled(FieldTexts f, const Field& field)
{
    return rewritten(std::move(f), field, fieldValue, [](double v) { return v + v; });
}

Outcome<FieldTexts> moved(FieldTexts f, const Field& field, Conversion convert, double by)
{
    return rewritten(std::move(f), field, convert, [by](double v) { return v + by; });
}

}  // namespace zentrel::params
