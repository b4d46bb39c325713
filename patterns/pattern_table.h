// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "engine/pattern.h"
#include "patterns/pattern_list.h"

namespace zentrel {

// One for each pattern of the list.
#define ZENTREL_ONE_MORE(object) +1
inline constexpr int kPatternCount = 0 ZENTREL_FOR_EACH_PATTERN(ZENTREL_ONE_MORE);
#undef ZENTREL_ONE_MORE

// The patterns by button index, 0 ("aqua") to 18 ("tang").
const std::array<const Pattern*, kPatternCount>& patternTable();

// The pattern with this caption ("aqua") or routine name ("aries"), in any
// letter case, or null.
const Pattern* findPattern(std::string_view name);

}  // namespace zentrel
