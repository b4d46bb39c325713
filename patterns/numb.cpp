// SPDX-License-Identifier: GPL-3.0-or-later
// "nyet": tangents inside sines and cosines, sines and cosines inside
// tangents, and a fifth term of a sine, an offset cosine and an absolute
// cosine; all five go into every component.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Numb {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V ay = s.circle * (y / 200) * s.zoom;
        const V ax = s.circle * (x / 200) * s.zoom;
        const V k1 = sin(tan(cos(0.5 * ay + ax)) + tan(sin(ax - ay)));
        const V k2 = cos(tan(sin(ax + k1)) + tan(cos(ay - ax / 3.2)));
        const V k3 = abs(tan(sin(k2 - k1) + sin(tan(cos(k1 + k2)))));
        const V k4 = abs(tan(sin(k1 - k2) + cos(tan(cos(k2 + k1)))));
        const V k5 = (sin(k4) - cos(1.235 + k1)) +
                     abs(cos(k1 * k3 - cos(k2 * k3 * cos(k3 * k2) * sin(k1 * sin(k4)))));
        const V blueMix = 0.4 * k5 + 0.1 * k3 + 0.05 * k4 + 0.051 * k1 + 0.11 * k2;
        const V greenMix = 0.12 * k5 + 0.03 * k3 + 0.03 * k4 + 0.1 * k1 + 0.26 * k2;
        const V redMix = 0.07 * k5 + 0.05 * k3 + 0.1 * k4 + 0.4 * k1 + 0.038 * k2;
        return {s.bright * redMix, s.bright * greenMix, s.bright * blueMix};
    }
};

}  // namespace

ZENTREL_PATTERN(numbPattern, Numb, "numb", "nyet",
                SnapshotRule{Origin::ShiftedCorner, times(1.5), unscaled,
                             ReadOrder::PositionsFirst})

}  // namespace zentrel
