// SPDX-License-Identifier: GPL-3.0-or-later
// "quasi": a long chain of deeply nested sines and cosines of the two zoomed
// angles and of the quotient of the two unzoomed ones. The Xoom is tripled;
// the brightness is halved here and the mixes multiplied by 4 at the end.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Qwin {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V B = (s.circle * (x / 200)) * s.zoom;
        const V A = (s.circle * (y / 200)) * s.zoom;
        // The quotient ignores the Xoom; its divisor is zero on one row only.
        const V K = (s.circle * (x / 200)) / (0.000123 + s.circle * (y / 200));
        const V P = sin((A - B) -
                        cos(B * cos(B - sin(A * sin(A * cos(B * sin(A * sin(A - cos(B - A)))))))));
        const V Q =
            cos(K - sin(A + cos(P * (cos((B - A) + (cos(P) + sin(A * sin(P)))) - sin(P + B)))));
        const V R = abs(tan(
            Q * sin(A * cos(B * (cos(B * (Q + 0.000123)) * cos(B * sin(A * sin(A * cos(B)))))))));
        const V S =
            abs(tan(B - A * cos(A - ((B + 0.000123) + Q * sin(A + (B * cos(B + A)) * cos(Q))))));
        const V T =
            abs(sin(S - R * cos(A * (B + 0.000123) + Q * sin(A + (B * cos(B + A)) * cos(P)))));
        const V U = sin(pow(abs(tan(Q) * (S + s.circle)), 0.5));
        const V greenMix = R * 0.07 + S * 0.03 + U * 0.2 + Q * 0.13 + T * 0.02;
        const V redMix = R * 0.02 + S * 0.07 + U * 0.1 + Q * 0.03 + T * 0.004;
        const V blueMix = R * 0.19 + S * 0.01 + U * 0.03 + Q * 0.19 + T * 0.07;
        return {0.0 + (s.bright * redMix) * 4, 0.0 + (s.bright * greenMix) * 4,
                0.0 + (s.bright * blueMix) * 4};
    }
};

}  // namespace

ZENTREL_PATTERN(qwinPattern, Qwin, "qwin", "quasi",
                SnapshotRule{Origin::Centred, times(3), dividedBy(2), ReadOrder::SizeFirst})

}  // namespace zentrel
