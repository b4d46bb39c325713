// SPDX-License-Identifier: GPL-3.0-or-later
// "aqua": six layered tangents of sines of two scaled coordinates, mixed into
// the colour by fixed weight tables.

#include "engine/define_pattern.h"

namespace zentrel {
namespace {

struct Aries {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V a = s.circle * (y / 200) * s.zoom;
        const V b = s.circle * (x / 200) * s.zoom;
        const V t1 = abs(tan(sin(a * b + cos(b - a) + cos(a + b))));
        const V t2 = abs(sin(t1 * cos(a / 2 - cos(t1 * sin(b - cos(t1 / 3))))));
        const V t3 = abs(tan(
            sin((a * b - pow(abs(b), t2)) + cos(b - t1 + a) - pow(abs(a), t2) * tan(a * b - a))));
        const V t4 = abs(tan(sin(t1 * t2 * cos(b - a)) + sin(b + t2 + t1 + cos(a + b))));
        const V t5 = abs(tan(sin(t1 * t4 * cos(b - t3 - a)) + sin(b + t2 + t1 + cos(a + t3 + b))));
        const V t6 = abs(tan(sin(t1 * t4 * cos(b - t4 - a)) + sin(t5 + t2 + t1 + cos(a + t3 + b))));
        const V t7 = abs(sin(tan(t2) * sin(a) * cos(b))) * 15;
        const V t8 = abs(tan(t1));
        const V wB = t8 * 0.005 + t4 * 0.1 + t7 * 0.1 + t3 * 0.2 + t5 * 0.06 + t6 * 0.3;
        const V wG = t8 * 0.013 + t4 * 0.07 + t7 * 0.03 + t3 * -0.15 + t5 * 0.01 + t6 * 0.06;
        const V wR = t8 * 0.002 + t4 * 0.01 + t7 * 0.01 + t3 * 0.1 + t5 * 0.02 + t6 * 0.08;
        return {s.bright * wR, s.bright * wG, s.bright * wB};
    }
};

}  // namespace

ZENTREL_PATTERN(ariesPattern, Aries, "aries", "aqua", SnapshotRule{Origin::Centred})

}  // namespace zentrel
