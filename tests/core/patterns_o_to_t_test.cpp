// The patterns "oogli", "pug", "quasi", "riski", "shim" and "tang": their
// snapshot rules, their single colours at Xoom 0, and the behaviour of their
// brightness and position fields.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/colour.h"
#include "engine/render.h"
#include "engine/snapshot.h"
#include "patterns/patterns.h"

namespace zentrel {
namespace {

FieldTexts fieldsWith(std::string one, std::string two, std::string three, std::string four,
                      std::string five)
{
    return FieldTexts{std::move(one), std::move(two), std::move(three), std::move(four),
                      std::move(five)};
}

Picture renderOk(const Pattern& pattern, const FieldTexts& fields)
{
    const Outcome<Picture> picture = renderPicture(pattern, fields);
    EXPECT_TRUE(picture.ok()) << (picture.ok() ? "" : picture.failure().message());
    return picture.ok() ? picture.value() : Picture{};
}

std::string rgb(Colour c)
{
    return std::to_string(redOf(c)) + "," + std::to_string(greenOf(c)) + "," +
           std::to_string(blueOf(c));
}

std::string rgb(int red, int green, int blue)
{
    return std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
}

// ---------------------------------------------------------------------------
// Snapshot values taken from the fields.

struct SnapshotRow {
    FieldTexts fields;
    double size, width, left, top, zoom, bright;
};

void checkSnapshots(const Pattern& pattern, const std::vector<SnapshotRow>& rows)
{
    for (const SnapshotRow& row : rows) {
        SCOPED_TRACE("fields " + row.fields.one + " / " + row.fields.two + " / " +
                     row.fields.three + " / " + row.fields.four + " / " + row.fields.five);
        const Outcome<Snapshot> s = takeSnapshot(pattern.rule, row.fields);
        ASSERT_TRUE(s.ok());
        EXPECT_EQ(s.value().size, row.size);
        EXPECT_EQ(s.value().width, row.width);
        EXPECT_EQ(s.value().left, row.left);
        EXPECT_EQ(s.value().top, row.top);
        EXPECT_EQ(s.value().zoom, row.zoom);
        EXPECT_EQ(s.value().bright, row.bright);
    }
}

// ---------------------------------------------------------------------------
// Pictures that take one colour everywhere.

struct UniformRow {
    FieldTexts fields;
    int red, green, blue;
};

void checkUniform(const Pattern& pattern, const std::vector<UniformRow>& rows)
{
    for (const UniformRow& row : rows) {
        SCOPED_TRACE("fields " + row.fields.one + " / " + row.fields.two + " / " +
                     row.fields.three + " / " + row.fields.four + " / " + row.fields.five);
        const Picture picture = renderOk(pattern, row.fields);
        ASSERT_GT(picture.width, 0);
        ASSERT_GT(picture.height, 0);
        int differing = 0;
        for (int c = 0; c < picture.width; ++c)
            for (int r = 0; r < picture.height; ++r)
                if (rgb(picture.at(c, r)) != rgb(row.red, row.green, row.blue)) ++differing;
        EXPECT_EQ(rgb(picture.at(0, 0)), rgb(row.red, row.green, row.blue));
        EXPECT_EQ(rgb(picture.at(picture.width / 2, picture.height / 2)),
                  rgb(row.red, row.green, row.blue));
        EXPECT_EQ(rgb(picture.at(picture.width - 1, picture.height - 1)),
                  rgb(row.red, row.green, row.blue));
        EXPECT_EQ(differing, 0);
    }
}

// ---------------------------------------------------------------------------
// Single pixels.

struct PixelRow {
    FieldTexts fields;
    int column, row;
    int red, green, blue;
};

void checkPixels(const Pattern& pattern, const std::vector<PixelRow>& rows)
{
    for (const PixelRow& row : rows) {
        SCOPED_TRACE("fields " + row.fields.one + " / " + row.fields.two + " / " +
                     row.fields.three + " / " + row.fields.four + " / " + row.fields.five +
                     ", column " + std::to_string(row.column) + ", row " +
                     std::to_string(row.row));
        const Picture picture = renderOk(pattern, row.fields);
        ASSERT_GT(picture.width, row.column);
        ASSERT_GT(picture.height, row.row);
        EXPECT_EQ(rgb(picture.at(row.column, row.row)), rgb(row.red, row.green, row.blue));
    }
}

// ---------------------------------------------------------------------------

TEST(Ooh, SnapshotShiftsTheOriginAndDoublesTheXoom)
{
    checkSnapshots(ooh, {
        // One and two at 100: the first pixel is x = 251, y = -49.
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 250, -50, 2, 150},
        {fieldsWith("1", "1", "150", "0.3", "7"), 150, 150, 151, -149, 0.3 * 2, 7},
        {fieldsWith("0", "512", "768", "-2", "1"), 768, 1024, 150, 362, -4, 1},
    });
}

TEST(Ooh, XoomZeroPaintsOneColour)
{
    checkUniform(ooh, {
        // Red and green far above 255; blue rounds to 193.
        {fieldsWith("100", "100", "150", "0", "150"), 255, 255, 193},
        {fieldsWith("100", "100", "150", "0", "1"), 64, 13, 1},
        {fieldsWith("1", "1", "150", "0", "1"), 64, 13, 1},
    });
}

TEST(Punk, SnapshotUsesTheCornerAndDoublesTheBrightness)
{
    checkSnapshots(Punk, {
        // One and two at 100: the first pixel is x = 101, y = 101.
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 100, 100, 1, 300},
        {fieldsWith("-3", "7", "150", "0.3", "0.1"), 150, 150, -3, 7, 0.3, 2 * 0.1},
        {fieldsWith("512", "384", "768", "1", "-5"), 768, 1024, 512, 384, 1, -10},
    });
}

