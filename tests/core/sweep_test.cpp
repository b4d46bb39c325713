// The frame every drawing follows: the snapshot of the five fields, the grid
// of loop values, the faults a formula can meet on the way and where they are
// reported, the same picture for any number of threads, and the colour rule.

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/colour.h"
#include "engine/column_pool.h"
#include "engine/define_pattern.h"
#include "engine/field_texts.h"
#include "engine/field_value.h"
#include "engine/pattern_table.h"
#include "engine/render.h"
#include "engine/snapshot.h"
#include "engine/sweep.h"
#include "params/number_text.h"

namespace zentrel {
namespace {

std::string fieldsText(const FieldTexts& f)
{
    return "{" + f.one + ", " + f.two + ", " + f.three + ", " + f.four + ", " + f.five + "}";
}

FieldTexts fields(std::string one, std::string two, std::string three, std::string four = "1",
                  std::string five = "150")
{
    return FieldTexts{std::move(one), std::move(two), std::move(three), std::move(four),
                      std::move(five)};
}

// ---------------------------------------------------------------------------
// Snapshot

struct SnapshotCase {
    const char* name;
    SnapshotRule rule;
    FieldTexts fields;
    double size;
    double width;
    double left;
    double top;
    double zoom = 1;
    double bright = 150;
};

void PrintTo(const SnapshotCase& c, std::ostream* os) { *os << c.name; }

class SnapshotTakes : public ::testing::TestWithParam<SnapshotCase> {};

TEST_P(SnapshotTakes, ExtentsOriginAndScales)
{
    const SnapshotCase& c = GetParam();
    const Outcome<Snapshot> taken = takeSnapshot(c.rule, c.fields);
    ASSERT_TRUE(taken.ok()) << fieldsText(c.fields) << ": " << taken.failure().message();
    const Snapshot& s = taken.value();
    EXPECT_EQ(s.size, c.size);
    EXPECT_EQ(s.width, c.width);
    EXPECT_EQ(s.left, c.left);
    EXPECT_EQ(s.top, c.top);
    EXPECT_EQ(s.zoom, c.zoom);
    EXPECT_EQ(s.bright, c.bright);
    EXPECT_EQ(s.circle, 44.0 / 7.0);
}

constexpr SnapshotRule rule(Origin origin) { return SnapshotRule{origin}; }

// The large picture, centred on 0, 0: 1024 columns of 768 rows.
const FieldTexts kLargeAtZero = fields("0", "0", "768");

INSTANTIATE_TEST_SUITE_P(
    OriginRules, SnapshotTakes,
    ::testing::Values(
        SnapshotCase{"centred", rule(Origin::Centred), kLargeAtZero, 768, 1024, -512, -384},
        SnapshotCase{"centred_plain_halves", rule(Origin::CentredPlainHalves), kLargeAtZero, 768,
                     1024, -512, -384},
        SnapshotCase{"exchanged_halves", rule(Origin::ExchangedHalves), kLargeAtZero, 768, 1024,
                     -384, -512},
        SnapshotCase{"corner", rule(Origin::Corner), kLargeAtZero, 768, 1024, 0, 0},
        SnapshotCase{"corner_across", rule(Origin::CornerAcross), kLargeAtZero, 768, 1024, 0,
                     -384},
        SnapshotCase{"shifted_corner", rule(Origin::ShiftedCorner), kLargeAtZero, 768, 1024, 150,
                     -150},
        SnapshotCase{"ahead_across", rule(Origin::AheadAcross), kLargeAtZero, 768, 1024, 512, 0},
        SnapshotCase{"large_centred_on_its_middle", rule(Origin::Centred),
                     fields("512", "384", "768"), 768, 1024, 0, 0},
        SnapshotCase{"start_fields_centred", rule(Origin::Centred), FieldTexts{}, 150, 150, -74,
                     -74},
        SnapshotCase{"start_fields_shifted_corner", rule(Origin::ShiftedCorner), FieldTexts{},
                     150, 150, 151, -149},
        SnapshotCase{"centred_on_100_100", rule(Origin::Centred), fields("100", "100", "150"),
                     150, 150, 25, 25},
        SnapshotCase{"fractional_size", rule(Origin::Centred), fields("1", "1", "2.5"), 2.5, 2.5,
                     -0.25, -0.25},
        SnapshotCase{"fractional_corner", rule(Origin::Corner), fields("-3.5", "2.25", "10"), 10,
                     10, -3.5, 2.25},
        SnapshotCase{"letters_in_every_field", rule(Origin::Centred),
                     fields("abc", "x", "size", "zoom", "dim"), 0, 0, 0, 0, 0, 0}));

// Only 768 itself makes the picture wider than it is high, however it is
// written.
INSTANTIATE_TEST_SUITE_P(
    LargeWidth, SnapshotTakes,
    ::testing::Values(
        SnapshotCase{"written_with_a_point", rule(Origin::Corner), fields("0", "0", "768.0"), 768,
                     1024, 0, 0},
        SnapshotCase{"written_with_blanks", rule(Origin::Corner), fields("0", "0", "7 6 8"), 768,
                     1024, 0, 0},
        SnapshotCase{"written_in_hexadecimal", rule(Origin::Corner), fields("0", "0", "&H300"),
                     768, 1024, 0, 0},
        SnapshotCase{"followed_by_letters", rule(Origin::Corner), fields("0", "0", "768px"), 768,
                     1024, 0, 0},
        SnapshotCase{"one_more", rule(Origin::Corner), fields("0", "0", "769"), 769, 769, 0, 0},
        SnapshotCase{"one_less", rule(Origin::Corner), fields("0", "0", "767"), 767, 767, 0, 0},
        SnapshotCase{"half_less", rule(Origin::Corner), fields("0", "0", "767.5"), 767.5, 767.5,
                     0, 0},
        SnapshotCase{"the_largest_size", rule(Origin::Corner), fields("0", "0", "1024"), 1024,
                     1024, 0, 0}));

// A size with more than fifteen significant digits: half() reads it back from
// its number text ("150") and so halves exactly 150, where a plain division
// keeps the extra digits.
const char* const kSizeBeyondFifteenDigits = "150.00000000000003";
const double kThatSize = 150.00000000000003;

INSTANTIATE_TEST_SUITE_P(
    HalvesThroughTheNumberText, SnapshotTakes,
    ::testing::Values(
        SnapshotCase{"centred", rule(Origin::Centred),
                     fields("1", "1", kSizeBeyondFifteenDigits), kThatSize, kThatSize, -74, -74},
        SnapshotCase{"corner_across", rule(Origin::CornerAcross),
                     fields("1", "1", kSizeBeyondFifteenDigits), kThatSize, kThatSize, 1, -74},
        SnapshotCase{"ahead_across", rule(Origin::AheadAcross),
                     fields("1", "1", kSizeBeyondFifteenDigits), kThatSize, kThatSize, 76, 1},
        SnapshotCase{"plain_halves_keep_the_digits", rule(Origin::CentredPlainHalves),
                     fields("1", "1", kSizeBeyondFifteenDigits), kThatSize, kThatSize,
                     1 - kThatSize / 2, 1 - kThatSize / 2},
        SnapshotCase{"exchanged_halves_keep_the_digits", rule(Origin::ExchangedHalves),
                     fields("1", "1", kSizeBeyondFifteenDigits), kThatSize, kThatSize,
                     1 - kThatSize / 2, 1 - kThatSize / 2}));

TEST(SnapshotHalves, TheSizeRowsReallyDiffer)
{
    // Guards the rows above: they only mean something if the size is not 150.
    ASSERT_NE(kThatSize, 150.0);
    ASSERT_NE(1 - kThatSize / 2, -74.0);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, SnapshotTakes,
    ::testing::Values(
        SnapshotCase{"xoom_doubled", {Origin::Corner, times(2)}, fields("0", "0", "10", "0.3"),
                     10, 10, 0, 0, 0.6},
        SnapshotCase{"xoom_times_one_and_a_half", {Origin::Corner, times(1.5)},
                     fields("0", "0", "10", "0.2"), 10, 10, 0, 0, 0.2 * 1.5},
        // Divided, not multiplied by a reciprocal: 5 / 3 and 5 * (1 / 3)
        // differ in the last bit.
        SnapshotCase{"xoom_divided_by_three", {Origin::Corner, dividedBy(3)},
                     fields("0", "0", "10", "5"), 10, 10, 0, 0, 5.0 / 3.0},
        SnapshotCase{"brightness_halved", {Origin::Corner, unscaled, dividedBy(2)},
                     fields("0", "0", "10", "1", "150"), 10, 10, 0, 0, 1, 75},
        SnapshotCase{"brightness_doubled", {Origin::Corner, unscaled, times(2)},
                     fields("0", "0", "10", "1", "-7.25"), 10, 10, 0, 0, 1, -14.5}));

TEST(SnapshotScales, DivisionAndReciprocalReallyDiffer)
{
    ASSERT_NE(5.0 / 3.0, 5.0 * (1.0 / 3.0));
}

TEST(WidthForSize, OnlySevenSixtyEightIsWidened)
{
    EXPECT_EQ(widthForSize(768), 1024);
    for (double size : {0.0, 1.0, 150.0, 767.0, 767.5, 768.5, 769.0, 1024.0, -768.0})
        EXPECT_EQ(widthForSize(size), size) << size;
}

struct SnapshotFailureCase {
    const char* name;
    SnapshotRule rule;
    FieldTexts fields;
    const char* message;
};

void PrintTo(const SnapshotFailureCase& c, std::ostream* os) { *os << c.name; }

class SnapshotFails : public ::testing::TestWithParam<SnapshotFailureCase> {};

TEST_P(SnapshotFails, NamingTheField)
{
    const SnapshotFailureCase& c = GetParam();
    const Outcome<Snapshot> taken = takeSnapshot(c.rule, c.fields);
    ASSERT_FALSE(taken.ok()) << fieldsText(c.fields) << " gave a snapshot";
    EXPECT_EQ(taken.failure().fault, Fault::Overflow);
    EXPECT_EQ(taken.failure().message(), c.message);
}

const char* const kHuge = "1e999";

INSTANTIATE_TEST_SUITE_P(
    BeyondTheDoubleRange, SnapshotFails,
    ::testing::Values(
        SnapshotFailureCase{"xoom", rule(Origin::Centred), fields("1", "1", "150", kHuge),
                            "Overflow in TextFour"},
        SnapshotFailureCase{"across", rule(Origin::Centred), fields(kHuge, "1", "150"),
                            "Overflow in TextOne"},
        SnapshotFailureCase{"down", rule(Origin::Corner), fields("1", kHuge, "150"),
                            "Overflow in TextTwo"},
        SnapshotFailureCase{"size", rule(Origin::Corner), fields("1", "1", kHuge),
                            "Overflow in TextThree"},
        SnapshotFailureCase{"brightness", rule(Origin::Corner),
                            fields("1", "1", "150", "1", kHuge), "Overflow in Textfive"},
        // Two fields beyond the range: the one read first is named.
        SnapshotFailureCase{"size_read_first", {Origin::Centred, unscaled, unscaled,
                                                ReadOrder::SizeFirst},
                            fields(kHuge, "1", kHuge), "Overflow in TextThree"},
        SnapshotFailureCase{"positions_read_first", {Origin::Centred, unscaled, unscaled,
                                                     ReadOrder::PositionsFirst},
                            fields(kHuge, "1", kHuge), "Overflow in TextOne"},
        SnapshotFailureCase{"down_before_xoom", rule(Origin::Corner),
                            fields("1", kHuge, "150", kHuge), "Overflow in TextTwo"},
        SnapshotFailureCase{"xoom_before_brightness", rule(Origin::Corner),
                            fields("1", "1", "150", kHuge, kHuge), "Overflow in TextFour"},
        // Within the range as typed, beyond it once scaled.
        SnapshotFailureCase{"xoom_doubled", {Origin::Corner, times(2)},
                            fields("1", "1", "150", "1e308"), "Overflow in TextFour"},
        SnapshotFailureCase{"brightness_doubled", {Origin::Corner, unscaled, times(2)},
                            fields("1", "1", "150", "1", "1e308"), "Overflow in Textfive"},
        // The largest double's number text has 15 digits and rounds up past
        // the largest double, so reading it back for half() overflows.
        SnapshotFailureCase{"half_of_the_largest_size", rule(Origin::Centred),
                            fields("1", "1", "1.7976931348623157e308"), "Overflow in TextThree"},
        // The origin itself beyond the range.
        SnapshotFailureCase{"left_beyond", rule(Origin::Centred),
                            fields("-1.5e308", "1", "1e308"), "Overflow in TextOne"},
        SnapshotFailureCase{"top_beyond", rule(Origin::ExchangedHalves),
                            fields("1", "-1.5e308", "1e308"), "Overflow in TextTwo"}));

TEST(Snapshot, PlainHalvesOfTheLargestSizeAreFine)
{
    const auto taken = takeSnapshot(rule(Origin::CentredPlainHalves),
                                    fields("1", "1", "1.7976931348623157e308"));
    ASSERT_TRUE(taken.ok()) << taken.failure().message();
    EXPECT_EQ(taken.value().left, 1 - DBL_MAX / 2);
}

// ---------------------------------------------------------------------------
// Grid of loop values

Snapshot extents(double left, double top, double width, double size)
{
    Snapshot s;
    s.left = left;
    s.top = top;
    s.width = width;
    s.size = size;
    return s;
}

struct GridCase {
    const char* name;
    Snapshot snapshot;
    std::vector<double> xs;
    std::vector<double> ys;
};

void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

class SweepGridBounds : public ::testing::TestWithParam<GridCase> {};

TEST_P(SweepGridBounds, LoopValues)
{
    const Outcome<SweepGrid> grid = sweepGrid(GetParam().snapshot);
    ASSERT_TRUE(grid.ok()) << grid.failure().message();
    EXPECT_EQ(grid.value().xs, GetParam().xs);
    EXPECT_EQ(grid.value().ys, GetParam().ys);
}

INSTANTIATE_TEST_SUITE_P(
    Extents, SweepGridBounds,
    ::testing::Values(
        GridCase{"two_and_a_half", extents(0, 0, 2.5, 2.5), {1, 2}, {1, 2}},
        GridCase{"whole_extents", extents(10, -5, 3, 2), {11, 12, 13}, {-4, -3}},
        GridCase{"one", extents(0, 0, 1, 1), {1}, {1}},
        GridCase{"zero", extents(0, 0, 0, 0), {}, {}},
        GridCase{"below_one", extents(0, 0, 0.5, 0.5), {}, {}},
        GridCase{"negative", extents(0, 0, -3, -3), {}, {}},
        GridCase{"large_negative", extents(0, 0, -1e300, -1e300), {}, {}},
        GridCase{"fractional_origin", extents(0.5, -0.25, 2, 1), {1.5, 2.5}, {0.75}},
        GridCase{"fractional_origin_and_extent", extents(0.5, 0.5, 2.75, 1.5), {1.5, 2.5},
                 {1.5}}));

TEST(SweepGrid, LargeSizeIs1024By768)
{
    const auto taken = takeSnapshot(rule(Origin::Centred), fields("512", "384", "768"));
    ASSERT_TRUE(taken.ok());
    const auto grid = sweepGrid(taken.value());
    ASSERT_TRUE(grid.ok());
    ASSERT_EQ(grid.value().xs.size(), 1024u);
    ASSERT_EQ(grid.value().ys.size(), 768u);
    EXPECT_EQ(grid.value().xs.front(), 1);
    EXPECT_EQ(grid.value().xs.back(), 1024);
    EXPECT_EQ(grid.value().ys.back(), 768);
}

TEST(SweepGrid, CentredOnOneHundredRunsFrom26To175)
{
    const auto taken = takeSnapshot(rule(Origin::Centred), fields("100", "100", "150"));
    ASSERT_TRUE(taken.ok());
    const auto grid = sweepGrid(taken.value());
    ASSERT_TRUE(grid.ok());
    for (const auto* values : {&grid.value().xs, &grid.value().ys}) {
        ASSERT_EQ(values->size(), 150u);
        EXPECT_EQ(values->front(), 26);
        EXPECT_EQ(values->back(), 175);
    }
}

// The counters are stepped by adding 1 and compared with the end bound, so a
// fractional origin collects rounding: each value is exactly the previous one
// plus 1, and the count can differ from the extent by one.
TEST(SweepGrid, CountersAreSteppedByAddingOne)
{
    const double left = -0.0958;
    const auto grid = sweepGrid(extents(left, 0, 50, 1));
    ASSERT_TRUE(grid.ok());
    const auto& xs = grid.value().xs;
    ASSERT_FALSE(xs.empty());
    EXPECT_EQ(xs.front(), left + 1);
    bool differsFromDirect = false;
    for (std::size_t i = 1; i < xs.size(); ++i) {
        EXPECT_EQ(xs[i], xs[i - 1] + 1) << "column " << i;
        differsFromDirect = differsFromDirect || xs[i] != left + static_cast<double>(i + 1);
    }
    // Guards the case: the accumulated values are not simply left + i + 1.
    EXPECT_TRUE(differsFromDirect);
    EXPECT_LE(xs.back(), left + 50);
}

struct CountCase {
    const char* name;
    double left;
    double width;
    std::size_t columns;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class SweepGridCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(SweepGridCounts, AsTheSteppedCounterHasIt)
{
    const auto grid = sweepGrid(extents(GetParam().left, 0, GetParam().width, 1));
    ASSERT_TRUE(grid.ok()) << grid.failure().message();
    EXPECT_EQ(grid.value().xs.size(), GetParam().columns);
}

INSTANTIATE_TEST_SUITE_P(
    FractionalOrigins, SweepGridCounts,
    ::testing::Values(
        CountCase{"tenth", 0.1, 100, 100}, CountCase{"negative_tenth", -0.1, 100, 100},
        // 1.12 + 1 + 1 + ... reaches 51.120000000000005 after 49 steps, just
        // past the end bound 1.12 + 50 = 51.12: one column short.
        CountCase{"accumulated_past_the_end", 1.12, 50, 49},
        // Above 2^52 the half is lost: the start 2^52 + 0.5 rounds down to
        // 2^52 and the end 2^52 + 9.5 rounds up to 2^52 + 10, one column more.
        CountCase{"halves_lost_above_two_to_the_52", 4503599627370495.5, 10, 11}));

struct TooLargeCase {
    const char* name;
    Snapshot snapshot;
    Fault fault;
};

void PrintTo(const TooLargeCase& c, std::ostream* os) { *os << c.name; }

class SweepGridRefuses : public ::testing::TestWithParam<TooLargeCase> {};

TEST_P(SweepGridRefuses, WithAFailure)
{
    const auto grid = sweepGrid(GetParam().snapshot);
    ASSERT_FALSE(grid.ok()) << grid.value().xs.size() << " columns";
    EXPECT_EQ(grid.failure().fault, GetParam().fault) << grid.failure().message();
    EXPECT_FALSE(grid.failure().where.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SweepGridRefuses,
    ::testing::Values(
        // Adding 1 no longer moves the counter: the loop would never end.
        TooLargeCase{"left_1e16", extents(1e16, 0, 150, 150), Fault::PositionTooLarge},
        TooLargeCase{"top_1e16", extents(0, 1e16, 150, 150), Fault::PositionTooLarge},
        TooLargeCase{"left_minus_1e16", extents(-1e16, 0, 150, 150), Fault::PositionTooLarge},
        TooLargeCase{"crossing_two_to_the_53", extents(9007199254740989.0, 0, 5, 5),
                     Fault::PositionTooLarge},
        TooLargeCase{"width_beyond_the_largest", extents(0, 0, 65537, 1), Fault::Overflow},
        TooLargeCase{"size_beyond_the_largest", extents(0, 0, 1, 65537), Fault::Overflow}));

TEST(SweepGrid, LargePositionsBelowTwoToThe53AreFine)
{
    const auto grid = sweepGrid(extents(9e15, -9e15, 5, 5));
    ASSERT_TRUE(grid.ok()) << grid.failure().message();
    EXPECT_EQ(grid.value().xs, (std::vector<double>{9e15 + 1, 9e15 + 2, 9e15 + 3, 9e15 + 4,
                                                    9e15 + 5}));
    EXPECT_EQ(grid.value().ys.front(), -9e15 + 1);
    EXPECT_EQ(grid.value().ys.size(), 5u);
}

TEST(SweepGrid, TheLargestExtentIsAllowed)
{
    const auto grid = sweepGrid(extents(0, 0, kMaxExtent, 1));
    ASSERT_TRUE(grid.ok()) << grid.failure().message();
    EXPECT_EQ(grid.value().xs.size(), static_cast<std::size_t>(kMaxExtent));
}

TEST(SweepGrid, APositionTooLargeFromTheFields)
{
    // The fields themselves are fine; only the loop cannot step.
    const auto taken = takeSnapshot(rule(Origin::Corner), fields("1e16", "0", "10"));
    ASSERT_TRUE(taken.ok());
    const auto grid = sweepGrid(taken.value());
    ASSERT_FALSE(grid.ok());
    EXPECT_EQ(grid.failure().fault, Fault::PositionTooLarge);
    EXPECT_EQ(grid.failure().message().rfind("Position too large", 0), 0u)
        << grid.failure().message();
}

// ---------------------------------------------------------------------------
// Faults in the formulas, with patterns made to fail at chosen pixels. The
// Xoom and brightness values of the snapshot say where.

// 1 / ((x - zoom)^2 + (y - bright)^2): a division by zero at one pixel.
struct DividesAtPoint {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V dx = x - s.zoom;
        const V dy = y - s.bright;
        return {1.0 / (dx * dx + dy * dy), x * 0.0, y * 0.0};
    }
};

// A division by zero at two pixels, (zoom, bright) and (bright, zoom).
struct DividesAtTwoPoints {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V d1 = (x - s.zoom) * (x - s.zoom) + (y - s.bright) * (y - s.bright);
        const V d2 = (x - s.bright) * (x - s.bright) + (y - s.zoom) * (y - s.zoom);
        return {1.0 / (d1 * d2), x * 0.0, y * 0.0};
    }
};

// A division by zero on the row y = bright of every column.
struct DividesOnRow {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        return {x * 0.0, 1.0 / (y - s.bright), y * 0.0};
    }
};

// 0 / 0 on the row y = bright: an invalid operation and nothing else.
struct InvalidOnRow {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V d = y - s.bright;
        return {x * 0.0, y * 0.0, d / d};
    }
};

