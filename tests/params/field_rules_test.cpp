// SPDX-License-Identifier: GPL-3.0-or-later
// The rules by which presets, reset, the Xoom labels, the size check and the
// navigation buttons rewrite the five field texts, and the strict and step
// conversions they lean on.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "params/navigation.h"
#include "params/presets.h"
#include "params/strict_value.h"

namespace zentrel {
namespace {

FieldTexts texts(std::string one, std::string two, std::string three, std::string four,
                 std::string five = "150")
{
    return FieldTexts{std::move(one), std::move(two), std::move(three), std::move(four),
                      std::move(five)};
}

std::string shown(const FieldTexts& f)
{
    return "{" + f.across + ", " + f.down + ", " + f.size + ", " + f.xoom + ", " + f.brightness +
           "}";
}

using Rule = std::function<Outcome<FieldTexts>(FieldTexts)>;

// A rule that takes a second argument, with that argument given.
template <class Argument>
Rule with(Outcome<FieldTexts> (*rule)(FieldTexts, Argument), Argument a)
{
    return [rule, a](FieldTexts f) { return rule(std::move(f), a); };
}

// ---------------------------------------------------------------------------
// Strict conversion and steps

struct StrictRow {
    const char* text;
    bool ok;
    double value;  // when ok
    Fault fault;   // when not
};

TEST(StrictValueRows, AcceptsWholeNumbersOnly)
{
    // clang-format off
    const std::vector<StrictRow> rows = {
        {"12", true, 12, {}},
        {"  12\t", true, 12, {}},
        {"\t -1.5  ", true, -1.5, {}},
        {"+.5", true, 0.5, {}},
        {"1e3", true, 1000, {}},
        {"1D3", true, 1000, {}},
        {"2.5E-1", true, 0.25, {}},
        {"&H10", true, 16, {}},
        {"&o17", true, 15, {}},
        {"1 2", false, 0, Fault::TypeMismatch},
        {"- 1", false, 0, Fault::TypeMismatch},
        {"", false, 0, Fault::TypeMismatch},
        {"   ", false, 0, Fault::TypeMismatch},
        {"abc", false, 0, Fault::TypeMismatch},
        {"12abc", false, 0, Fault::TypeMismatch},
        {"1e", false, 0, Fault::TypeMismatch},
        {"1.2.3", false, 0, Fault::TypeMismatch},
        {"1e999", false, 0, Fault::Overflow},
    };
    // clang-format on
    for (const StrictRow& row : rows) {
        SCOPED_TRACE(std::string("text \"") + row.text + "\"");
        const Outcome<double> v = strictValue(row.text);
        ASSERT_EQ(v.ok(), row.ok);
        if (row.ok)
            EXPECT_EQ(v.value(), row.value);
        else
            EXPECT_EQ(v.failure().fault, row.fault);
    }
}

struct StepRow {
    double value;
    bool ok;
    int step;
};

TEST(StepValueRows, RoundsHalvesToEvenWithinSixteenBits)
{
    // clang-format off
    const std::vector<StepRow> rows = {
        {2.5, true, 2},           {3.5, true, 4},          {-2.5, true, -2},
        {-3.5, true, -4},         {150.5, true, 150},      {151.5, true, 152},
        {2.4999, true, 2},        {32767, true, 32767},    {32767.4, true, 32767},
        {32767.5, false, 0},      {-32768, true, -32768},  {-32768.5, true, -32768},
        {-32768.6, false, 0},     {40000, false, 0},       {1e300, false, 0},
        {std::nan(""), false, 0},
    };
    // clang-format on
    for (const StepRow& row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.value));
        const Outcome<int> s = stepValue(row.value);
        ASSERT_EQ(s.ok(), row.ok);
        if (row.ok)
            EXPECT_EQ(s.value(), row.step);
        else
            EXPECT_EQ(s.failure().fault, Fault::Overflow);
    }
}

// ---------------------------------------------------------------------------
// Presets and reset

