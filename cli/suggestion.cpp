// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/suggestion.h"

#include <algorithm>
#include <cctype>

namespace zentrel::cli {
namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// How many edits a word of this many letters may be from the one meant.
int editsAllowed(std::string_view word)
{
    const auto letters = word.size() - std::min(word.find_first_not_of('-'), word.size());
    return letters <= 4 ? 1 : 2;
}

}  // namespace

int editsBetween(std::string_view a, std::string_view b)
{
    // The edits between the first i letters of a and the first j of b, row i
    // kept with the two rows before it for the swaps.
    const std::size_t n = b.size();
    std::vector<int> twoBack(n + 1), back(n + 1), row(n + 1);
    for (std::size_t j = 0; j <= n; ++j) back[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= n; ++j) {
            const int changed = folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1;
            row[j] = std::min({back[j] + 1, row[j - 1] + 1, back[j - 1] + changed});
            if (i > 1 && j > 1 && folded(a[i - 1]) == folded(b[j - 2]) &&
                folded(a[i - 2]) == folded(b[j - 1]))
                row[j] = std::min(row[j], twoBack[j - 2] + 1);
        }
        std::swap(twoBack, back);
        std::swap(back, row);
    }
    return back[n];
}

std::optional<std::string> nearestWord(std::string_view word, const std::vector<std::string>& known)
{
    const std::string* nearest = nullptr;
    int fewest = editsAllowed(word) + 1;
    for (const std::string& candidate : known) {
        // Each edit changes the length by one at most: a megabyte of text
        // is measured against no word.
        const auto longer = std::max(word.size(), candidate.size());
        const auto shorter = std::min(word.size(), candidate.size());
        if (candidate == word || longer - shorter >= static_cast<std::size_t>(fewest)) continue;
        const int edits = editsBetween(word, candidate);
        if (edits >= fewest) continue;
        nearest = &candidate;
        fewest = edits;
    }
    if (!nearest) return std::nullopt;
    return *nearest;
}

}  // namespace zentrel::cli
