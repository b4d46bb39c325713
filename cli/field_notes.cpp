// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/field_notes.h"

#include "engine/field_value.h"
#include "engine/number_text.h"
#include "engine/quoted_excerpt.h"
#include "picture/view.h"

namespace zentrel::cli {

bool isWhollyANumber(const std::string& text)
{
    constexpr const char* kBlanks = " \t\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return false;
    const auto last = text.find_last_not_of(kBlanks);
    const std::string_view number = std::string_view(text).substr(first, last + 1 - first);
    const NumberScan scan = scanNumber(number, false);
    return scan.kind != NumberScan::Kind::None && scan.end == number.size();
}

std::vector<std::string> partlyReadFields(const FieldTexts& fields)
{
    std::vector<std::string> lines;
    for (FieldRole role : {FieldRole::Across, FieldRole::Down, FieldRole::Size, FieldRole::Xoom,
                           FieldRole::Brightness}) {
        const std::string& text = fieldText(fields, role);
        if (isWhollyANumber(text)) continue;
        const Outcome<double> value = fieldValue(text);
        if (!value) continue;
        lines.push_back(std::string(optionOf(role)) + " " + quotedExcerpt(text) + " reads as " +
                        numberText(value.value()));
    }
    return lines;
}

}  // namespace zentrel::cli