// 1e300 / 1e-10 on the row y = bright: an overflow and nothing else.
struct OverflowsOnRow {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        return {1e300 / (abs(y - s.bright) + 1e-10), x * 0.0, y * 0.0};
    }
};

// A division by zero whose infinity then meets itself: inf - inf is invalid
// as well, but the division is the cause.
struct DividesThenInvalid {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V q = 1.0 / (y - s.bright);
        return {q - q, x * 0.0, y * 0.0};
    }
};

// Likewise an overflow followed by inf - inf: the overflow is the cause.
struct OverflowsThenInvalid {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        const V big = 1e300 / (abs(y - s.bright) + 1e-10);
        return {big - big, x * 0.0, y * 0.0};
    }
};

struct Healthy {
    template <class V>
    static Mix<V> mix(const Snapshot& s, V x, V y)
    {
        return {x * 10.0 + s.zoom, y * 10.0, (x + y) * s.bright};
    }
};

const Pattern kDividesAtPoint =
    definePattern<DividesAtPoint>("t1", "dividesAtPoint", rule(Origin::Corner));
const Pattern kDividesAtTwoPoints =
    definePattern<DividesAtTwoPoints>("t2", "dividesAtTwoPoints", rule(Origin::Corner));
const Pattern kDividesOnRow =
    definePattern<DividesOnRow>("t3", "dividesOnRow", rule(Origin::Corner));
