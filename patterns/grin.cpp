// SPDX-License-Identifier: GPL-3.0-or-later
// "gall": a cascade of seven absolute tangents; the colour is accumulated in
// two passes, first from c and d, then from f and g.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Grin {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        const V a = abs(tan(cos(u - v) / 2 - sin(v + u) * 3));
        const V b = abs(tan(2 * sin(v - u) + cos(u + v) / 3));
        const V c = abs(tan(sin(a) - tan(sin(b))));
        const V d = abs(tan(sin(b) - tan(sin(a))));
        const V e = abs(tan(sin(d * 3 - c / 2) + cos(c / 0.5 + d * 0.7)));
        const V f = abs(tan(sin(d - c / 2) + cos(c + d / 3)));
        const V g = abs(tan(b + e) - tan((a * f) / e));
        V blueMix = c * 0.09 + d * 0.0012;
        V greenMix = c * 0.025 + d * 0.2;
        V redMix = c * 0.071 + d * 0.2;
        blueMix = (blueMix + f * 0.02) + g * 0.08;
        redMix = (redMix + f * 0.04) + g * 0.04;
        greenMix = (greenMix + f * 0.08) + g * 0.02;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(grinPattern, Grin, "grin", "gall",
                SnapshotRule{Origin::Centred, dividedBy(3), unscaled})

}  // namespace zentrel
