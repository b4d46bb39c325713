// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/field_texts.h"
#include "engine/outcome.h"

// What the size presets, the reset, the Xoom labels and the size check do to
// the five field texts. Each takes the texts as they are and gives the texts
// as they must become, all of them or, on a failure, none.
namespace zentrel {

FieldTexts smallPreset(FieldTexts f);   // "S": size 300
FieldTexts mediumPreset(FieldTexts f);  // "M": 150, 200, size 600, Xoom 0.2
FieldTexts largePreset(FieldTexts f);   // "L": size 768 (1024 x 768), Xoom 0.15
FieldTexts resetFields();               // "reset": 1, 1, 100, 1, 150

Outcome<FieldTexts> halveXoom(FieldTexts f);   // label "X": zoom in
Outcome<FieldTexts> doubleXoom(FieldTexts f);  // label "OOM": zoom out

// The size after its field loses the focus: below 1 or above 1024 becomes
// "100".
Outcome<FieldTexts> checkSize(FieldTexts f);

}  // namespace zentrel
