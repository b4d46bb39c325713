// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/colour.h"
#include "engine/math_path.h"
#include "engine/outcome.h"
#include "engine/snapshot.h"

namespace zentrel {

// Colours the rows ys[0..count) of the column x into out[0..count); returns
// the index of the first row whose pixel failed, or -1.
using ColumnFormula = int (*)(const Snapshot&, double x, const double* ys, int count, Colour* out);

// One pixel, and the kind of its failure if it fails: the slow path that
// names what went wrong where a column failed.
struct PixelResult {
    Colour colour;
    std::optional<Fault> fault;
};
using PixelFormula = PixelResult (*)(const Snapshot&, double x, double y);

struct Pattern {
    std::string_view caption;  // the button's caption, "aqua"
    std::string_view routine;  // the routine's name, "aries"
    SnapshotRule rule;
    ColumnFormula columns[kMathPaths];  // by MathPath
    PixelFormula pixel;

    ColumnFormula column(MathPath path) const { return columns[static_cast<int>(path)]; }
};

// Colours the rows ys of column x into out, which holds ys.size() colours.
// A pixel whose formula overflows, divides by zero or does something invalid
// yields the failure of the first such pixel instead, with its x and y.
std::optional<Failure> colourColumn(const Pattern& pattern, const Snapshot& s, double x,
                                    std::span<const double> ys, Colour* out);

}  // namespace zentrel