TEST(FieldRulesPresets, WriteTheirTextsAndKeepTheOtherFields)
{
    struct Row {
        const char* name;
        std::function<FieldTexts(FieldTexts)> preset;
        FieldTexts expected;
    };
    const FieldTexts before = texts("7", "8", "9", "10", "11");
    // clang-format off
    const std::vector<Row> rows = {
        {"S", smallPreset, texts("7", "8", "300", "10", "11")},
        {"M", mediumPreset, texts("150", "200", "600", "0.2", "11")},
        {"L", largePreset, texts("7", "8", "768", "0.15", "11")},
        {"reset", [](FieldTexts) { return resetFields(); }, texts("1", "1", "100", "1", "150")},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shown(row.preset(before)), shown(row.expected));
    }
}

TEST(FieldRulesPresets, ResetWritesSizeHundredNotTheStartSize)
{
    EXPECT_EQ(shown(FieldTexts{}), shown(texts("1", "1", "150", "1", "150")));
    EXPECT_EQ(resetFields().size, "100");
}

// ---------------------------------------------------------------------------
// Successful rewrites: one table for every rule

struct RewriteRow {
    const char* name;
    Rule rule;
    FieldTexts in;
    FieldTexts out;
};

void expectRewrites(const std::vector<RewriteRow>& rows)
{
    for (const RewriteRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " on " + shown(row.in));
        const Outcome<FieldTexts> result = row.rule(row.in);
        ASSERT_TRUE(result.ok()) << result.failure().message();
        EXPECT_EQ(shown(result.value()), shown(row.out));
    }
}

TEST(FieldRulesXoom, HalvesAndDoublesTheFieldValue)
{
    expectRewrites({
        {"X", halveXoom, texts("1", "1", "150", "1"), texts("1", "1", "150", "0.5")},
        {"X", halveXoom, texts("1", "1", "150", "0.2"), texts("1", "1", "150", "0.1")},
        {"X", halveXoom, texts("1", "1", "150", "12abc"), texts("1", "1", "150", "6")},
        {"X", halveXoom, texts("1", "1", "150", "1 2"), texts("1", "1", "150", "6")},
        {"X", halveXoom, texts("1", "1", "150", "-3"), texts("1", "1", "150", "-1.5")},
        {"X", halveXoom, texts("1", "1", "150", "abc"), texts("1", "1", "150", "0")},
        {"OOM", doubleXoom, texts("1", "1", "150", "abc"), texts("1", "1", "150", "0")},
        {"OOM", doubleXoom, texts("1", "1", "150", ""), texts("1", "1", "150", "0")},
        {"OOM", doubleXoom, texts("1", "1", "150", "0.15"), texts("1", "1", "150", "0.3")},
        {"OOM", doubleXoom, texts("1", "1", "150", "&H10"), texts("1", "1", "150", "32")},
        {"OOM", doubleXoom, texts("1", "1", "150", "8e307"), texts("1", "1", "150", "1.6E+308")},
    });
}

TEST(FieldRulesXoom, HalvingThreeTimesFromOne)
{
    FieldTexts f;
    for (const char* expected : {"0.5", "0.25", "0.125"}) {
        const Outcome<FieldTexts> result = halveXoom(f);
        ASSERT_TRUE(result.ok());
        f = result.value();
        EXPECT_EQ(f.xoom, expected);
    }
}

TEST(FieldRulesSize, OutsideOneTo1024BecomesHundred)
{
    const auto size = [](std::string three) { return texts("1", "1", std::move(three), "1"); };
    expectRewrites({
        {"2000", checkSize, size("2000"), size("100")},
        {"1024", checkSize, size("1024"), size("1024")},
        {"1024.5", checkSize, size("1024.5"), size("100")},
        {"1", checkSize, size("1"), size("1")},
        {"0.5", checkSize, size("0.5"), size("100")},
        {"empty", checkSize, size(""), size("100")},
        {"letters", checkSize, size("abc"), size("100")},
        {"negative", checkSize, size("-5"), size("100")},
        {"number then letters", checkSize, size("12abc"), size("12abc")},
        {"hexadecimal 1024", checkSize, size("&H400"), size("&H400")},
        {"hexadecimal 1025", checkSize, size("&H401"), size("100")},
    });
}

