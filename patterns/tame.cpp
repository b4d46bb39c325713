// SPDX-License-Identifier: GPL-3.0-or-later
// "tang": four values, the last raising the second to the power of the first.
// Horizontally the origin is half the width ahead of the field value,
// vertically it is the field value itself; the Xoom is doubled. Green is
// lowered by 30 before the clamp.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Tame {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V A = (s.circle * (y / 200)) * s.zoom;
        const V B = (s.circle * (x / 200)) * s.zoom;
        const V P = abs(sin(B * 0.7 - A * 0.3) + cos(1.3 * A + 1.7 * B));
        const V Q = abs(tan(
            sin((A * 0.3 - B * 0.7) + cos(((B * 0.6 - A * 0.4) - abs(cos(-(1.1 * A) - 1.4 * B))) +
                                          sin(B * 0.8 + A * 0.91))) +
            cos(-sin((-A - B) - cos(abs(A + B))))));
        // Depends on the row only.
        const V R = abs(cos(A - 0.000123));
        // Q and P are never negative; 0^0 is 1.
        const V S =
            sin(pow(Q, P) * sin((A + B) - (0.001 - abs(B - sin(7.0 * R - ((-B - A) - R))))));
        const V blueMix = S * 0.3 + R * 0.05 + Q * 0.002;
        const V redMix = S * 0.6 + R * 0.1 + Q * 0.04;
        const V greenMix = S * 0.09 + R * 0.07 + Q * 0.01;
        return {0.0 + s.bright * redMix, -30.0 + s.bright * greenMix, 0.0 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(tamePattern, Tame, "Tame", "tang",
                SnapshotRule{Origin::AheadAcross, times(2), unscaled, ReadOrder::SizeFirst})

}  // namespace zentrel
