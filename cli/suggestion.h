// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "Did you mean": the known word a mistyped one most likely stands for.
namespace zentrel::cli {

// The edits that turn one text into the other, letter case aside: a letter
// put in, left out, changed, or two neighbours swapped ("--patern" is one
// edit from "--pattern", "aqau" one from "aqua").
int editsBetween(std::string_view a, std::string_view b);

// The known word fewest edits away from the word, if it is near enough to
// be what was meant: one edit for a word of up to four letters (dashes
// aside), two for a longer one. The first of equally near words wins; the
// word itself, letter for letter, is never suggested.
std::optional<std::string> nearestWord(std::string_view word,
                                       const std::vector<std::string>& known);

}  // namespace zentrel::cli
