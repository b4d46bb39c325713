// SPDX-License-Identifier: GPL-3.0-or-later
// "brains": three nested absolute tangents of two scaled coordinates; the
// last two are mixed into the colour, over a floor of (0, 5, 15).

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Blood {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        const V a = abs(tan((pow(abs(u), 1.5) - pow(abs(v), 1.2)) + cos(v + u)));
        const V b = abs(tan(sin((v - a) + cos(((a - u) + sin(u + v)) + cos(a)))));
        const V c = abs(tan(sin((a - u) + cos(b - v / 3)) + sin((u + v) + cos(v - u / 2))));
        const V blueMix = b * 0.002 + c * 0.08;
        const V greenMix = b * 0.02 + c * 0.01;
        const V redMix = b * 0.2 + c * 0.02;
        // Green and blue never drop below their offsets while bright >= 0.
        return {s.bright * redMix, 5 + s.bright * greenMix, 15 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(bloodPattern, Blood, "blood", "brains",
                SnapshotRule{Origin::Centred, unscaled, unscaled})

}  // namespace zentrel
