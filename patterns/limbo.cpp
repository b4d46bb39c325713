// SPDX-License-Identifier: GPL-3.0-or-later
// "louis": offset angles, a pair of weighted first terms, and two sines of
// long nested expressions; the components are halved at the end.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Limbo {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ay = 0.5 + s.circle * (y / 200) * s.zoom;
        const V ax = 0.5 + s.circle * (x / 200) * s.zoom;
        const V k1 = cos(ay / 2 + 0.618 * ax) - sin(0.142 * ax - ay);
        const V k2 = sin(ax + ay / 3) + cos(2 * ay - ax);
        const V k3 = abs(tan(sin(k2 - k1) + cos(k1 + k2)));
        const V p1 = k3 * sin(k2) * k1;
        const V k4 = sin(k1 - k2 * cos(k2 - (k1 + k2 * (p1 * cos(k1 + k2 * cos(k3))))));
        const V k5 = sin((k1 - k2 * cos(k2)) - abs(k1 + k2 * p1 * cos(k1) + k2 * abs(cos(k3))));
        const V redMix = 0.25 * k3 + 1.3 * k4 + 1.1 * k2 + 1.5 * k5;
        const V greenMix = 0.05 * k3 + 0.7 * k4 + 0.3 * k2 + 1.7 * k5;
        const V blueMix = 0.01 * k3 + 0.2 * k4 + 0.1 * k2 + 1.1 * k5;
        return {(s.bright * redMix) / 2, (s.bright * greenMix) / 2, (s.bright * blueMix) / 2};
    }
};

}  // namespace

ZENTREL_PATTERN(limboPattern, Limbo, "limbo", "louis",
                SnapshotRule{Origin::ExchangedHalves, times(2), unscaled})

}  // namespace zentrel
