#pragma once

#include <array>
#include <string_view>

#include "engine/pattern.h"

namespace zentrel {

inline constexpr int kPatternCount = 19;

// The patterns by button index, 0 ("aqua") to 18 ("tang").
const std::array<const Pattern*, kPatternCount>& patternTable();

// The pattern with this caption ("aqua") or routine name ("aries"), in any
// letter case, or null.
const Pattern* findPattern(std::string_view name);

}  // namespace zentrel
