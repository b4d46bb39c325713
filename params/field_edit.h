// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "engine/field_texts.h"
#include "engine/outcome.h"

// The steps every field rule is made of: read a field, change its value and
// write its number text back. A failure names the field and what was wrong
// with its text; the window puts that into words.
namespace zentrel::params {

// Either the forgiving field conversion or the strict one.
using Conversion = Outcome<double> (*)(std::string_view);

// The field's value, or why its text cannot be read.
Outcome<double> reading(const FieldTexts& f, FieldRole field, Conversion convert);

// Each reads one field, changes its value and writes the number text back;
// a result beyond the double range changes nothing.
Outcome<FieldTexts> halved(FieldTexts f, FieldRole field);
Outcome<FieldTexts> doubled(FieldTexts f, FieldRole field);
// Divided by a factor: by 2 it halves as halved does, by 0.5 it doubles as
// doubled does, to the bit.
Outcome<FieldTexts> divided(FieldTexts f, FieldRole field, double by);
// Moves a position field by a signed amount.
Outcome<FieldTexts> moved(FieldTexts f, FieldRole field, Conversion convert, double by);

}  // namespace zentrel::params