TEST(Punk, XoomZeroPaintsOneColour)
{
    checkUniform(Punk, {
        // Before rounding 21.31, 35.51 and 64.89.
        {fieldsWith("1", "1", "150", "0", "150"), 21, 36, 65},
        {fieldsWith("100", "100", "150", "0", "150"), 21, 36, 65},
        // Three times the brightness: 63.92, 106.53 and 194.66.
        {fieldsWith("1", "1", "150", "0", "450"), 64, 107, 195},
    });
}

TEST(Qwin, SnapshotIsCentredTriplesTheXoomAndHalvesTheBrightness)
{
    checkSnapshots(qwin, {
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 25, 25, 3, 75},
        {fieldsWith("1", "1", "150", "0.1", "3"), 150, 150, -74, -74, 0.1 * 3, 1.5},
        {fieldsWith("512", "384", "768", "1", "150"), 768, 1024, 0, 0, 3, 75},
    });
}

TEST(Qwin, XoomZeroDependsOnTheRatioOfTheCoordinates)
{
    // With one and two at 100, column c is x = 26 + c and row r is y = 26 + r.
    const FieldTexts flat = fieldsWith("100", "100", "150", "0", "150");
    checkPixels(qwin, {
        {flat, 0, 0, 27, 69, 49},    // x = y = 26
        {flat, 26, 26, 27, 69, 49},  // x = y = 52
        {flat, 0, 26, 12, 44, 56},   // x = 26, y = 52
    });
}

TEST(Rook, SnapshotUsesTheCornerAndHalvesTheXoom)
{
    checkSnapshots(rook, {
        // One and two at 100: the first pixel is x = 101, y = 101.
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 100, 100, 0.5, 150},
        {fieldsWith("-3", "7", "150", "0.3", "2"), 150, 150, -3, 7, 0.3 / 2, 2},
        {fieldsWith("0", "0", "768", "3", "1"), 768, 1024, 0, 0, 1.5, 1},
    });
}

TEST(Rook, XoomZeroPaintsOneColour)
{
    checkUniform(rook, {
        // Before rounding 10.71, 22.60 and 22.78.
        {fieldsWith("1", "1", "150", "0", "150"), 11, 23, 23},
        {fieldsWith("100", "100", "150", "0", "150"), 11, 23, 23},
        // Ten times the brightness: 107.1, 226.0 and 227.8.
        {fieldsWith("1", "1", "150", "0", "1500"), 107, 226, 228},
    });
}

TEST(Sizzle, SnapshotIsCentredAndTriplesTheXoom)
{
    checkSnapshots(sizZle, {
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 25, 25, 3, 150},
        {fieldsWith("1", "1", "150", "0.1", "3"), 150, 150, -74, -74, 0.1 * 3, 3},
        {fieldsWith("512", "384", "768", "1", "150"), 768, 1024, 0, 0, 3, 150},
    });
}

TEST(Sizzle, XoomZeroPaintsOneColour)
{
    checkUniform(sizZle, {
        // Before rounding 128.25, 73.29 and 18.32.
        {fieldsWith("1", "1", "150", "0", "150"), 128, 73, 18},
        {fieldsWith("100", "100", "150", "0", "150"), 128, 73, 18},
        // 1.9 times the brightness: 243.68, 139.25 and 34.81.
        {fieldsWith("1", "1", "150", "0", "285"), 244, 139, 35},
    });
}

