// SPDX-License-Identifier: GPL-3.0-or-later
// "shim": four weighted angles raised to a power that changes from pixel to
// pixel (a first value between 0 and 1), then two absolute tangents mixed
// into the colour. The Xoom is tripled.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Sizzle {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V B = (s.circle * (x / 200)) * s.zoom;
        const V A = (s.circle * (y / 200)) * s.zoom;
        const V P = abs(sin(sin((B * 0.21 - A * 0.87) + cos(0.71 * A - B * 0.61)) +
                            sin(cos(0.45 * B + A * 0.73))));
        // Bases are absolute values and P lies in 0..1; 0^0 is 1.
        const V Q = abs(tan(sin(pow(abs(A * 0.74), P) - pow(abs(B * 0.33), P)) *
                            cos(pow(abs(B * 0.16), P) + pow(abs(A * 0.91), P))));
        const V R = abs(tan(sin(P - Q) + sin(tan(cos(P + Q)))));
        const V blueMix = Q * 0.08 + R * 0.02;
        const V greenMix = Q * 0.03 + R * 0.08;
        const V redMix = Q * 0.19 + R * 0.14;
        return {0.0 + s.bright * redMix, 0.0 + s.bright * greenMix, 0.0 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(sizzlePattern, Sizzle, "sizZle", "shim",
                SnapshotRule{Origin::Centred, times(3), unscaled, ReadOrder::SizeFirst})

}  // namespace zentrel
