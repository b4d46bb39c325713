#pragma once

#include "engine/pattern.h"
#include "patterns/pattern_list.h"

// The nineteen pattern routines, one source each: aries behind "aqua",
// blood behind "brains", ... Tame behind "tang".
namespace zentrel {

#define ZENTREL_DECLARE_PATTERN(routine) extern const Pattern routine;
ZENTREL_FOR_EACH_PATTERN(ZENTREL_DECLARE_PATTERN)
#undef ZENTREL_DECLARE_PATTERN

}  // namespace zentrel
