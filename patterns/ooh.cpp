// SPDX-License-Identifier: GPL-3.0-or-later
// "oogli": the product and the quotient of two absolute sine and cosine terms
// of the sum and the difference of two angles. The origin is shifted by 150
// to the right and 150 upward; the Xoom is doubled.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Ooh {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V A = 0.5 + (s.circle * (y / 200)) * s.zoom;
        const V B = 0.5 + (s.circle * (x / 200)) * s.zoom;
        const V P = abs(cos(A - B) - sin(B + A));
        const V Q = abs(sin(A - B) * cos(B + A));
        const V R = P * Q;
        // The small constant keeps the divisor away from zero.
        const V S = P / (Q + 0.000123);
        const V blueMix = R * 1.1 + S * 0.001;
        const V redMix = R * 0.1 + S * 0.05;
        const V greenMix = R * 0.4 + S * 0.01;
        return {0.0 + s.bright * redMix, 0.0 + s.bright * greenMix, 0.0 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(oohPattern, Ooh, "ooh", "oogli",
                SnapshotRule{Origin::ShiftedCorner, times(2), unscaled, ReadOrder::PositionsFirst})

}  // namespace zentrel
