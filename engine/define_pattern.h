#pragma once

// Turns a pattern's formula into the column and pixel routines of the
// pattern table. A formula is a type with one static template
//
//     template <class V> static Mix<V> mix(const Snapshot& s, V x, V y);
//
// written in the order and grouping of its definition, for V = double and
// V = Lanes<N>.

#include "engine/colour.h"
#include "engine/formula_math.h"
#include "engine/pattern.h"

namespace zentrel {

// Pixels computed side by side within a column.
inline constexpr int kLaneCount = 4;

template <class Formula>
Colour pixelColour(const Snapshot& s, double x, double y)
{
    const Mix<double> m = Formula::mix(s, x, y);
    return colourOf(m.red, m.green, m.blue);
}

template <class Formula>
void columnColours(const Snapshot& s, double x, const double* ys, int count, Colour* out)
{
    constexpr int N = kLaneCount;
    const Lanes<N> xs(x);
    int i = 0;
    for (; i + N <= count; i += N) {
        Lanes<N> y;
        for (int k = 0; k < N; ++k) y.lane[k] = ys[i + k];
        const Mix<Lanes<N>> m = Formula::mix(s, xs, y);
        for (int k = 0; k < N; ++k)
            out[i + k] = colourOf(m.red.lane[k], m.green.lane[k], m.blue.lane[k]);
    }
    for (; i < count; ++i) out[i] = pixelColour<Formula>(s, x, ys[i]);
}

template <class Formula>
constexpr Pattern definePattern(std::string_view caption, std::string_view routine,
                                SnapshotRule rule)
{
    return Pattern{caption, routine, rule, &columnColours<Formula>, &pixelColour<Formula>};
}

}  // namespace zentrel
