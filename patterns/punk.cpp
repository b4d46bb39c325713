// SPDX-License-Identifier: GPL-3.0-or-later
// "pug": two values of nested sines, cosines and tangents of weighted sums and
// differences of the angles, then two absolute tangents of those mixed into
// the colour. Corner origin; the brightness is doubled.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Punk {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V A = 0.5 + (s.circle * (y / 200)) * s.zoom;
        const V B = 0.5 + (s.circle * (x / 200)) * s.zoom;
        const V P = sin(tan(cos(A * 0.37 + B * 1.37))) + tan(sin(0.23 * B - A * 1.34));
        const V Q = cos(tan(sin(0.6 * B + A * 0.81))) + tan(cos(0.7 * A - B * 3.1));
        const V R = abs(tan(sin(Q * 0.26 - P * 0.34) + sin(tan(cos(P * 0.29 + Q * 0.52)))));
        const V S = abs(tan(sin(P * 1.3 - Q * 2.4) + cos(tan(cos(3.1 * Q + 5.4 * P)))));
        const V blueMix = R * 0.1 + S * 0.03;
        const V redMix = R * 0.03 + S * 0.06;
        const V greenMix = R * 0.05 + S * 0.1;
        return {0.0 + s.bright * redMix, 0.0 + s.bright * greenMix, 0.0 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(punkPattern, Punk, "Punk", "pug",
                SnapshotRule{Origin::Corner, unscaled, times(2), ReadOrder::PositionsFirst})

}  // namespace zentrel
