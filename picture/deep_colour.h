// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/colour.h"

namespace zentrel {

// A colour of 16 bits a channel, sRGB-encoded like Colour: for posters that
// keep the fine steps of a smooth average, for print and editing.
struct DeepColour {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;

    bool operator==(const DeepColour&) const = default;
};

// The same colour at 16 bits: each code times 257, so 255 is 65535.
inline DeepColour deepOf(Colour c)
{
    return {static_cast<std::uint16_t>(redOf(c) * 257),
            static_cast<std::uint16_t>(greenOf(c) * 257),
            static_cast<std::uint16_t>(blueOf(c) * 257)};
}

}  // namespace zentrel