TEST(Tame, SnapshotAddsHalfTheWidthAcrossAndDoublesTheXoom)
{
    checkSnapshots(Tame, {
        // One and two at 100, size 150: the first pixel is x = 176, y = 101.
        {fieldsWith("100", "100", "150", "1", "150"), 150, 150, 175, 100, 2, 150},
        {fieldsWith("1", "1", "150", "0.3", "3"), 150, 150, 76, 1, 0.3 * 2, 3},
        // The large size adds half of its width, 512.
        {fieldsWith("10", "20", "768", "1", "150"), 768, 1024, 522, 20, 2, 150},
    });
}

TEST(Tame, XoomZeroPaintsOneColour)
{
    checkUniform(Tame, {
        // Before the clamp 110.21, -3.76 and 48.54: the -30 pulls green below 0.
        {fieldsWith("1", "1", "150", "0", "150"), 110, 0, 49},
        {fieldsWith("100", "100", "150", "0", "150"), 110, 0, 49},
        // Twice the brightness: 220.43, 2 * 26.24 - 30 = 22.48 and 97.08.
        {fieldsWith("1", "1", "150", "0", "300"), 220, 22, 97},
        // A fifth of that brightness gives 14.69 and 6.47, and green 3.50 - 30.
        {fieldsWith("1", "1", "150", "0", "20"), 15, 0, 6},
        // Without brightness green is -30 and clamps to 0 like the rest.
        {fieldsWith("1", "1", "150", "1", "0"), 0, 0, 0},
    });
}

TEST(Tame, LargeSizeCoversTheWidePicture)
{
    const Picture picture = renderOk(Tame, fieldsWith("1", "1", "768", "0", "150"));
    EXPECT_EQ(picture.width, 1024);
    EXPECT_EQ(picture.height, 768);
    ASSERT_EQ(picture.colours.size(), 1024u * 768u);
    EXPECT_EQ(rgb(picture.at(0, 0)), rgb(110, 0, 49));
    EXPECT_EQ(rgb(picture.at(1023, 767)), rgb(110, 0, 49));
}

// ---------------------------------------------------------------------------
// What the six share, one row per pattern.

struct PatternRow {
    const Pattern* pattern;
    std::string caption;
    std::string routine;
    // The field that a failure names when both TextOne and TextThree overflow.
    std::string firstRead;
    // Whether no negative brightness can give any colour at all.
    bool darkWhenNegative;
};

const std::vector<PatternRow>& patternRows()
{
    static const std::vector<PatternRow> rows = {
        {&ooh, "oogli", "ooh", "TextOne", true},
        {&Punk, "pug", "Punk", "TextOne", true},
        {&qwin, "quasi", "qwin", "TextThree", false},
        {&rook, "riski", "rook", "TextOne", false},
        {&sizZle, "shim", "sizZle", "TextThree", true},
        {&Tame, "tang", "Tame", "TextThree", false},
    };
    return rows;
}

TEST(PatternsOToT, NamesMatchTheirButtons)
{
    for (const PatternRow& row : patternRows()) {
        EXPECT_EQ(row.pattern->caption, row.caption);
        EXPECT_EQ(row.pattern->routine, row.routine);
    }
}

TEST(PatternsOToT, FailureNamesTheFieldReadFirst)
{
    const FieldTexts fields = fieldsWith("1e999", "1", "1e999", "1", "150");
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        const Outcome<Snapshot> s = takeSnapshot(row.pattern->rule, fields);
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().fault, Fault::Overflow);
        EXPECT_NE(s.failure().where.find(row.firstRead), std::string::npos)
            << s.failure().where;
    }
}

TEST(PatternsOToT, NoBrightnessIsBlackEverywhere)
{
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        for (const char* five : {"0", "no number"}) {
            const Picture picture = renderOk(*row.pattern, fieldsWith("1", "1", "150", "1", five));
            ASSERT_EQ(picture.colours.size(), 150u * 150u);
            int lit = 0;
            for (Colour c : picture.colours)
                if (c != 0) ++lit;
            EXPECT_EQ(lit, 0) << "Textfive " << five;
        }
    }
}

