// SPDX-License-Identifier: GPL-3.0-or-later
// "riski": five values that feed on each other, starting from a cosine of a
// tangent with a fractional power of an absolute tangent in it. Corner
// origin; the Xoom is halved.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Rook {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V A = (s.circle * (y / 200)) * s.zoom;
        const V B = (s.circle * (x / 200)) * s.zoom;
        const V P = cos(tan((-(pow(abs(tan(B - A)), 0.4)) + sin(B - A)) - sin(tan(cos(A + B)))));
        const V Q = sin((A - B) + P) + cos(A + B / 3);
        // R takes the product B * A where S takes the sum B + A.
        const V R = abs(Q * tan(sin((A - B) + cos((B - A) + sin(B * A + cos(A + B))))));
        const V S = abs(R * tan(sin((A - B) + cos((B - A) + sin((B + A) + cos(A + B))))));
        const V T = abs(
            tan((B * R) * Q + cos(P * cos((A - B) + ((cos(Q) + sin(B * sin(P))) - cos(Q + A))))));
        const V greenMix = Q * 0.03 + R * 0.03 + T * 0.05 + S * 0.04 + P * 0.02;
        const V blueMix = Q * 0.05 + R * 0.07 + T * 0.03 + S * 0.01 - P * 0.08;
        const V redMix = Q * 0.01 + R * 0.01 + T * 0.01 + S * 0.07 + P * 0.19;
        return {0.0 + s.bright * redMix, 0.0 + s.bright * greenMix, 0.0 + s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(rookPattern, Rook, "rook", "riski",
                SnapshotRule{Origin::Corner, dividedBy(2), unscaled, ReadOrder::PositionsFirst})

}  // namespace zentrel