const Pattern kInvalidOnRow =
    definePattern<InvalidOnRow>("t4", "invalidOnRow", rule(Origin::Corner));
const Pattern kOverflowsOnRow =
    definePattern<OverflowsOnRow>("t5", "overflowsOnRow", rule(Origin::Corner));
const Pattern kDividesThenInvalid =
    definePattern<DividesThenInvalid>("t6", "dividesThenInvalid", rule(Origin::Corner));
const Pattern kOverflowsThenInvalid =
    definePattern<OverflowsThenInvalid>("t7", "overflowsThenInvalid", rule(Origin::Corner));
const Pattern kHealthy = definePattern<Healthy>("t8", "healthy", rule(Origin::Corner));

Snapshot faultAt(double zoom, double bright)
{
    Snapshot s;
    s.zoom = zoom;
    s.bright = bright;
    return s;
}

struct ColumnFaultCase {
    const char* name;
    const Pattern* pattern;
    Snapshot snapshot;
    double x;
    std::vector<double> ys;
    Fault fault;
    const char* message;
};

void PrintTo(const ColumnFaultCase& c, std::ostream* os) { *os << c.name; }

const std::vector<double> kTenRows = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

class ColourColumnFails : public ::testing::TestWithParam<ColumnFaultCase> {};

TEST_P(ColourColumnFails, AtTheFirstFailingPixel)
{
    const ColumnFaultCase& c = GetParam();
    std::vector<Colour> out(c.ys.size());
    const std::optional<Failure> failure =
        colourColumn(*c.pattern, c.snapshot, c.x, c.ys, out.data());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->fault, c.fault);
    EXPECT_EQ(failure->message(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ColourColumnFails,
    ::testing::Values(
        ColumnFaultCase{"division_by_zero", &kDividesAtPoint, faultAt(7, 3), 7, kTenRows,
                        Fault::DivisionByZero, "Division by zero at x = 7, y = 3"},
        ColumnFaultCase{"invalid_operation", &kInvalidOnRow, faultAt(0, 6), 2, kTenRows,
                        Fault::InvalidOperation, "Invalid operation at x = 2, y = 6"},
        ColumnFaultCase{"overflow", &kOverflowsOnRow, faultAt(0, 5), -4, kTenRows,
                        Fault::Overflow, "Overflow at x = -4, y = 5"},
        ColumnFaultCase{"division_then_invalid", &kDividesThenInvalid, faultAt(0, 2), 1,
                        kTenRows, Fault::DivisionByZero, "Division by zero at x = 1, y = 2"},
        ColumnFaultCase{"overflow_then_invalid", &kOverflowsThenInvalid, faultAt(0, 4), 1,
                        kTenRows, Fault::Overflow, "Overflow at x = 1, y = 4"}));

INSTANTIATE_TEST_SUITE_P(
    Places, ColourColumnFails,
    ::testing::Values(
        ColumnFaultCase{"first_row", &kDividesOnRow, faultAt(0, 1), 3, kTenRows,
                        Fault::DivisionByZero, "Division by zero at x = 3, y = 1"},
        // Rows are computed four at a time; the last two are left over.
        ColumnFaultCase{"second_group_of_four", &kDividesOnRow, faultAt(0, 7), 3, kTenRows,
                        Fault::DivisionByZero, "Division by zero at x = 3, y = 7"},
        ColumnFaultCase{"last_row_left_over", &kDividesOnRow, faultAt(0, 10), 3, kTenRows,
                        Fault::DivisionByZero, "Division by zero at x = 3, y = 10"},
        ColumnFaultCase{"fractional_pixel", &kDividesOnRow, faultAt(0, -2.25), 0.5,
                        {-3.25, -2.25, -1.25}, Fault::DivisionByZero,
                        "Division by zero at x = 0.5, y = -2.25"},
        ColumnFaultCase{"single_row", &kOverflowsOnRow, faultAt(0, 40), 12, {40},
                        Fault::Overflow, "Overflow at x = 12, y = 40"}));

TEST(ColourColumn, AHealthyColumnHasNoFailureAndEveryColour)
{
    const Snapshot s = faultAt(1, 2);
    std::vector<Colour> out(kTenRows.size(), 0xFFFFFFFFu);
    EXPECT_FALSE(colourColumn(kHealthy, s, 3, kTenRows, out.data()).has_value());
    for (std::size_t i = 0; i < kTenRows.size(); ++i)
        EXPECT_EQ(out[i], colourOf(31, 10 * kTenRows[i], (3 + kTenRows[i]) * 2)) << "row " << i;
}

TEST(ColourColumn, FaultsLeftOverFromEarlierWorkAreNotBlamedOnTheColumn)
{
    std::vector<Colour> out(kTenRows.size());
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    const auto failure = colourColumn(kHealthy, faultAt(1, 2), 3, kTenRows, out.data());
    EXPECT_FALSE(failure.has_value()) << failure->message();
}

TEST(ColourColumn, APixelOffTheFaultIsFine)
{
    // The column x = 6 misses the one failing pixel (7, 3).
    std::vector<Colour> out(kTenRows.size());
    const auto failure = colourColumn(kDividesAtPoint, faultAt(7, 3), 6, kTenRows, out.data());
    EXPECT_FALSE(failure.has_value()) << failure->message();
}

// Whole pictures: the failure of the first failing pixel in sweep order
// (column by column, top to bottom), whatever the number of threads.
struct PictureFaultCase {
    const char* name;
    const Pattern* pattern;
    FieldTexts fields;
    const char* message;
};

void PrintTo(const PictureFaultCase& c, std::ostream* os) { *os << c.name; }

class RenderPictureFails
    : public ::testing::TestWithParam<std::tuple<PictureFaultCase, int>> {};

TEST_P(RenderPictureFails, NamingTheFirstFailingPixel)
{
    const auto& [c, threads] = GetParam();
    const Outcome<Picture> picture = renderPicture(*c.pattern, c.fields, threads);
    ASSERT_FALSE(picture.ok()) << c.pattern->routine << " " << fieldsText(c.fields);
    EXPECT_EQ(picture.failure().message(), c.message)
        << c.pattern->routine << " " << fieldsText(c.fields);
}

// Every pixel with x * y above 100.5 overflows in "riski": its Xoom is halved
// to z and the product of its two angles, (44/7)^2 * x * y * z^2 / 40000,
// passes the largest double where x * y > 100.5 for this Xoom. With x and y
// from 1 to 40 the first such pixel in sweep order is x = 3, y = 34.
const char* const kRookXoom = "8.511e154";

const PictureFaultCase kPictureFaults[] = {
    {"one_point", &kDividesAtPoint, fields("0", "0", "20", "7", "3"),
     "Division by zero at x = 7, y = 3"},
    // Fails at (2, 19) and at (19, 2): the earlier column counts, not the
    // earlier row.
    {"two_points", &kDividesAtTwoPoints, fields("0", "0", "20", "2", "19"),
     "Division by zero at x = 2, y = 19"},
    // Every column fails; workers computing ahead must not report a later one.
    {"every_column", &kDividesOnRow, fields("0", "0", "40", "0", "3"),
     "Division by zero at x = 1, y = 3"},
    {"last_row", &kOverflowsOnRow, fields("-10", "-10", "30", "0", "20"),
     "Overflow at x = -9, y = 20"},
    // "aqua" multiplies its two angles; with a Xoom of 1e300 the product
    // overflows at the very first pixel (x = y = -73 with the start fields).
    {"aqua_enormous_xoom", patternTable()[0], fields("1", "1", "150", "1e300"),
     "Overflow at x = -73, y = -73"},
    // "quasi" multiplies A by B + 0.000123; its tripled Xoom of 3e155 makes
    // that about 4.7e311 at the first pixel.
    {"quasi_enormous_xoom", patternTable()[15], fields("1", "1", "150", "1e155"),
     "Overflow at x = -73, y = -73"},
    {"riski_product_of_angles", patternTable()[16], fields("0", "0", "40", kRookXoom),
     "Overflow at x = 3, y = 34"},
    // Snapshot failures end the drawing before any pixel.
    {"pug_doubled_brightness", patternTable()[14], fields("1", "1", "150", "1", "1e308"),
     "Overflow in Textfive"},
    {"fey_xoom_beyond_the_range", patternTable()[5], fields("1", "1", "150", "1e999"),
     "Overflow in TextFour"},
};

INSTANTIATE_TEST_SUITE_P(OneAndThreeThreads, RenderPictureFails,
                         ::testing::Combine(::testing::ValuesIn(kPictureFaults),
                                            ::testing::Values(1, 3)));

TEST(RenderPicture, TheTablePatternsAreTheOnesNamed)
{
    // Guards the rows above that pick patterns by button index.
    EXPECT_EQ(patternTable()[0]->caption, "aqua");
    EXPECT_EQ(patternTable()[5]->caption, "fey");
    EXPECT_EQ(patternTable()[14]->caption, "pug");
    EXPECT_EQ(patternTable()[15]->caption, "quasi");
    EXPECT_EQ(patternTable()[16]->caption, "riski");
}

TEST(RenderPicture, AHugePositionIsPositionTooLarge)
{
    for (int threads : {1, 3}) {
        const auto picture = renderPicture(*patternTable()[0], fields("1e16", "1", "10"), threads);
        ASSERT_FALSE(picture.ok());
        EXPECT_EQ(picture.failure().fault, Fault::PositionTooLarge)
            << picture.failure().message();
    }
}

TEST(RenderPicture, TheFirstOfManyFailingColumnsEveryTime)
{
    // Three workers race through the columns; the failure reported must
    // still be the first column's, run after run.
    for (int run = 0; run < 25; ++run) {
        const auto picture =
            renderPicture(kDividesOnRow, fields("100", "0", "60", "0", "60"), 3);
        ASSERT_FALSE(picture.ok());
        EXPECT_EQ(picture.failure().message(), "Division by zero at x = 101, y = 60")
            << "run " << run;
    }
}

// With a brightness of 1e308 a real pattern overflows wherever its colour mix
// exceeds about 1.8. The pixel named must be the first, in sweep order, whose
// formula alone raises a fault.
struct FirstFault {
    bool found = false;
    bool firstColumn = false;
    std::string message;
};

FirstFault firstFaultingPixel(const Pattern& pattern, const FieldTexts& fields)
{
    FirstFault first;
    const auto taken = takeSnapshot(pattern.rule, fields);
    if (!taken) return first;
    const auto grid = sweepGrid(taken.value());
    if (!grid) return first;
    for (double x : grid.value().xs) {
        for (double y : grid.value().ys) {
            std::feclearexcept(FE_ALL_EXCEPT);
            pattern.pixel(taken.value(), x, y);
            if (std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID)) {
                first.found = true;
                first.firstColumn = x == grid.value().xs.front();
                first.message = "Overflow at x = " + numberText(x) + ", y = " + numberText(y);
                return first;
            }
        }
    }
    return first;
}

