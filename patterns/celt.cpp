// SPDX-License-Identifier: GPL-3.0-or-later
// "crumbs": four absolute terms, one of them through two real powers of the
// coordinates, mixed with small non-negative weights, heaviest in red.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Celt {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        // The cosine sits outside the tangent here.
        const V a = abs(tan(sin(v - u)) + cos(u - v));
        const V b = abs(tan(sin(a - pow(abs(v), 1.2)) + cos(v + pow(abs(u), 0.8))));
        const V c = abs(tan(sin(0.4 - b) * v + cos(v + u / 3)));
        const V d = abs(tan((sin(a - c * 2) + c) + cos(b)));
        const V redMix = ((b * 0.05 + c * 0.05) + d * 0.05) + a * 0.1;
        const V greenMix = ((b * 0.01 + c * 0.01) + d * 0.03) + a * 0.03;
        const V blueMix = ((b * 0.015 + c * 0.03) + d * 0.01) + a * 0.01;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(celtPattern, Celt, "celt", "crumbs",
                SnapshotRule{Origin::Centred, times(0.7), unscaled})

}  // namespace zentrel