TEST(FieldRulesHorz, MovesTextOneByHalfTheWidth)
{
    expectRewrites({
        {">", with(moveAcross, Direction::Forward), texts("1", "1", "150", "1"),
         texts("76", "1", "150", "1")},
        {"<", with(moveAcross, Direction::Back), texts("1", "1", "150", "1"),
         texts("-74", "1", "150", "1")},
        {"> 768", with(moveAcross, Direction::Forward), texts("0", "5", "768", "1"),
         texts("512", "5", "768", "1")},
        {"< 768", with(moveAcross, Direction::Back), texts("0", "5", "768", "1"),
         texts("-512", "5", "768", "1")},
        {"> 768 blanks", with(moveAcross, Direction::Forward), texts("0", "5", " 768\t", "1"),
         texts("512", "5", " 768\t", "1")},
        {"> 7.68E2", with(moveAcross, Direction::Forward), texts("0", "5", "7.68E2", "1"),
         texts("512", "5", "7.68E2", "1")},
        // Only a size of exactly 768 is drawn 1024 wide; 768.4 is a plain step of 768.
        {"> 768.4", with(moveAcross, Direction::Forward), texts("0", "5", "768.4", "1"),
         texts("384", "5", "768.4", "1")},
        {"> 151", with(moveAcross, Direction::Forward), texts("0", "5", "151", "1"),
         texts("75.5", "5", "151", "1")},
        {"> 150.5", with(moveAcross, Direction::Forward), texts("0", "5", "150.5", "1"),
         texts("75", "5", "150.5", "1")},
        {"> 151.5", with(moveAcross, Direction::Forward), texts("0", "5", "151.5", "1"),
         texts("76", "5", "151.5", "1")},
        {"> letters", with(moveAcross, Direction::Forward), texts("10xyz", "5", "150", "1"),
         texts("85", "5", "150", "1")},
    });
}

TEST(FieldRulesVerty, MovesTextTwoByHalfTheSize)
{
    expectRewrites({
        {"V", with(moveDown, Direction::Forward), texts("1", "1", "150", "1"),
         texts("1", "76", "150", "1")},
        {"^", with(moveDown, Direction::Back), texts("1", "1", "150", "1"),
         texts("1", "-74", "150", "1")},
        {"V 768", with(moveDown, Direction::Forward), texts("5", "0", "768", "1"),
         texts("5", "384", "768", "1")},
        {"V 151", with(moveDown, Direction::Forward), texts("5", "0", "151", "1"),
         texts("5", "75.5", "151", "1")},
        {"^ 151", with(moveDown, Direction::Back), texts("5", "0", "151", "1"),
         texts("5", "-75.5", "151", "1")},
        {"V 150.5", with(moveDown, Direction::Forward), texts("5", "0", "150.5", "1"),
         texts("5", "75", "150.5", "1")},
        {"V 12abc", with(moveDown, Direction::Forward), texts("5", "0", "12abc", "1"),
         texts("5", "6", "12abc", "1")},
        {"V empty size", with(moveDown, Direction::Forward), texts("5", "2.5", "", "1"),
         texts("5", "2.5", "", "1")},
        {"V letters", with(moveDown, Direction::Forward), texts("5", "abc", "150", "1"),
         texts("5", "75", "150", "1")},
    });
}

TEST(FieldRulesCmdblue, DoublesOrHalvesOnePosition)
{
    expectRewrites({
        {"x on TextTwo", with(doublePosition, Axis::Down), texts("3", "5", "150", "1"),
         texts("3", "10", "150", "1")},
        {"/ on TextTwo", with(halvePosition, Axis::Down), texts("3", "5", "150", "1"),
         texts("3", "2.5", "150", "1")},
        {"x on TextOne", with(doublePosition, Axis::Across), texts("3", "5", "150", "1"),
         texts("6", "5", "150", "1")},
        {"/ on TextOne", with(halvePosition, Axis::Across), texts("3", "5", "150", "1"),
         texts("1.5", "5", "150", "1")},
        {"x on letters", with(doublePosition, Axis::Across), texts("abc", "5", "150", "1"),
         texts("0", "5", "150", "1")},
    });
}

TEST(FieldRulesCmdblue, HalvingTextOneThreeTimes)
{
    FieldTexts f;
    for (const char* expected : {"0.5", "0.25", "0.125"}) {
        const Outcome<FieldTexts> result = halvePosition(f, Axis::Across);
        ASSERT_TRUE(result.ok());
        f = result.value();
        EXPECT_EQ(shown(f), shown(texts(expected, "1", "150", "1")));
    }
}

