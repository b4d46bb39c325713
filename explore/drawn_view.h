// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>

#include "engine/pattern.h"
#include "engine/render.h"
#include "engine/sweep.h"

namespace zentrel {

// A view's whole picture, every pixel drawn, with what it was drawn from.
struct DrawnView {
    const Pattern* pattern = nullptr;
    PreparedSweep sweep;
    Picture picture;
};

inline bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A pixel is the pattern's formula of the snapshot's zoom, brightness and
// circle and of its two loop values, and of nothing else: two drawings that
// agree in these, bit for bit, colour equal loop values alike.
inline bool sameColouring(const Pattern& a, const Snapshot& sa, const Pattern& b,
                          const Snapshot& sb)
{
    return &a == &b && sameBits(sa.zoom, sb.zoom) && sameBits(sa.bright, sb.bright) &&
           sameBits(sa.circle, sb.circle);
}

}  // namespace zentrel