TEST(RenderPicture, RealPatternsNameTheirFirstOverflowingPixel)
{
    int failing = 0;
    int laterColumns = 0;
    for (const Pattern* pattern : patternTable()) {
        const FieldTexts f = fields("1", "1", "20", "1", "1e308");
        const FirstFault expected = firstFaultingPixel(*pattern, f);
        if (!expected.found) continue;  // stays in range, or fails in its snapshot
        ++failing;
        laterColumns += expected.firstColumn ? 0 : 1;
        for (int threads : {1, 3}) {
            const auto picture = renderPicture(*pattern, f, threads);
            ASSERT_FALSE(picture.ok()) << pattern->routine;
            EXPECT_EQ(picture.failure().message(), expected.message)
                << pattern->routine << " with " << threads << " threads";
        }
    }
    // Guards the test: several patterns fail, one of them past its first
    // column.
    EXPECT_GE(failing, 3);
    EXPECT_GT(laterColumns, 0);
}

// ---------------------------------------------------------------------------
// Whole pictures: the same for any number of threads, and pixel for pixel the
// pattern's own formula.

class PictureIdentity : public ::testing::TestWithParam<int> {};

TEST_P(PictureIdentity, SameForOneAndThreeThreads)
{
    const Pattern& pattern = *patternTable()[GetParam()];
    for (const FieldTexts& f : {fields("0.3", "-2.7", "37", "0.8", "150"),
                                fields("1", "1", "61", "0.15", "150")}) {
        const auto one = renderPicture(pattern, f, 1);
        const auto three = renderPicture(pattern, f, 3);
        ASSERT_TRUE(one.ok()) << pattern.routine << ": " << one.failure().message();
        ASSERT_TRUE(three.ok()) << pattern.routine << ": " << three.failure().message();

        const auto taken = takeSnapshot(pattern.rule, f);
        ASSERT_TRUE(taken.ok());
        const auto grid = sweepGrid(taken.value());
        ASSERT_TRUE(grid.ok());
        const auto& xs = grid.value().xs;
        const auto& ys = grid.value().ys;
        ASSERT_EQ(one.value().width, static_cast<int>(xs.size()));
        ASSERT_EQ(one.value().height, static_cast<int>(ys.size()));
        ASSERT_EQ(three.value().width, one.value().width);
        ASSERT_EQ(three.value().height, one.value().height);
        EXPECT_TRUE(one.value().colours == three.value().colours)
            << pattern.routine << " " << fieldsText(f);

        int mismatches = 0;
        for (int c = 0; c < one.value().width; ++c)
            for (int r = 0; r < one.value().height; ++r)
                if (one.value().at(c, r) != pattern.pixel(taken.value(), xs[c], ys[r]) &&
                    ++mismatches <= 3)
                    ADD_FAILURE() << pattern.routine << " column " << c << " row " << r
                                  << " differs from its formula";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPattern, PictureIdentity, ::testing::Range(0, kPatternCount),
                         [](const auto& info) {
                             return std::string(patternTable()[info.param]->routine);
                         });

TEST(RenderPicture, NothingToDrawIsAnEmptyPicture)
{
    for (const char* size : {"0", "-5", "0.5", "abc", ""}) {
        const auto picture = renderPicture(*patternTable()[0], fields("1", "1", size), 3);
        ASSERT_TRUE(picture.ok()) << size << ": " << picture.failure().message();
        EXPECT_EQ(picture.value().width, 0) << size;
        EXPECT_TRUE(picture.value().colours.empty()) << size;
    }
}

TEST(RenderPicture, ColumnsAreStoredColumnAfterColumn)
{
    // "healthy" colours red by x and green by y: column c, row r is the
    // pixel at x = c + 1, y = r + 1 with a corner at 0, 0.
    const auto picture = renderPicture(kHealthy, fields("0", "0", "5", "0", "0"), 3);
    ASSERT_TRUE(picture.ok());
    ASSERT_EQ(picture.value().width, 5);
    ASSERT_EQ(picture.value().height, 5);
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
            EXPECT_EQ(redOf(picture.value().at(c, r)), 10 * (c + 1)) << c << ", " << r;
            EXPECT_EQ(greenOf(picture.value().at(c, r)), 10 * (r + 1)) << c << ", " << r;
        }
    }
}

