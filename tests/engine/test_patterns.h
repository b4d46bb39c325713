// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/pattern.h"

// Patterns made to fail at chosen pixels, built like the real ones for every
// instruction set. The Xoom and brightness of the snapshot say where; the
// origin is the corner.
namespace zentrel::test {

extern const Pattern dividesAtPoint;        // a division by zero at (zoom, bright)
extern const Pattern dividesAtTwoPoints;    // ... at (zoom, bright) and (bright, zoom)
extern const Pattern dividesOnRow;          // ... on the row y = bright
extern const Pattern invalidOnRow;          // 0 / 0 on that row
extern const Pattern overflowsOnRow;        // 1e300 / 1e-10 on that row
extern const Pattern dividesThenInvalid;    // inf - inf after the division
extern const Pattern overflowsThenInvalid;  // inf - inf after the overflow
extern const Pattern absorbsDivision;       // 1 / (1 / 0): the infinity is absorbed
extern const Pattern zeroToNegativePower;   // 0^-1 on that row
extern const Pattern invalidPower;          // (-1)^0.5 on that row
extern const Pattern healthy;               // never fails

}  // namespace zentrel::test
