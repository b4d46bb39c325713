// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from outside as messages quote them: nothing a terminal obeys gets
// through, and a long text keeps its two ends around "…".

#include <gtest/gtest.h>

#include <string>

#include "engine/quoted_excerpt.h"
#include "support.h"

namespace zentrel {
namespace {

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

struct ExcerptRow : test::NamedRow {
    std::string text;
    std::string quoted;
};

// clang-format off
const ExcerptRow kExcerpts[] = {
    {{"plain"}, "--xoom", "\"--xoom\""},
    {{"empty"}, "", "\"\""},
    {{"unicode_kept"}, "ünïcödé ✓", "\"ünïcödé ✓\""},
    {{"title_and_clear"}, "\x1b]0;T\a\x1b[2J", "\"\\x1b]0;T\\x07\\x1b[2J\""},
    {{"line_feed_and_tab"}, "a\nb\tc", "\"a\\nb\\tc\""},
    {{"delete"}, "a\x7f", "\"a\\x7f\""},
    {{"c1_introducer"}, "\xc2\x9b" "2J", "\"\\xc2\\x9b2J\""},
    {{"no_break_space_kept"}, "a\xc2\xa0z", "\"a\xc2\xa0z\""},
    {{"lone_bytes"}, "1\xff\xfe", "\"1\\xff\\xfe\""},
    {{"cut_character"}, "\xe2\x9c", "\"\\xe2\\x9c\""},
    {{"overlong_slash"}, "\xc0\xaf", "\"\\xc0\\xaf\""},
    {{"surrogate"}, "\xed\xa0\x80", "\"\\xed\\xa0\\x80\""},
    {{"zero_byte"}, std::string("a\0b", 3), "\"a\\x00b\""},
    {{"forty_bytes_whole"}, std::string(40, 'x'), "\"" + std::string(40, 'x') + "\""},
    {{"forty_one_elided"}, std::string(20, 'a') + "b" + std::string(20, 'c'),
     "\"" + std::string(20, 'a') + "…" + std::string(20, 'c') + "\""},
    {{"megabyte_elided"}, "--" + std::string(1 << 20, 'm') + "!",
     "\"--" + std::string(18, 'm') + "…" + std::string(19, 'm') + "!\""},
    // A character is kept whole or left out, never split by the cut.
    {{"characters_kept_whole"}, "a" + repeated("é", 30), "\"a" + repeated("é", 9) + "…" + repeated("é", 10) + "\""},
    {{"controls_in_the_kept_ends"}, "\x1b" + std::string(100, '-') + "\a",
     "\"\\x1b" + std::string(19, '-') + "…" + std::string(19, '-') + "\\x07\""},
};
// clang-format on

class QuotedExcerpt : public ::testing::TestWithParam<ExcerptRow> {};

TEST_P(QuotedExcerpt, EscapesControlsAndElidesTheMiddle)
{
    EXPECT_EQ(quotedExcerpt(GetParam().text), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(Texts, QuotedExcerpt, ::testing::ValuesIn(kExcerpts), test::byName);

TEST(Utf8, WellFormedOrNot)
{
    for (const char* good : {"", "plain", "ünïcödé ✓", "\xf0\x9f\x98\x80", "\xef\xbf\xbf"})
        EXPECT_TRUE(isUtf8(good)) << good;
    for (const char* bad : {"\xff", "1\xff\xfe", "\xc3", "\xe2\x9c", "\xc0\xaf", "\xed\xa0\x80",
                            "\xf4\x90\x80\x80", "\x80", "\xf0\x80\x80\x80"})
        EXPECT_FALSE(isUtf8(bad)) << withControlsEscaped(bad);
}

}  // namespace
}  // namespace zentrel