TEST(Sweep, StoppingAfterAColumnDrawsNoMoreAndReportsNothingLater)
{
    // The halt comes after the third column; the failure at x = 7 lies in a
    // column the workers may already have computed, but it is never shown.
    ColumnPool pool(3);
    std::vector<int> columns;
    const auto failure = sweep(pool, kDividesAtPoint, fields("0", "0", "20", "7", "3"),
                               [&](int column, std::span<const Colour> colours) {
                                   columns.push_back(column);
                                   EXPECT_EQ(colours.size(), 20u);
                                   return columns.size() < 3;
                               });
    EXPECT_FALSE(failure.has_value()) << failure->message();
    EXPECT_EQ(columns, (std::vector<int>{0, 1, 2}));
}

TEST(Sweep, ColumnsArriveInOrder)
{
    ColumnPool pool(3);
    std::vector<int> columns;
    const auto failure = sweep(pool, kHealthy, fields("0", "0", "50"),
                               [&](int column, std::span<const Colour>) {
                                   columns.push_back(column);
                                   return true;
                               });
    ASSERT_FALSE(failure.has_value()) << failure->message();
    ASSERT_EQ(columns.size(), 50u);
    for (int c = 0; c < 50; ++c) EXPECT_EQ(columns[c], c);
}

// ---------------------------------------------------------------------------
// Colour rule

