// SPDX-License-Identifier: GPL-3.0-or-later
// "deyes": everything hangs on one phase w; a cosine difference a, a power e
// whose exponent moves with w, and a product f are mixed into the colour.
// a can be negative, so single components can clamp to black.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Dune {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V v = (s.circle * (y / 200)) * s.zoom;
        const V u = (s.circle * (x / 200)) * s.zoom;
        // The second tangent has no absolute value, on purpose.
        const V a = abs(tan(cos(v + u) - cos(v - u))) + tan(cos(v + u) - cos(v - u) * 2.2);
        const V w = (v - a) - u;
        // tan(w) is 0 only where w is 0, and then the exponent is 0 too: e is
        // never 0, so f never divides by zero.
        const V e = pow(abs(tan(w) / 3), sin(w / 8));
        const V f = abs(tan(w) / e) * sin(tan(w / 3));
        const V redMix = (e * 0.05 + f * 0.52) + a * 0.021;
        const V greenMix = (e * 0.11 + f * 0.31) + a * 0.12;
        const V blueMix = (e * 0.02 + f * 0.06) + a * 0.34;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(dunePattern, Dune, "dune", "deyes",
                SnapshotRule{Origin::Centred, times(2), dividedBy(2)})

}  // namespace zentrel
