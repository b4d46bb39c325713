// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/pattern.h"
#include "patterns/pattern_list.h"

// The nineteen patterns, one source each: ariesPattern (the routine
// "aries") behind "aqua", bloodPattern behind "brains", ... tamePattern
// (the routine "Tame") behind "tang".
namespace zentrel {

#define ZENTREL_DECLARE_PATTERN(object) extern const Pattern object;
ZENTREL_FOR_EACH_PATTERN(ZENTREL_DECLARE_PATTERN)
#undef ZENTREL_DECLARE_PATTERN

}  // namespace zentrel
