#pragma once

#include <cstdint>
#include <string_view>

#include "engine/snapshot.h"

namespace zentrel {

// 24-bit colour: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;

// Colours the rows ys[0..count) of the column x into out[0..count).
using ColumnFormula = void (*)(const Snapshot&, double x, const double* ys, int count,
                               Colour* out);
// Colours one pixel; the slow path that finds where a failure arose.
using PixelFormula = Colour (*)(const Snapshot&, double x, double y);

struct Pattern {
    std::string_view caption;  // the button's caption, "aqua"
    std::string_view routine;  // the routine's name, "aries"
    SnapshotRule rule;
    ColumnFormula column;
    PixelFormula pixel;
};

}  // namespace zentrel
