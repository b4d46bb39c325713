// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/presets.h"

#include "engine/field_value.h"
#include "params/field_edit.h"

namespace zentrel {

using namespace params;

FieldTexts smallPreset(FieldTexts f)
{
    f.size = "300";
    return f;
}

FieldTexts mediumPreset(FieldTexts f)
{
    f.xoom = "0.2";
    f.size = "600";
    f.across = "150";
    f.down = "200";
    return f;
}

FieldTexts largePreset(FieldTexts f)
{
    f.size = "768";
    f.xoom = "0.15";
    return f;
}

FieldTexts resetFields()
{
    FieldTexts f;
    f.size = "100";  // not the start size
    return f;
}

Outcome<FieldTexts> halveXoom(FieldTexts f) { return halved(std::move(f), FieldRole::Xoom); }

Outcome<FieldTexts> doubleXoom(FieldTexts f) { return doubled(std::move(f), FieldRole::Xoom); }

Outcome<FieldTexts> checkSize(FieldTexts f)
{
    const Outcome<double> size = reading(f, FieldRole::Size, fieldValue);
    if (!size) return size.failure();
    if (size.value() < 1 || size.value() > 1024) f.size = "100";
    return f;
}

}  // namespace zentrel