struct ComponentCase {
    double value;
    double expected;
};

class ColourComponent : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(ColourComponent, ClampedThenRoundedHalfToEven)
{
    EXPECT_EQ(clampComponent(GetParam().value), GetParam().expected)
        << "for " << testing::PrintToString(GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ColourComponent,
    ::testing::Values(ComponentCase{255.5, 255}, ComponentCase{254.5, 254},
                      ComponentCase{-0.4, 0}, ComponentCase{2.5, 2}, ComponentCase{3.5, 4},
                      ComponentCase{0.5, 0}, ComponentCase{1.5, 2}, ComponentCase{253.5, 254},
                      ComponentCase{254.6, 255}, ComponentCase{127.49999999999999, 127},
                      ComponentCase{300, 255}, ComponentCase{1e300, 255},
                      ComponentCase{-1e300, 0}, ComponentCase{-0.6, 0}, ComponentCase{0, 0},
                      ComponentCase{255, 255}, ComponentCase{100.2, 100}));

TEST(ColourOf, RedLowGreenMiddleBlueHigh)
{
    EXPECT_EQ(colourOf(255.5, 254.5, -0.4), 255u + 256u * 254u);
    EXPECT_EQ(colourOf(1, 2, 3), 1u + 256u * 2u + 65536u * 3u);
    EXPECT_EQ(colourOf(2.5, 3.5, 1e9), 2u + 256u * 4u + 65536u * 255u);
    const Colour c = colourOf(12, 200, 99.5);
    EXPECT_EQ(redOf(c), 12);
    EXPECT_EQ(greenOf(c), 200);
    EXPECT_EQ(blueOf(c), 100);
}

}  // namespace
}  // namespace zentrel
