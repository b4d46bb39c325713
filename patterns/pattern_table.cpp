// SPDX-License-Identifier: GPL-3.0-or-later
#include "patterns/pattern_table.h"

#include <algorithm>

#include "patterns/patterns.h"

namespace zentrel {

const std::array<const Pattern*, kPatternCount>& patternTable()
{
#define ZENTREL_ADDRESS_OF(object) &object,
    static const std::array<const Pattern*, kPatternCount> table = {
        ZENTREL_FOR_EACH_PATTERN(ZENTREL_ADDRESS_OF)};
#undef ZENTREL_ADDRESS_OF
    return table;
}

namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

const Pattern* findPattern(std::string_view name)
{
    for (const Pattern* p : patternTable())
        if (sameLetters(p->caption, name) || sameLetters(p->routine, name)) return p;
    return nullptr;
}

}  // namespace zentrel
