#pragma once

#include <string>
#include <string_view>

#include "engine/field_texts.h"
#include "engine/outcome.h"

// The steps every field rule is made of: read a field, change its value,
// write its number text back, and say in words what went wrong.
namespace zentrel::params {

// One of the five fields: its name for messages and where its text lives.
struct Field {
    const char* name;
    std::string FieldTexts::*text;
};

inline constexpr Field kAcross{"TextOne", &FieldTexts::across};
inline constexpr Field kDown{"TextTwo", &FieldTexts::down};
inline constexpr Field kSize{"TextThree", &FieldTexts::size};
inline constexpr Field kXoom{"TextFour", &FieldTexts::xoom};

// Either the forgiving field conversion or the strict one.
using Conversion = Outcome<double> (*)(std::string_view);

Failure failureIn(const Field& field, Fault fault, const std::string& problem);

// The field's value, or why its text cannot be read.
Outcome<double> reading(const FieldTexts& f, const Field& field, Conversion convert);

// Each reads one field, changes its value and writes the number text back;
// a result beyond the double range changes nothing.
Outcome<FieldTexts> halved(FieldTexts f, const Field& field);
Outcome<FieldTexts> doubled(FieldTexts f, const Field& field);
// Moves a position field by a signed amount.
Outcome<FieldTexts> moved(FieldTexts f, const Field& field, Conversion convert, double by);

}  // namespace zentrel::params