TEST(FieldRulesCmdXX, ZoomsAndMovesToTheCorners)
{
    const FieldTexts medium = texts("150", "200", "600", "0.2");
    expectRewrites({
        {"<<", stepXoomOut, medium, texts("150", "200", "600", "0.4")},
        {">>", stepXoomIn, medium, texts("150", "200", "600", "0.1")},
        {"lower right", with(zoomIntoCorner, Corner::LowerRight), medium,
         texts("950", "800", "600", "0.1")},
        {"lower left", with(zoomIntoCorner, Corner::LowerLeft), medium,
         texts("-650", "800", "600", "0.1")},
        {"top right", with(zoomIntoCorner, Corner::TopRight), medium,
         texts("950", "-400", "600", "0.1")},
        {"top left", with(zoomIntoCorner, Corner::TopLeft), medium,
         texts("-650", "-400", "600", "0.1")},
        // The 600 and 768 rules look at the rounded step, not at the text.
        {"600.2", with(zoomIntoCorner, Corner::LowerRight), texts("0", "0", "600.2", "1"),
         texts("800", "600", "600.2", "0.5")},
        {"768", with(zoomIntoCorner, Corner::LowerRight), texts("0", "0", "768", "1"),
         texts("1024", "768", "768", "0.5")},
        {"768.4", with(zoomIntoCorner, Corner::TopLeft), texts("0", "0", "768.4", "1"),
         texts("-1024", "-768", "768.4", "0.5")},
        {"150", with(zoomIntoCorner, Corner::LowerLeft), texts("0", "0", "150", "1"),
         texts("-150", "150", "150", "0.5")},
        {"strict with blanks", with(zoomIntoCorner, Corner::LowerRight),
         texts(" 10 ", "&H10", "150", "1"), texts("160", "166", "150", "0.5")},
        // "<<" and ">>" never read the positions strictly.
        {"<< letters", stepXoomOut, texts("abc", "", "150", "1"), texts("abc", "", "150", "2")},
        {"size letters", with(zoomIntoCorner, Corner::LowerRight), texts("1", "1", "abc", "1"),
         texts("1", "1", "abc", "0.5")},
    });
}

// ---------------------------------------------------------------------------
// Clicks one after another: what one click writes, the next one reads.

struct ClickSequenceRow {
    const char* name;
    FieldTexts start;
    std::vector<Rule> clicks;
    FieldTexts end;
};

// A value just below half the largest double doubles to one of the largest
// doubles; its text reads back, so the following click can use the field.
TEST(FieldRulesSequences, AWrittenTextIsReadByTheNextClick)
{
    const char* nearHalf = "8.988465674311576E+307";
    // clang-format off
    const std::vector<ClickSequenceRow> rows = {
        {"x then V on TextTwo", texts("1", nearHalf, "150", "1"),
         {with(doublePosition, Axis::Down), with(moveDown, Direction::Forward)},
         texts("1", "1.79769313486231E+308", "150", "1")},
        {"x then / on TextOne", texts(nearHalf, "1", "150", "1"),
         {with(doublePosition, Axis::Across), with(halvePosition, Axis::Across)},
         texts("8.98846567431155E+307", "1", "150", "1")},
        {"OOM then >> on TextFour", texts("1", "1", "150", nearHalf), {doubleXoom, stepXoomIn},
         texts("1", "1", "150", "8.98846567431155E+307")},
        {"<< then X on TextFour", texts("1", "1", "150", nearHalf), {stepXoomOut, halveXoom},
         texts("1", "1", "150", "8.98846567431155E+307")},
    };
    // clang-format on
    for (const ClickSequenceRow& row : rows) {
        SCOPED_TRACE(row.name);
        FieldTexts f = row.start;
        for (const Rule& click : row.clicks) {
            const Outcome<FieldTexts> result = click(f);
            ASSERT_TRUE(result.ok()) << result.failure().message();
            f = result.value();
        }
        EXPECT_EQ(shown(f), shown(row.end));
    }
}

