// SPDX-License-Identifier: GPL-3.0-or-later
// "icening": slowed angles, their sines, then six absolute terms, most of
// them tangents (the first with a tangent inside a tangent); blue leads.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Ice {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ay = s.circle * (y / 200) * s.zoom;
        const V ax = s.circle * (x / 200) * s.zoom;
        const V k1 = sin(ay / 1.5);
        const V k2 = sin(ax / 1.5);
        // The 0.5 comes after the outer tangent, inside the absolute value.
        const V k3 = abs(tan(sin(0.07 * k2 - 0.03 * k1) + tan(cos(k1 + k2))) + 0.5);
        // The product cos(...) * k3 is what gets divided by 3.
        const V k4 = abs(sin(0.41 * k2 - 0.37 * k1) + cos(0.13 * k1 + 0.14 * k2) * k3 / 3);
        const V k5 =
            abs(tan(sin(0.89 * ax - 0.42 * ay) * k4 * cos(0.56 * ay + k3 / 2 + 0.61 * ax)));
        // The second sine sits outside the tangent.
        const V k6 = abs(tan(sin(2 * ax + 0.5 * ay) + k4 / 2) + sin(2 * ay - 0.5 * ax));
        const V k7 = abs(tan(sin(k6 - k5) + cos(0.3 * k5) + 1.4 * k6));
        const V k8 = abs(tan(sin(2 * k6 + 0.5 * k5) + sin(2 * k5 - 0.5 * k6)));
        const V blueMix = 0.08 * k7 + 0.08 * k8 + 0.08 * k6 + 0.08 * k4;
        const V greenMix = 0.02 * k7 + 0.06 * k8 + 0.03 * k6 + 0.04 * k4;
        const V redMix = 0.03 * k7 + 0.02 * k8 + 0.01 * k6 + 0.06 * k4;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(icePattern, Ice, "ice", "icening", SnapshotRule{Origin::Centred})

}  // namespace zentrel
