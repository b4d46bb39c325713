// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace zentrel {

// 24-bit colour: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;

// Clamps a component to 0..255 and rounds it half to even (2.5 -> 2,
// 3.5 -> 4): nearbyint follows the default rounding mode, which is exactly
// that. A NaN (already noted as a failure where it arose) is
// held to 0 so that the conversion below stays defined.
inline double clampComponent(double v)
{
    if (!(v >= 0)) v = 0;
    if (v > 255) v = 255;
    return std::nearbyint(v);
}

inline Colour colourOf(double red, double green, double blue)
{
    // All three against 0 first, then all three against 255; with one clamp
    // per component the order cannot change a result.
    const double r = clampComponent(red);
    const double g = clampComponent(green);
    const double b = clampComponent(blue);
    return static_cast<Colour>(r) + 256u * static_cast<Colour>(g) + 65536u * static_cast<Colour>(b);
}

inline int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace zentrel
