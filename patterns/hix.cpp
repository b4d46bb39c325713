// SPDX-License-Identifier: GPL-3.0-or-later
// "hari": two angles feed a chain of seven terms, two of them absolute
// tangents; the last two terms carry the colour, mostly into blue.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Hix {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ay = s.circle * (y / 200) * s.zoom;
        const V ax = s.circle * (x / 200) * s.zoom;
        const V k1 = sin(ay) - cos(ax);
        const V k2 = cos(0.87 * ax - 0.31 * ay) * k1;
        const V k3 = abs(tan(sin(3 * k2 - k1 / 2) + cos(k1 / 0.5 + 0.7 * k2)));
        const V k4 = k2 + sin(k2 - 0.22 * ay) * k3;
        const V k5 = 0.27 * k1 - cos(k3 - 0.17 * ax);
        const V k6 = sin((k4 - k5) + cos(k5 + 0.76 * ax) * sin(ay - k2));
        // k6 is added outside the first sine, the second sine subtracted after it.
        const V k7 = abs(tan(sin(2 * k4 + 0.5 * ay) + k6 - sin(2 * k1 - 0.5 * k4)));
        const V blueMix = 0.09 * k6 + 0.09 * k7;
        const V greenMix = 0.01 * k6 + 0.03 * k7;
        const V redMix = 0.03 * k6 + 0.01 * k7;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(hixPattern, Hix, "hix", "hari", SnapshotRule{Origin::Centred, times(2), unscaled})

}  // namespace zentrel
