// SPDX-License-Identifier: GPL-3.0-or-later
// Manual pages from --help texts: each rule of the reading, one row each.

#include <gtest/gtest.h>

#include <string>

#include "desktop/man_page.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::NamedRow;

const desktop::ManPageHeading kHeading{"tool", "do a thing", "Zentrel 1.0", ""};

// The page without its title, name and synopsis: from DESCRIPTION on.
std::string body(const std::string& page)
{
    const std::size_t at = page.find(".SH DESCRIPTION\n");
    return at == std::string::npos ? page : page.substr(at + 16);
}

struct PageRow : NamedRow {
    const char* help;
    const char* body;
};

// clang-format off
const PageRow kPages[] = {
    {"paragraphs", "Does one thing\nwell.\n\nAnd another.\n",
     "Does one thing\nwell.\n.PP\nAnd another.\n"},
    {"heading_with_a_note", "Text.\n\nOptions (each TEXT is read as typed):\n",
     "Text.\n.SH OPTIONS\nEach TEXT is read as typed.\n"},
    {"heading_with_its_text", "Text.\n\nExit status: 0 done; 1 not\ndone.\n",
     "Text.\n.SH EXIT STATUS\n0 done; 1 not\ndone.\n"},
    // Within a paragraph a colon starts no section.
    {"colon_within_a_paragraph", "Text that goes on\nFive fields: one, two.\n",
     "Text that goes on\nFive fields: one, two.\n"},
    {"options_with_continuations",
     "Options:\n  --size TEXT      the size; the\n                   picture is square\n  -h, --help  this\n",
     ".SH OPTIONS\n.TP\n\\fB\\-\\-size TEXT\\fR\nthe size; the\npicture is square\n.TP\n"
     "\\fB\\-h, \\-\\-help\\fR\nthis\n"},
    {"paragraph_after_options", "Options:\n  --help  this\n  Others go on.\n",
     ".SH OPTIONS\n.TP\n\\fB\\-\\-help\\fR\nthis\n.PP\nOthers go on.\n"},
    {"indented_paragraph", "Environment:\n  DISPLAY names\n  the desktop.\n",
     ".SH ENVIRONMENT\nDISPLAY names\nthe desktop.\n"},
    {"examples", "Examples:\n  tool --a 1\n  tool --b\n\nAfter.\n",
     ".SH EXAMPLES\n.RS\n.nf\ntool \\-\\-a 1\ntool \\-\\-b\n.fi\n.RE\n.PP\nAfter.\n"},
    // Keys and what they do are items too, "-" among them.
    {"keys_as_items", "Keys:\n  Right          as \">\"\n  -              as \"OOM\"\n  Menu, Shift+F10  the menu\n",
     ".SH KEYS\n.TP\n\\fBRight\\fR\nas \">\"\n.TP\n\\fB\\-\\fR\nas \"OOM\"\n.TP\n\\fBMenu, Shift+F10\\fR\nthe menu\n"},
    // A continuation that starts with a dash stays the item's text.
    {"continuation_starting_with_a_dash", "Options:\n  --all  every pattern, each to\n         -o with {pattern}\n",
     ".SH OPTIONS\n.TP\n\\fB\\-\\-all\\fR\nevery pattern, each to\n\\-o with {pattern}\n"},
    {"escapes", "A \\ backslash\n.dot and 'quote first\n",
     "A \\e backslash\n\\&.dot and 'quote first\n"},
};
// clang-format on

class ManPageFromHelp : public ::testing::TestWithParam<PageRow> {};

TEST_P(ManPageFromHelp, ReadsTheHelpAsWritten)
{
    EXPECT_EQ(body(desktop::manPage(kHeading, GetParam().help)), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(Rules, ManPageFromHelp, ::testing::ValuesIn(kPages), byName);

TEST(ManPageFromHelp, TitleNameSynopsisAndSeeAlso)
{
    const desktop::ManPageHeading heading{"zentrel-render", "draw a picture", "Zentrel 5.2014",
                                          "zentrel(1)"};
    EXPECT_EQ(desktop::manPage(heading, "Usage: zentrel-render --pattern NAME -o FILE\n\nDraws.\n"),
              ".TH ZENTREL\\-RENDER 1 \"\" \"Zentrel 5.2014\" \"User Commands\"\n"
              ".SH NAME\nzentrel\\-render \\- draw a picture\n"
              ".SH SYNOPSIS\n\\fBzentrel\\-render\\fR \\-\\-pattern NAME \\-o FILE\n"
              ".SH DESCRIPTION\nDraws.\n"
              ".SH SEE ALSO\n.BR zentrel (1)\n");
}

TEST(ManPageFromHelp, EveryFormOfTheCommandIsInTheSynopsis)
{
    const desktop::ManPageHeading heading{"tool", "do", "Zentrel 1.0", ""};
    const std::string page =
        desktop::manPage(heading, "Usage: tool --a FILE\n       tool --b\n\nDoes.\n");
    EXPECT_NE(page.find(".SH SYNOPSIS\n\\fBtool\\fR \\-\\-a FILE\n.br\n\\fBtool\\fR \\-\\-b\n"
                        ".SH DESCRIPTION\nDoes.\n"),
              std::string::npos)
        << page;
}

}  // namespace
}  // namespace zentrel
