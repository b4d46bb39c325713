// SPDX-License-Identifier: GPL-3.0-or-later
// Every field rule on five arbitrary texts, and then a chain of rules, each
// on the texts the last one left. A rule gives all of its texts or a
// failure that names a field. It changes only the fields it is for, and
// every text it writes reads back to a finite number by both conversions:
// no field ever holds a NaN, an infinity or a text the next click refuses.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/field_value.h"
#include "fuzz_input.h"
#include "params/mouse_navigation.h"
#include "params/navigation.h"
#include "params/presets.h"
#include "params/strict_value.h"

namespace zentrel::fuzz {
namespace {

using Text = std::string FieldTexts::*;

constexpr Text kAcross = &FieldTexts::across;
constexpr Text kDown = &FieldTexts::down;
constexpr Text kSize = &FieldTexts::size;
constexpr Text kXoom = &FieldTexts::xoom;
constexpr Text kBrightness = &FieldTexts::brightness;

struct Rule {
    const char* name;
    std::function<Outcome<FieldTexts>(const FieldTexts&)> apply;
    std::vector<Text> writes;  // the fields it may change
};

template <class Preset>
Rule preset(const char* name, Preset p, std::vector<Text> writes)
{
    return {name, [p](const FieldTexts& f) { return Outcome<FieldTexts>(p(f)); },
            std::move(writes)};
}

const std::vector<Rule>& rules()
{
    static const std::vector<Rule> all = {
        preset("S", smallPreset, {kSize}),
        preset("M", mediumPreset, {kAcross, kDown, kSize, kXoom}),
        preset("L", largePreset, {kSize, kXoom}),
        preset("reset", [](const FieldTexts&) { return resetFields(); },
               {kAcross, kDown, kSize, kXoom, kBrightness}),
        {"X", halveXoom, {kXoom}},
        {"OOM", doubleXoom, {kXoom}},
        {"size check", checkSize, {kSize}},
        {">", [](const FieldTexts& f) { return moveAcross(f, Direction::Forward); }, {kAcross}},
        {"<", [](const FieldTexts& f) { return moveAcross(f, Direction::Back); }, {kAcross}},
        {"V", [](const FieldTexts& f) { return moveDown(f, Direction::Forward); }, {kDown}},
        {"^", [](const FieldTexts& f) { return moveDown(f, Direction::Back); }, {kDown}},
        {"x down", [](const FieldTexts& f) { return doublePosition(f, Axis::Down); }, {kDown}},
        {"/ down", [](const FieldTexts& f) { return halvePosition(f, Axis::Down); }, {kDown}},
        {"x across",
         [](const FieldTexts& f) { return doublePosition(f, Axis::Across); },
         {kAcross}},
        {"/ across", [](const FieldTexts& f) { return halvePosition(f, Axis::Across); }, {kAcross}},
        {"<<", stepXoomOut, {kXoom}},
        {">>", stepXoomIn, {kXoom}},
        {"lower right",
         [](const FieldTexts& f) { return zoomIntoCorner(f, Corner::LowerRight); },
         {kAcross, kDown, kXoom}},
        {"lower left",
         [](const FieldTexts& f) { return zoomIntoCorner(f, Corner::LowerLeft); },
         {kAcross, kDown, kXoom}},
        {"top right",
         [](const FieldTexts& f) { return zoomIntoCorner(f, Corner::TopRight); },
         {kAcross, kDown, kXoom}},
        {"top left",
         [](const FieldTexts& f) { return zoomIntoCorner(f, Corner::TopLeft); },
         {kAcross, kDown, kXoom}},
        // The mouse, on pictures placed by several origin rules.
        {"drag", [](const FieldTexts& f) { return panView(f, 3, -2.5); }, {kAcross, kDown}},
        {"wheel in",
         [](const FieldTexts& f) {
             return zoomAround(f, {{Origin::Centred}}, {10, 20}, 2);
         },
         {kAcross, kDown, kXoom}},
        {"wheel out",
         [](const FieldTexts& f) {
             return zoomAround(f, {{Origin::Corner}}, {0.5, 7}, 0.5);
         },
         {kAcross, kDown, kXoom}},
        {"fine wheel",
         [](const FieldTexts& f) {
             return zoomAround(f, {{Origin::ExchangedHalves}, 300}, {99, 1}, 1.25);
         },
         {kAcross, kDown, kXoom}},
        {"double click",
         [](const FieldTexts& f) {
             return zoomInCentredOn(f, {{Origin::ShiftedCorner}}, {5, 5});
         },
         {kAcross, kDown, kXoom}},
    };
    return all;
}

bool readsBack(const std::string& text)
{
    const Outcome<double> field = fieldValue(text);
    const Outcome<double> strict = strictValue(text);
    return field.ok() && std::isfinite(field.value()) && sameOutcome(strict, field);
}

bool mayWrite(const Rule& rule, Text text)
{
    for (Text written : rule.writes)
        if (written == text) return true;
    return false;
}

// The texts after the rule: its own, or on a failure the ones before.
FieldTexts applied(const Rule& rule, const FieldTexts& before)
{
    const Outcome<FieldTexts> result = rule.apply(before);
    if (!result) {
        const Failure& failure = result.failure();
        require(failure.fault == Fault::Overflow || failure.fault == Fault::TypeMismatch,
                "a rule fails by Overflow or TypeMismatch");
        require(failure.where.rfind("in Text", 0) == 0, "a failure names its field");
        return before;
    }
    for (Text text : {kAcross, kDown, kSize, kXoom, kBrightness}) {
        const std::string& now = result.value().*text;
        if (now == before.*text) continue;
        require(mayWrite(rule, text), "a rule changes only its own fields");
        require(readsBack(now), "every text written reads back to a finite number");
    }
    return result.value();
}

void checkFieldRules(std::string_view input)
{
    const std::vector<std::string> parts = textsAtZeros(input, 6);
    const auto part = [&](std::size_t i) { return i < parts.size() ? parts[i] : std::string(); };
    FieldTexts f{part(0), part(1), part(2), part(3), part(4)};
    for (const Rule& rule : rules()) applied(rule, f);
    for (unsigned char choice : part(5)) f = applied(rules()[choice % rules().size()], f);
}

}  // namespace
}  // namespace zentrel::fuzz

// Five texts separated by zero bytes, then one byte for each rule of the
// chain.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkFieldRules(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
