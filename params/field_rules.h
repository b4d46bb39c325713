#pragma once

#include "engine/field_texts.h"
#include "engine/outcome.h"

// What the presets, the reset, the Xoom labels, the size check and the
// navigation buttons do to the five field texts. Each rule takes the texts as
// they are and gives the texts as they must become, all of them or, on a
// failure, none: the window writes the result back only when there is one.
namespace zentrel {

FieldTexts smallPreset(FieldTexts f);   // "S"
FieldTexts mediumPreset(FieldTexts f);  // "M"
FieldTexts largePreset(FieldTexts f);   // "L"
FieldTexts resetFields();               // "reset": 1, 1, 100, 1, 150

Outcome<FieldTexts> halveXoom(FieldTexts f);   // label "X"
Outcome<FieldTexts> doubleXoom(FieldTexts f);  // label "OOM"

// TextThree after it loses the focus: below 1 or above 1024 becomes "100".
Outcome<FieldTexts> checkSize(FieldTexts f);

Outcome<FieldTexts> horz(FieldTexts f, int index);     // 0 ">", 1 "<"
Outcome<FieldTexts> verty(FieldTexts f, int index);    // 0 "V", 1 "^"
Outcome<FieldTexts> cmdblue(FieldTexts f, int index);  // 0..3: "x", "/", "x", "/"
Outcome<FieldTexts> cmdXX(FieldTexts f, int index);    // 0 "<<", 1 ">>", 2..5 corners

}  // namespace zentrel