// Doubling the largest value again is a true overflow: the click refuses it
// as it refuses doubling a typed 1.7e308, for its result, not because the
// field cannot be read.
TEST(FieldRulesSequences, DoublingTheLargestWrittenValueIsRefusedForItsResult)
{
    const FieldTexts f = texts("1", "1", "150", "8.988465674311576E+307");
    for (const Rule& click : {Rule(doubleXoom), Rule(stepXoomOut)}) {
        const Outcome<FieldTexts> once = click(f);
        ASSERT_TRUE(once.ok()) << once.failure().message();
        const Outcome<FieldTexts> twice = click(once.value());
        const Outcome<FieldTexts> typed = click(texts("1", "1", "150", "1.7e308"));
        ASSERT_FALSE(twice.ok());
        ASSERT_FALSE(typed.ok());
        EXPECT_EQ(twice.failure().message(), typed.failure().message());
    }
}

// ---------------------------------------------------------------------------
// Failures: no texts at all; the field, what was wrong with its text, and
// that text as it was read

struct FailureRow {
    const char* name;
    Rule rule;
    FieldTexts in;
    FieldRole field;
    FieldProblem problem;
    Fault fault;
};

constexpr FieldRole kAcross = FieldRole::Across;
constexpr FieldRole kDown = FieldRole::Down;
constexpr FieldRole kSize = FieldRole::Size;
constexpr FieldRole kXoom = FieldRole::Xoom;
constexpr FieldProblem kNotANumber = FieldProblem::NotANumber;
constexpr FieldProblem kTooLarge = FieldProblem::TooLarge;
constexpr FieldProblem kResultTooLarge = FieldProblem::ResultTooLarge;
constexpr FieldProblem kNoStep = FieldProblem::NoStep;
constexpr Fault kOverflow = Fault::Overflow;
constexpr Fault kTypeMismatch = Fault::TypeMismatch;

