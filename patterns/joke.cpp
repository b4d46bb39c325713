// SPDX-License-Identifier: GPL-3.0-or-later
// "jay": starts from two magnitudes built with powers, a root of a sum of
// squares and a square of a sum of roots, then tangents of sines and cosines
// of them and tangents of powers of the last; red leads.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Joke {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ay = s.circle * (y / 200) * s.zoom;
        const V ax = s.circle * (x / 200) * s.zoom;
        // The exponent is 1 divided by 2, not a square root.
        const V k1 = pow(abs(pow(sin(ay), 2) + pow(cos(ax), 2)), 1.0 / 2);
        const V k2 = pow(abs(pow(abs(sin(ax)), 0.5) + pow(abs(sin(ay)), 0.5)), 2);
        const V k3 = abs(tan(sin((k1 - k2) - cos(k1 + k2) * cos(k2 * k1))));
        const V k4 = abs(tan(cos((k2 - k1) - sin(k1 + k2) * cos(pow(k3, 2)))));
        const V k5 = abs(tan(cos(((k2 - k1) - k4) - sin(k1 + k2 + 3 * k3) * cos(k3 * k4))));
        const V k6 = abs(tan(abs(pow(k5, abs(k2)))));
        const V k7 = abs(tan(abs(pow(k5, abs(k1 * k3)))));
        const V blueMix = 0.09 * k5 + 0.01 * k6 + 0.01 * k7;
        const V greenMix = 0.13 * k5 + 0.02 * k6 + 0.05 * k7;
        const V redMix = 0.29 * k5 + 0.12 * k6 + 0.1 * k7;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(jokePattern, Joke, "joke", "jay", SnapshotRule{Origin::Centred, times(2), unscaled})

}  // namespace zentrel
