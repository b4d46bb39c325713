// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/view.h"

#include <charconv>

#include "engine/quoted_excerpt.h"
#include "patterns/pattern_table.h"
#include "picture/not_a_view.h"
#include "picture/smooth.h"
#include "picture/words.h"

namespace zentrel {
namespace {

// The options that name a field, in the order a recipe gives them.
struct FieldOption {
    const char* option;
    FieldRole role;
};

// clang-format off
constexpr FieldOption kFieldOptions[] = {
    {"--x", FieldRole::Across},       {"--y", FieldRole::Down},
    {"--size", FieldRole::Size},      {"--xoom", FieldRole::Xoom},
    {"--bright", FieldRole::Brightness},
};
// clang-format on

// Options of a zentrel-render command that say nothing of the view, and
// whether they take a value.
struct OtherOption {
    const char* option;
    bool takesValue;
};

constexpr OtherOption kOtherOptions[] = {
    {"-o", true}, {"--output", true}, {"--format", true}, {"--threads", true}, {"--all", false},
};

// A whole number within [lowest, highest], or why not.
Status wholeNumber(std::string_view option, std::string_view text, int lowest, int highest,
                   int& out)
{
    if (const auto n = wholeNumberIn(text, lowest, highest)) {
        out = *n;
        return std::nullopt;
    }
    return notAView(std::string(option) + " needs a whole number from " + std::to_string(lowest) +
                    " to " + std::to_string(highest) + ", not " + quotedExcerpt(text));
}

Status setPattern(View& view, std::string_view name)
{
    const Pattern* pattern = findPattern(name);
    if (!pattern) return notAView("there is no pattern named " + quotedExcerpt(name));
    view.pattern = pattern;
    return std::nullopt;
}

Status setWidth(View& view, std::string_view text)
{
    int width = 0;
    if (auto failure = wholeNumber("--width", text, 1, static_cast<int>(kMaxExtent), width))
        return failure;
    view.width = width;
    return std::nullopt;
}

// Bits a channel: 8, or 16 for print and editing without banding.
Status setDepth(View& view, std::string_view text)
{
    if (text != "8" && text != "16")
        return notAView("--depth needs 8 or 16 (bits a channel), not " + quotedExcerpt(text));
    view.depth = text == "8" ? 8 : 16;
    return std::nullopt;
}

// A field text as typed; a recipe is UTF-8 text (in a PNG, by the format's
// rule), so bytes that are not are refused rather than written.
std::optional<Failure> setField(View& view, FieldRole role, std::string_view option,
                                std::string_view text)
{
    if (!isUtf8(text))
        return notAView(std::string(option) + " " + quotedExcerpt(text) + " is not UTF-8 text");
    fieldText(view.fields, role) = std::string(text);
    return std::nullopt;
}

const OtherOption* otherOption(std::string_view option)
{
    for (const OtherOption& o : kOtherOptions)
        if (option == o.option) return &o;
    return nullptr;
}

}  // namespace

const char* optionOf(FieldRole role)
{
    for (const FieldOption& o : kFieldOptions)
        if (o.role == role) return o.option;
    return nullptr;
}

std::optional<int> wholeNumberIn(std::string_view text, int lowest, int highest)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < lowest || n > highest)
        return std::nullopt;
    return n;
}

Sampling View::sampling() const
{
    return Sampling{density * supersample, width ? std::optional<double>(*width) : std::nullopt};
}

View viewWith(const Pattern& pattern, FieldTexts fields)
{
    View view;
    view.pattern = &pattern;
    view.fields = std::move(fields);
    return view;
}

std::string recipeOf(const View& view)
{
    std::string recipe = "--pattern " + std::string(view.pattern->caption);
    for (const FieldOption& o : kFieldOptions)
        recipe += std::string(" ") + o.option + " " + quotedWord(fieldText(view.fields, o.role));
    if (view.density != 1) recipe += " --density " + std::to_string(view.density);
    if (view.supersample != 1) recipe += " --supersample " + std::to_string(view.supersample);
    if (view.width) recipe += " --width " + std::to_string(*view.width);
    if (view.depth != 8) recipe += " --depth " + std::to_string(view.depth);
    return recipe;
}

std::string commandOf(const View& view)
{
    return "zentrel-render " + recipeOf(view) + " -o " + std::string(view.pattern->caption) +
           ".png";
}

bool isViewOption(std::string_view option)
{
    for (const FieldOption& o : kFieldOptions)
        if (option == o.option) return true;
    for (const char* other :
         {"--pattern", "--height", "--density", "--supersample", "--width", "--depth"})
        if (option == other) return true;
    return false;
}

Status setViewOption(View& view, std::string_view option, std::string_view value)
{
    for (const FieldOption& o : kFieldOptions)
        if (option == o.option) return setField(view, o.role, option, value);
    if (option == "--height") return setField(view, FieldRole::Size, option, value);
    if (option == "--pattern") return setPattern(view, value);
    if (option == "--density") return wholeNumber(option, value, 1, kMaxDensity, view.density);
    if (option == "--supersample")
        return wholeNumber(option, value, 1, kMaxSupersample, view.supersample);
    if (option == "--width") return setWidth(view, value);
    if (option == "--depth") return setDepth(view, value);
    return notAView("a view has no option " + excerpt(option));
}

Outcome<View> viewOf(std::string_view line)
{
    auto words = splitWords(line);
    if (!words) return words.failure();
    const std::vector<std::string>& w = words.value();
    std::size_t i = 0;
    // The program's name, with or without a folder before it.
    if (i < w.size() && w[i].rfind("-", 0) != 0 &&
        (w[i] == "zentrel-render" || w[i].ends_with("/zentrel-render")))
        ++i;
    View view;
    for (; i < w.size(); ++i) {
        std::string option = w[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('=');
            option.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        // The view --from names is in a picture file, which a line of text
        // cannot reach: the person is told so, not that --from is unknown.
        if (option == "--from")
            return notAView("--from names a picture file, not a view: open that picture instead");
        const OtherOption* other = otherOption(option);
        if (!other && !isViewOption(option))
            return notAView(quotedExcerpt(option) + " is no option of a view");
        const bool takesValue = !other || other->takesValue;
        if (takesValue && !value) {
            if (i + 1 >= w.size()) return notAView(excerpt(option) + " needs a value");
            value = w[++i];
        }
        if (other) continue;
        if (auto failure = setViewOption(view, option, *value)) return *failure;
    }
    if (!view.pattern) return notAView("no pattern is named (--pattern)");
    return view;
}

}  // namespace zentrel
