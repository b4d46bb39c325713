// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts from outside (what a person typed or pasted, what a file holds) as a
// message shows them: short enough to read and safe to print on a terminal.
namespace zentrel {

// Whether the text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// The text with every control character (C0, DEL, C1) and every byte that
// is not part of a UTF-8 character written as \n, \t or \xHH, so that
// printing it cannot move the cursor, set a title or clear a terminal.
std::string withControlsEscaped(std::string_view text);

// The text escaped as above; one longer than `longest` bytes keeps its
// beginning and end, with "…" in place of the middle.
std::string excerpt(std::string_view text, std::size_t longest = 40);

// The longest file name a message repeats whole.
inline constexpr std::size_t kLongestPathShown = 200;

// The excerpt in double quotes, as a message quotes a word: "--xoom".
std::string quotedExcerpt(std::string_view text);

}  // namespace zentrel
