// SPDX-License-Identifier: GPL-3.0-or-later
// "fey": a product s and a difference t of sines and cosines; c swings fastest
// where its divisor t + 0.00000031 nears 0, and e divides a by a power of
// d = |b * c|. The non-negative terms a, d and e are mixed into the colour.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Fun {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        // sv is the product s of the formula; s names the snapshot here.
        const V sv = sin(v) * cos(u);
        const V t = cos(u) - (cos(v) + 0.0001);
        const V a = abs(tan(sin(t * 3 - sv / 2) + cos(sv / 0.5 + t * 0.7)));
        // No absolute value on b; d takes it after the product.
        const V b = tan(cos(t / 1.1 - sv * 1.3));
        const V c = sin(1.7 * sv + 1.9 / (0.00000031 + t));
        const V d = abs(b * c);
        const V e = a / (pow(d, 0.7) + 0.0000001);
        const V redMix = (a * 0.05 + d * 0.01) + e * 0.08;
        const V greenMix = (a * 0.03 + d * 0.08) + e * 0.018;
        const V blueMix = (a * 0.19 + d * 0.2) + e * 0.001;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(funPattern, Fun, "fun", "fey", SnapshotRule{Origin::Centred, times(2), unscaled})

}  // namespace zentrel
