// SPDX-License-Identifier: GPL-3.0-or-later
// Views kept as recipes: a line of zentrel-render options that a shell reads
// as the program wrote it and that reads back to the very same view.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "patterns/pattern_table.h"
#include "picture/view.h"
#include "picture/words.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;

View viewOfPattern(const char* name, FieldTexts fields)
{
    View v;
    v.pattern = findPattern(name);
    v.fields = std::move(fields);
    return v;
}

// Texts as people type them into the fields, and worse.
const std::vector<std::string> kAwkwardTexts = {
    "1",      "-74.5",     "1.5E-07",     "1e309",     "&H10",       "&o17", "",
    "  12 ",  "12abc",     "1 2 3",       "it's",      "\"quoted\"", "a\\b", "$HOME",
    "`date`", "tab\there", "line\nbreak", "ünïcödé ✓", "*?[a]",      "~",    "--size",
};

TEST(ViewRecipe, EveryTextReadsBackThroughTheRecipeAndTheCommand)
{
    for (const std::string& text : kAwkwardTexts) {
        SCOPED_TRACE("text \"" + text + "\"");
        View view = viewOfPattern("kanga", F(text, "2", text, text + "x", "150"));
        view.density = 4;
        view.supersample = 2;
        view.width = 3000;
        view.depth = 16;
        for (const std::string& line : {recipeOf(view), commandOf(view)}) {
            EXPECT_EQ(line.find('\n'), std::string::npos) << "not one line: " << line;
            const Outcome<View> back = viewOf(line);
            ASSERT_TRUE(back.ok()) << back.failure().message() << " in " << line;
            EXPECT_TRUE(back.value() == view) << line;
        }
    }
}

// What a shell makes of a quoted word: the program's words must reach
// zentrel-render as they were.
std::string shellEcho(const std::string& quoted)
{
    const std::string script = testing::TempDir() + "zentrel-quoted.sh";
    FILE* in = std::fopen(script.c_str(), "w");
    std::fprintf(in, "printf %%s %s", quoted.c_str());
    std::fclose(in);
    FILE* out = popen(("bash " + script).c_str(), "r");
    std::string result;
    for (int c; (c = std::fgetc(out)) != EOF;) result += static_cast<char>(c);
    pclose(out);
    return result;
}

TEST(QuotedWord, IsTheSameWordToAShellAndBack)
{
    for (const std::string& text : kAwkwardTexts) {
        if (text.empty()) continue;  // the shell drops an empty "$1" from printf's output anyway
        SCOPED_TRACE("text \"" + text + "\"");
        const std::string quoted = quotedWord(text);
        EXPECT_EQ(shellEcho(quoted), text) << quoted;
        const auto words = splitWords(quoted);
        ASSERT_TRUE(words.ok());
        EXPECT_EQ(words.value(), std::vector<std::string>{text});
    }
}

TEST(ViewRecipe, LeavesOutWhatIsTheDefault)
{
    const View view = viewOfPattern("aqua", F("1", "1", "768", "0.15", "150"));
    EXPECT_EQ(recipeOf(view), "--pattern aqua --x 1 --y 1 --size 768 --xoom 0.15 --bright 150");
    EXPECT_EQ(commandOf(view),
              "zentrel-render --pattern aqua --x 1 --y 1 --size 768 --xoom 0.15 --bright 150 -o "
              "aqua.png");
}

struct LineRow : test::NamedRow {
    const char* line;
    const char* refusal;  // what the failure says; null when the line is a view
};

// clang-format off
const LineRow kLines[] = {
    {"a_path_to_the_program", "/usr/bin/zentrel-render --pattern TANG -o x.png --threads 2", nullptr},
    {"equals_forms", "--pattern=oogli --x=-3 --size='7 8'", nullptr},
    {"height_is_the_size", "--pattern aqua --height 99", nullptr},
    {"several_spaces_and_tabs", "  --pattern \t aqua   --x 5 ", nullptr},
    {"no_pattern", "--x 1 --y 2", "no pattern is named (--pattern)"},
    {"unknown_pattern", "--pattern zebra", "there is no pattern named \"zebra\""},
    {"unknown_option", "--pattern aqua --zoom 2", "\"--zoom\" is no option of a view"},
    {"missing_value", "--pattern aqua --xoom", "--xoom needs a value"},
    {"open_quote", "--pattern aqua --x 'one", "a quote is left open"},
    {"fractional_density", "--pattern aqua --density 2.5",
     "--density needs a whole number from 1 to 256, not \"2.5\""},
    {"density_beyond", "--pattern aqua --density 257",
     "--density needs a whole number from 1 to 256, not \"257\""},
    {"supersample_beyond", "--pattern aqua --supersample 17",
     "--supersample needs a whole number from 1 to 16, not \"17\""},
    {"depth_of_its_own", "--pattern aqua --depth 12", "--depth needs 8 or 16 (bits a channel), not \"12\""},
    {"depth_with_a_sign", "--pattern aqua --depth +16", "--depth needs 8 or 16 (bits a channel), not \"+16\""},
    {"prose", "What a lovely picture!", "\"What\" is no option of a view"},
    {"from_a_picture", "zentrel-render --from big.png --density 16 --supersample 2 -o poster.png",
     "--from names a picture file, not a view: open that picture instead"},
    {"empty", "", "no pattern is named (--pattern)"},
    // A recipe is UTF-8 text, in a PNG by the format's rule.
    {"bytes_not_utf8", "--pattern aqua --x $'1\\xff\\xfe'",
     "--x \"1\\xff\\xfe\" is not UTF-8 text"},
    {"height_cut_character", "--pattern aqua --height $'\\xc3'",
     "--height \"\\xc3\" is not UTF-8 text"},
    // What a terminal would obey, and a pasted novel, are quoted escaped and short.
    {"terminal_title", "--pattern $'\\x1b]0;T\\x07'", "there is no pattern named \"\\x1b]0;T\\x07\""},
    {"novel_as_an_option", "--pattern aqua --It-was-a-dark-and-stormy-night-the-rain-fell",
     "\"--It-was-a-dark-and-…-night-the-rain-fell\" is no option of a view"},
};
// clang-format on

class LineAsView : public ::testing::TestWithParam<LineRow> {};

TEST_P(LineAsView, IsAViewOrSaysWhyNot)
{
    const LineRow& row = GetParam();
    const Outcome<View> view = viewOf(row.line);
    ASSERT_EQ(view.ok(), row.refusal == nullptr) << (view.ok() ? "" : view.failure().message());
    if (row.refusal) {
        EXPECT_EQ(view.failure().fault, Fault::NotAView);
        EXPECT_EQ(view.failure().where, row.refusal);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, LineAsView, ::testing::ValuesIn(kLines), test::byName);

TEST(ViewOf, TakesEveryOptionOfACommand)
{
    const Outcome<View> view = viewOf(
        "zentrel-render --pattern tang --x 7.5 --y -20 --height 25 --xoom 0.2 --bright 90 "
        "--density 3 --supersample 2 --width 40 -o t.png");
    ASSERT_TRUE(view.ok()) << view.failure().message();
    View expected = viewOfPattern("tang", F("7.5", "-20", "25", "0.2", "90"));
    expected.density = 3;
    expected.supersample = 2;
    expected.width = 40;
    EXPECT_TRUE(view.value() == expected);
    EXPECT_EQ(view.value().sampling().density, 6);
}

}  // namespace
}  // namespace zentrel
