// SPDX-License-Identifier: GPL-3.0-or-later
// "eels": a nested cosine a, a seven-level nest of sines and cosines b, two
// absolute tangents c and d of them, and a product e. b and e can be
// negative, so single components can clamp to black.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Eeee {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        const V a = cos(v / 2 - cos((u - v) + cos(sin(u - v)) * sin(u - cos(v / 1.7))));
        // b is built from the innermost level outwards.
        const V b7 = (u * a) - cos(v - u);
        const V b6 = u * sin(b7);
        const V b5 = v - sin(b6);
        const V b4 = u * cos(b5);
        const V b3 = (v * a) * sin(b4);
        const V b2 = v - sin(b3);
        const V b1 = v * cos(b2);
        const V b = (sin(u - v) + 0.2) - cos(b1);
        const V c = abs(tan(sin(a - b) * b + cos(b + a)));
        const V d = abs(tan(cos(b - a) + sin(a - b)));
        const V e = (d * c) * cos(v / 2 - cos((v - d * c) + cos(sin(u)) * sin(u - cos(c / 17))));
        const V redMix = (c * 0.03 + e * 0.02) + b * 0.08;
        const V greenMix = (c * 0.09 + e * 0.07) + b * 0.1;
        const V blueMix = (c * 0.13 + e * 0.001) + b * 0.02;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

// Its origin halves the extents by plain division, not through their text.
ZENTREL_PATTERN(eeeePattern, Eeee, "eeee", "eels",
                SnapshotRule{Origin::CentredPlainHalves, times(2), unscaled})

}  // namespace zentrel
