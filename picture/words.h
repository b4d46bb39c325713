// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/outcome.h"

// Command-line words as a shell reads and writes them, so that a line the
// program writes can be pasted into a terminal and read back unchanged.
namespace zentrel {

// The word as a shell needs it: bare when it holds nothing special, in
// single quotes otherwise, and as $'...' with escapes when it holds a
// control character, so that the line stays one line.
std::string quotedWord(std::string_view word);

// The words of a line: blanks between words, '...', "..." with \" \\ \$ \`,
// $'...' with \n \t \\ \' \xHH, and \ before any character outside quotes.
// A quote left open is a failure (NotAView).
Outcome<std::vector<std::string>> splitWords(std::string_view line);

}  // namespace zentrel
