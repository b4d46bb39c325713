// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "engine/sweep.h"

// A view as a person keeps and shares it: the pattern, the five field texts
// exactly as typed, and how finely a poster of it is sampled. Its recipe is
// a line of zentrel-render options, and reads back to the same view.
namespace zentrel {

inline constexpr int kMaxDensity = 256;

struct View {
    const Pattern* pattern = nullptr;
    FieldTexts fields;
    int density = 1;           // samples per unit of the formula coordinates
    int supersample = 1;       // samples averaged across and down per pixel
    int depth = 8;             // bits a channel of a poster's file: 8 or 16
    std::optional<int> width;  // a width of its own instead of the size's

    bool operator==(const View&) const = default;

    // What the sweep computes: density x supersample values per unit.
    Sampling sampling() const;
};

// The view of a pattern with these field texts, one sample a pixel.
View viewWith(const Pattern& pattern, FieldTexts fields);

// "--pattern aqua --x 1 --y 1 --size 768 --xoom 0.15 --bright 150", and
// --density, --supersample, --width and --depth where they are not the
// defaults.
std::string recipeOf(const View& view);

// The recipe as a zentrel-render command: "zentrel-render ... -o aqua.png".
std::string commandOf(const View& view);

// The option that sets the field, as in "--xoom"; null for no field.
const char* optionOf(FieldRole role);

// The whole number the text is, digits and nothing else around them, if it
// is one from lowest to highest.
std::optional<int> wholeNumberIn(std::string_view text, int lowest, int highest);

// Sets one option of a view from its value, as the command line and the
// recipe give it; NotAView when the value does not do, or the option is no
// option of a view (isViewOption tells).
Status setViewOption(View& view, std::string_view option, std::string_view value);
bool isViewOption(std::string_view option);

// The view a recipe or a zentrel-render command names, all of it or a
// failure (NotAView) that says what is wrong. Options of the command that
// are not the view's (the file, the threads) are passed over; --from is
// refused, its view being in a picture file that a line cannot reach.
Outcome<View> viewOf(std::string_view line);

}  // namespace zentrel