TEST(PatternsOToT, NegativeBrightnessLightsOnlyNegativeMixes)
{
    const FieldTexts bright = fieldsWith("1", "1", "150", "1", "150");
    const FieldTexts dark = fieldsWith("1", "1", "150", "1", "-150");
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        const Picture plus = renderOk(*row.pattern, bright);
        const Picture minus = renderOk(*row.pattern, dark);
        ASSERT_EQ(plus.colours.size(), 150u * 150u);
        ASSERT_EQ(minus.colours.size(), 150u * 150u);
        int litBoth = 0;
        int litMinus = 0;
        for (std::size_t i = 0; i < plus.colours.size(); ++i) {
            const Colour p = plus.colours[i];
            const Colour m = minus.colours[i];
            if (redOf(m) > 0 || blueOf(m) > 0 || greenOf(m) > 0) ++litMinus;
            // A component lights under one sign of the brightness at most
            // (the fixed -30 on the green of "tang" only makes that stricter).
            if (redOf(p) > 0 && redOf(m) > 0) ++litBoth;
            if (greenOf(p) > 0 && greenOf(m) > 0) ++litBoth;
            if (blueOf(p) > 0 && blueOf(m) > 0) ++litBoth;
        }
        EXPECT_EQ(litBoth, 0);
        if (row.darkWhenNegative) {
            EXPECT_EQ(litMinus, 0);
        }
    }
}

TEST(PatternsOToT, NoSizeDrawsNothing)
{
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        for (const char* three : {"0", "-20", "", "abc", "0.5"}) {
            const Outcome<Picture> picture =
                renderPicture(*row.pattern, fieldsWith("1", "1", three, "1", "150"));
            ASSERT_TRUE(picture.ok()) << "TextThree " << three;
            EXPECT_TRUE(picture.value().colours.empty()) << "TextThree " << three;
        }
    }
}

TEST(PatternsOToT, LargeSizeIsWiderThanHigh)
{
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        const Outcome<Snapshot> s =
            takeSnapshot(row.pattern->rule, fieldsWith("512", "384", "768", "1", "150"));
        ASSERT_TRUE(s.ok());
        EXPECT_EQ(s.value().width, 1024);
        EXPECT_EQ(s.value().size, 768);
    }
}

// Moving a position field by d moves the content by d pixels under the fixed
// area: the formula coordinate of every pixel changes by d.
TEST(PatternsOToT, PositionFieldsMoveTheContent)
{
    constexpr int d = 3;
    const FieldTexts base = fieldsWith("1", "1", "150", "1", "150");
    const FieldTexts across = fieldsWith("4", "1", "150", "1", "150");
    const FieldTexts down = fieldsWith("1", "4", "150", "1", "150");
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        const Picture p = renderOk(*row.pattern, base);
        const Picture a = renderOk(*row.pattern, across);
        const Picture b = renderOk(*row.pattern, down);
        ASSERT_EQ(p.colours.size(), 150u * 150u);
        ASSERT_EQ(a.colours.size(), 150u * 150u);
        ASSERT_EQ(b.colours.size(), 150u * 150u);
        int mismatches = 0;
        for (int c = 0; c + d < 150; ++c)
            for (int r = 0; r + d < 150; ++r) {
                if (a.at(c, r) != p.at(c + d, r)) ++mismatches;
                if (b.at(c, r) != p.at(c, r + d)) ++mismatches;
            }
        EXPECT_EQ(mismatches, 0);
        // The content does depend on both coordinates.
        EXPECT_NE(a.colours, p.colours);
        EXPECT_NE(b.colours, p.colours);
    }
}

// The slow pixel routine that locates failures must agree with the column
// routine that draws.
TEST(PatternsOToT, PixelRoutineAgreesWithTheDrawing)
{
    const FieldTexts fields = fieldsWith("1", "1", "150", "1", "150");
    for (const PatternRow& row : patternRows()) {
        SCOPED_TRACE(row.routine);
        const Outcome<Snapshot> s = takeSnapshot(row.pattern->rule, fields);
        ASSERT_TRUE(s.ok());
        const Picture picture = renderOk(*row.pattern, fields);
        ASSERT_EQ(picture.colours.size(), 150u * 150u);
        for (int c = 0; c < 150; c += 7)
            for (int r = 0; r < 150; r += 5) {
                const double x = s.value().left + 1 + c;
                const double y = s.value().top + 1 + r;
                EXPECT_EQ(rgb(row.pattern->pixel(s.value(), x, y)), rgb(picture.at(c, r)))
                    << "column " << c << ", row " << r;
            }
    }
}

}  // namespace
}  // namespace zentrel
