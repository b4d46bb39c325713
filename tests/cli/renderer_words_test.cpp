// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's own words besides its failures: the word a mistyped one
// stands for, the fields it reads only in part, and the line that announces
// a long render.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cli/field_notes.h"
#include "cli/long_render.h"
#include "cli/suggestion.h"
#include "support.h"

namespace zentrel {
namespace {

using test::byName;
using test::NamedRow;

struct EditsRow : NamedRow {
    const char* a;
    const char* b;
    int edits;
};

// clang-format off
const EditsRow kEdits[] = {
    {"same", "aqua", "aqua", 0},
    {"letter_case_aside", "AQUA", "aqua", 0},
    {"one_left_out", "--patern", "--pattern", 1},
    {"neighbours_swapped", "aqau", "aqua", 1},
    {"one_changed", "--zoom", "--xoom", 1},
    {"from_nothing", "", "abc", 3},
    {"to_nothing", "abc", "", 3},
    {"three_changes_and_a_put_in", "kitten", "sitting", 3},
    {"three_swaps", "abcdef", "badcfe", 3},
    // A letter between a swapped pair is no swap: the two are counted apart.
    {"swap_then_put_in", "ca", "abc", 3},
};
// clang-format on

class EditsBetween : public ::testing::TestWithParam<EditsRow> {};

TEST_P(EditsBetween, CountsEachChangeOnce)
{
    const EditsRow& row = GetParam();
    EXPECT_EQ(cli::editsBetween(row.a, row.b), row.edits);
    EXPECT_EQ(cli::editsBetween(row.b, row.a), row.edits);
}

INSTANTIATE_TEST_SUITE_P(Pairs, EditsBetween, ::testing::ValuesIn(kEdits), byName);

const std::vector<std::string> kKnown = {"--pattern", "--x",    "--xoom", "--help",
                                         "aqua",      "sizZle", "tang"};

const std::string kMegabyte(1 << 20, 'a');

struct NearestRow : NamedRow {
    const char* word;
    std::optional<std::string> meant;
};

// clang-format off
const NearestRow kNearest[] = {
    {"one_edit", "--patern", "--pattern"},
    {"two_edits_in_a_long_word", "--patetrn", "--pattern"},
    {"letter_case", "--PATTERN", "--pattern"},
    {"the_first_of_equals", "--xom", "--xoom"},
    {"as_written_in_the_list", "sizle", "sizZle"},
    {"one_edit_in_a_short_word", "tng", "tang"},
    {"two_edits_in_a_short_word", "tg", std::nullopt},
    {"three_edits", "--pat", std::nullopt},
    {"nothing_alike", "--nope", std::nullopt},
    {"the_word_itself", "--help", std::nullopt},
    {"empty", "", std::nullopt},
    {"a_megabyte", kMegabyte.c_str(), std::nullopt},
};
// clang-format on

class NearestWord : public ::testing::TestWithParam<NearestRow> {};

TEST_P(NearestWord, IsSuggestedOnlyWhenNearEnough)
{
    EXPECT_EQ(cli::nearestWord(GetParam().word, kKnown), GetParam().meant);
}

INSTANTIATE_TEST_SUITE_P(Words, NearestWord, ::testing::ValuesIn(kNearest), byName);

struct NoteRow : NamedRow {
    FieldTexts fields;
    std::vector<std::string> lines;
};

// clang-format off
const NoteRow kNotes[] = {
    {"defaults", test::F("1", "1", "150", "1", "150"), {}},
    {"whole_numbers_of_every_form",
     test::F(" -12 ", "\t+3.5E2", "&H1F", "1.5D2", ".5"), {}},
    {"a_comma_for_a_point", test::F("1", "1", "150", "0,15"), {"--xoom \"0,15\" reads as 0"}},
    {"a_picture_size", test::F("1", "1", "1920x1080"), {"--size \"1920x1080\" reads as 1920"}},
    {"one_line_per_field_in_their_order",
     test::F("-12abc", "abc", "2 4", "1e", "150%"),
     {"--x \"-12abc\" reads as -12", "--y \"abc\" reads as 0", "--size \"2 4\" reads as 24",
      "--xoom \"1e\" reads as 1", "--bright \"150%\" reads as 150"}},
    {"empty_and_blank", test::F("", " ", "150"), {"--x \"\" reads as 0", "--y \" \" reads as 0"}},
    // Its failure names it; a note would say it reads as something.
    {"beyond_the_double_range", test::F("1", "1", "150", "1e400x"), {}},
    {"escaped_for_the_terminal", test::F("1\x1b[2J", "1", "150"), {"--x \"1\\x1b[2J\" reads as 1"}},
};
// clang-format on

class PartlyReadFields : public ::testing::TestWithParam<NoteRow> {};

TEST_P(PartlyReadFields, AreEachNotedWithWhatTheyReadAs)
{
    EXPECT_EQ(cli::partlyReadFields(GetParam().fields), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Fields, PartlyReadFields, ::testing::ValuesIn(kNotes), byName);

struct LongRenderRow : NamedRow {
    cli::RenderWork work;
    std::optional<std::string> line;
};

// The estimate is kSecondsPerSample a sample, spread over the threads; a
// render is long beyond kLongRenderSeconds.
static_assert(cli::kSecondsPerSample == 200e-9 && cli::kLongRenderSeconds == 2.0);

// clang-format off
const LongRenderRow kLongRenders[] = {
    {"the_window_picture", {150, 150, 1, 1}, std::nullopt},
    {"just_short", {3300, 3000, 1, 1}, std::nullopt},
    {"just_long", {3400, 3000, 1, 1},
     "3400 x 3000 pixels, 1 sample each (10 million), about 2 s on 1 thread"},
    {"short_on_two_threads", {3400, 3000, 1, 2}, std::nullopt},
    {"a_poster", {16384, 12288, 4, 2},
     "16384 x 12288 pixels, 4 samples each (805 million), about 81 s on 2 threads"},
    {"minutes", {16384, 12288, 16, 2},
     "16384 x 12288 pixels, 16 samples each (3.2 billion), about 5 min on 2 threads"},
    {"hours", {65536, 65536, 256, 8},
     "65536 x 65536 pixels, 256 samples each (1100 billion), about 8 h on 8 threads"},
    // No thread is taken as one.
    {"no_threads", {16384, 12288, 1, 0},
     "16384 x 12288 pixels, 1 sample each (201 million), about 40 s on 1 thread"},
};
// clang-format on

class LongRender : public ::testing::TestWithParam<LongRenderRow> {};

TEST_P(LongRender, IsAnnouncedInOneLine)
{
    EXPECT_EQ(cli::longRenderLine(GetParam().work), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Renders, LongRender, ::testing::ValuesIn(kLongRenders), byName);

}  // namespace
}  // namespace zentrel
