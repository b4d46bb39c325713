// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_patterns.h"

#include "engine/define_pattern.h"

namespace zentrel::test {
namespace {

template <class V>
V squared(V v)
{
    return v * v;
}

// One formula for red, green and blue.
#define TEST_FORMULA(Name, red, green, blue)                            \
    struct Name {                                                       \
        template <class V>                                              \
        static Mix<V> mix([[maybe_unused]] const Snapshot& s, V x, V y) \
        {                                                               \
            return {red, green, blue};                                  \
        }                                                               \
    };

TEST_FORMULA(DividesAtPoint, 1.0 / (squared(x - s.zoom) + squared(y - s.bright)), x * 0.0, y * 0.0)
TEST_FORMULA(DividesAtTwoPoints,
             1.0 / ((squared(x - s.zoom) + squared(y - s.bright)) *
                    (squared(x - s.bright) + squared(y - s.zoom))),
             x * 0.0, y * 0.0)
TEST_FORMULA(DividesOnRow, x * 0.0, 1.0 / (y - s.bright), y * 0.0)
TEST_FORMULA(InvalidOnRow, x * 0.0, y * 0.0, (y - s.bright) / (y - s.bright))
TEST_FORMULA(OverflowsOnRow, 1e300 / (abs(y - s.bright) + 1e-10), x * 0.0, y * 0.0)
TEST_FORMULA(DividesThenInvalid, 1.0 / (y - s.bright) - 1.0 / (y - s.bright), x * 0.0, y * 0.0)
TEST_FORMULA(OverflowsThenInvalid,
             1e300 / (abs(y - s.bright) + 1e-10) - 1e300 / (abs(y - s.bright) + 1e-10), x * 0.0,
             y * 0.0)
TEST_FORMULA(AbsorbsDivision, x * 0.0 + 1.0 / (1.0 / (y - s.bright)), x * 0.0, y * 0.0)
TEST_FORMULA(ZeroToNegativePower, pow(y - s.bright, -1.0) * 0.0, x * 0.0, y * 0.0)
TEST_FORMULA(InvalidPower, pow(y - s.bright - 1, 0.5), x * 0.0, y * 0.0)
TEST_FORMULA(Healthy, x * 10.0, y * 10.0, x * 0.0)
#undef TEST_FORMULA

}  // namespace

// Each known by its C++ name, as routine and caption alike.
#define TEST_PATTERN(object, Formula) \
    ZENTREL_PATTERN(object, Formula, #object, #object, SnapshotRule{Origin::Corner})
TEST_PATTERN(dividesAtPoint, DividesAtPoint)
TEST_PATTERN(dividesAtTwoPoints, DividesAtTwoPoints)
TEST_PATTERN(dividesOnRow, DividesOnRow)
TEST_PATTERN(invalidOnRow, InvalidOnRow)
TEST_PATTERN(overflowsOnRow, OverflowsOnRow)
TEST_PATTERN(dividesThenInvalid, DividesThenInvalid)
TEST_PATTERN(overflowsThenInvalid, OverflowsThenInvalid)
TEST_PATTERN(absorbsDivision, AbsorbsDivision)
TEST_PATTERN(zeroToNegativePower, ZeroToNegativePower)
TEST_PATTERN(invalidPower, InvalidPower)
TEST_PATTERN(healthy, Healthy)
#undef TEST_PATTERN

}  // namespace zentrel::test