TEST(FieldRulesFailures, GiveNoTextsAndNameTheField)
{
    // clang-format off
    const std::vector<FailureRow> rows = {
        {"X on 1e999", halveXoom, texts("1", "1", "150", "1e999"), kXoom, kTooLarge, kOverflow},
        {"OOM on 1e999", doubleXoom, texts("1", "1", "150", "1e999"), kXoom, kTooLarge, kOverflow},
        {"OOM on 1.7e308", doubleXoom, texts("1", "1", "150", "1.7e308"), kXoom, kResultTooLarge, kOverflow},
        {"size check 1e999", checkSize, texts("1", "1", "1e999", "1"), kSize, kTooLarge, kOverflow},
        {"> size 12abc", with(moveAcross, Direction::Forward), texts("1", "1", "12abc", "1"), kSize, kNotANumber, kTypeMismatch},
        {"< size empty", with(moveAcross, Direction::Back), texts("1", "1", "", "1"), kSize, kNotANumber, kTypeMismatch},
        {"> size 1 5", with(moveAcross, Direction::Forward), texts("1", "1", "1 5", "1"), kSize, kNotANumber, kTypeMismatch},
        {"> size 40000", with(moveAcross, Direction::Forward), texts("1", "1", "40000", "1"), kSize, kNoStep, kOverflow},
        {"> size 32767.5", with(moveAcross, Direction::Forward), texts("1", "1", "32767.5", "1"), kSize, kNoStep, kOverflow},
        {"> size 1e999", with(moveAcross, Direction::Forward), texts("1", "1", "1e999", "1"), kSize, kTooLarge, kOverflow},
        {"> TextOne 1e999", with(moveAcross, Direction::Forward), texts("1e999", "1", "150", "1"), kAcross, kTooLarge, kOverflow},
        {"V size 40000", with(moveDown, Direction::Forward), texts("1", "1", "40000", "1"), kSize, kNoStep, kOverflow},
        {"^ size -32768.6", with(moveDown, Direction::Back), texts("1", "1", "-32768.6", "1"), kSize, kNoStep, kOverflow},
        {"V TextTwo 1e999", with(moveDown, Direction::Forward), texts("1", "1e999", "150", "1"), kDown, kTooLarge, kOverflow},
        {"x TextTwo 1.7e308", with(doublePosition, Axis::Down), texts("1", "1.7e308", "150", "1"), kDown, kResultTooLarge, kOverflow},
        {"x TextOne 1.7e308", with(doublePosition, Axis::Across), texts("-1.7e308", "1", "150", "1"), kAcross, kResultTooLarge, kOverflow},
        {"/ TextOne 1e999", with(halvePosition, Axis::Across), texts("1e999", "1", "150", "1"), kAcross, kTooLarge, kOverflow},
        // The steps come before the index: a bad size fails "<<" and ">>" too.
        {"<< size 40000", stepXoomOut, texts("1", "1", "40000", "1"), kSize, kNoStep, kOverflow},
        {">> size 40000", stepXoomIn, texts("1", "1", "40000", "1"), kSize, kNoStep, kOverflow},
        {"<< TextFour 1.7e308", stepXoomOut, texts("1", "1", "150", "1.7e308"), kXoom, kResultTooLarge, kOverflow},
        {"corner TextFour 1e999", with(zoomIntoCorner, Corner::LowerRight), texts("1", "1", "150", "1e999"), kXoom, kTooLarge, kOverflow},
        {"corner TextOne 12abc", with(zoomIntoCorner, Corner::LowerRight), texts("12abc", "1", "150", "1"), kAcross, kNotANumber, kTypeMismatch},
        {"corner TextOne empty", with(zoomIntoCorner, Corner::LowerLeft), texts("", "1", "150", "1"), kAcross, kNotANumber, kTypeMismatch},
        {"corner TextTwo letters", with(zoomIntoCorner, Corner::TopRight), texts("1", "abc", "150", "1"), kDown, kNotANumber, kTypeMismatch},
        {"corner TextTwo 1e999", with(zoomIntoCorner, Corner::TopLeft), texts("1", "1e999", "150", "1"), kDown, kTooLarge, kOverflow},
    };
    // clang-format on
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " on " + shown(row.in));
        const Outcome<FieldTexts> result = row.rule(row.in);
        ASSERT_FALSE(result.ok()) << "gave " << shown(result.value());
        const Failure& failure = result.failure();
        EXPECT_EQ(failure.fault, row.fault);
        EXPECT_EQ(failure.message(),
                  std::string(faultName(row.fault)) + " in " + fieldName(row.field));
        ASSERT_TRUE(failure.field.has_value());
        EXPECT_EQ(failure.field->role, row.field);
        EXPECT_EQ(failure.field->problem, row.problem);
        EXPECT_EQ(failure.field->text, fieldText(row.in, row.field));
    }
}

// The window writes texts back only from a successful outcome, so a click
// that fails half-way leaves every field as it was, the Xoom included.
TEST(FieldRulesFailures, CornerClickWithBadPositionLeavesAllFields)
{
    for (Corner corner :
         {Corner::LowerRight, Corner::LowerLeft, Corner::TopRight, Corner::TopLeft}) {
        for (const FieldTexts& before :
             {texts("12abc", "200", "600", "0.2"), texts("150", "abc", "600", "0.2")}) {
            SCOPED_TRACE("corner " + std::to_string(static_cast<int>(corner)) + " on " +
                         shown(before));
            FieldTexts window = before;
            const Outcome<FieldTexts> result = zoomIntoCorner(window, corner);
            ASSERT_FALSE(result.ok());
            if (result) window = result.value();
            EXPECT_EQ(shown(window), shown(before));
        }
    }
}

TEST(FieldRulesFailures, TwelveAbcFailsMovingAcrossButMovesDown)
{
    const FieldTexts f = texts("1", "1", "12abc", "1");
    const Outcome<FieldTexts> checked = checkSize(f);
    ASSERT_TRUE(checked.ok());
    EXPECT_EQ(checked.value().size, "12abc");

    const Outcome<FieldTexts> across = moveAcross(f, Direction::Forward);
    ASSERT_FALSE(across.ok());
    EXPECT_EQ(across.failure().fault, Fault::TypeMismatch);

    const Outcome<FieldTexts> down = moveDown(f, Direction::Forward);
    ASSERT_TRUE(down.ok());
    EXPECT_EQ(shown(down.value()), shown(texts("1", "7", "12abc", "1")));
}

}  // namespace
}  // namespace zentrel
