// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pattern.h"

namespace zentrel {

std::optional<Failure> colourColumn(const Pattern& pattern, const Snapshot& s, double x,
                                    std::span<const double> ys, Colour* out)
{
    const int bad = pattern.column(mathPath())(s, x, ys.data(), static_cast<int>(ys.size()), out);
    if (bad < 0) return std::nullopt;
    // Computed again one value at a time, the pixel tells what went wrong.
    const double y = ys[bad];
    const PixelResult pixel = pattern.pixel(s, x, y);
    return Failure{pixel.fault.value_or(Fault::InvalidOperation), "", std::nullopt,
                   PixelPlace{x, y}};
}

}  // namespace zentrel
