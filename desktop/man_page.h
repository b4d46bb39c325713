// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Manual pages written from a program's --help text, so that the page says
// what the program says, option for option, whenever the program changes.
namespace zentrel::desktop {

struct ManPageHeading {
    std::string name;     // "zentrel-render"
    std::string summary;  // the NAME line: "draw a pattern picture into a file"
    std::string source;   // "Zentrel 5.2014"
    std::string seeAlso;  // "zentrel(1)", or empty
};

// The page in the man macros. The help text is read as this project writes
// it: "Usage: ..." first, then the description; a line "Heading:" or
// "Heading (note):" or "Heading: text" at the margin starts a section;
// indented lines that start with "-" are options, their description after
// two blanks and on further lines indented deeper; other indented lines are
// paragraphs, or examples when they start with the program's name.
std::string manPage(const ManPageHeading& heading, std::string_view help);

}  // namespace zentrel::desktop
