// SPDX-License-Identifier: GPL-3.0-or-later
// "kanga": one nested chain of sines and cosines, kept off exact zeros by
// small offsets, ending in a power whose exponent varies per pixel.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Kraken {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ax = s.circle * (x / 200) * s.zoom;
        const V ay = s.circle * (y / 200) * s.zoom;
        const V k1 = abs(tan(cos(ax - ay) - sin(ay + ax)));
        // k2, from the inside out.
        const V s1 = sin(k1 - cos(ax));
        const V s2 = sin(ay - s1);
        const V c1 = cos(k1 + s2);
        const V c2 = cos(ax - ((k1 + 0.000123) + c1));
        const V c3 = cos(ax * c2);
        const V s3 = sin(ay + c3);
        const V k2 = cos(k1 * s3);
        const V k3 = abs(k1 * sin((ay * k2 + cos(ax - cos(k2 * k1))) - (cos(k2) + 0.001)));
        const V k4 = pow(abs(cos(ax / 4) + 0.0001), sin(k2 * k3) + 0.001);
        const V k5 = cos(k4 * sin(pow(k3, 0.5) * (k4 + pow(k1, 2))));
        const V redMix = 0.5 * k4 + 0.4 * k5 + 0.2 * k3 + 0.3 * k2;
        const V greenMix = 0.13 * k4 + 1 * k5 + 0.1 * k3 + 0.2 * k2;
        const V blueMix = 0.02 * k4 + 1.5 * k5 + 0.02 * k3 + 0.05 * k2;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(krakenPattern, Kraken, "kraken", "kanga", SnapshotRule{Origin::CornerAcross})

}  // namespace zentrel
