// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/field_texts.h"

namespace zentrel {
namespace {

std::string FieldTexts::*memberOf(FieldRole role)
{
    switch (role) {
    case FieldRole::Across:
        return &FieldTexts::across;
    case FieldRole::Down:
        return &FieldTexts::down;
    case FieldRole::Size:
        return &FieldTexts::size;
    case FieldRole::Xoom:
        return &FieldTexts::xoom;
    case FieldRole::Brightness:
        return &FieldTexts::brightness;
    }
    return &FieldTexts::across;
}

}  // namespace

const std::string& fieldText(const FieldTexts& f, FieldRole role) { return f.*memberOf(role); }

std::string& fieldText(FieldTexts& f, FieldRole role) { return f.*memberOf(role); }

const char* fieldName(FieldRole role)
{
    switch (role) {
    case FieldRole::Across:
        return "TextOne";
    case FieldRole::Down:
        return "TextTwo";
    case FieldRole::Size:
        return "TextThree";
    case FieldRole::Xoom:
        return "TextFour";
    case FieldRole::Brightness:
        return "Textfive";
    }
    return "a field";
}

}  // namespace zentrel
