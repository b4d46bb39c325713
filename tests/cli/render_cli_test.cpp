// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render from the outside: command lines, exit statuses, messages and
// the picture files, read back and compared with the engine's own pictures.
//
// Exit statuses: 0 written, 1 the file could not be written, 2 a bad command
// line (a field that cannot become a usable number among them) or nothing to
// draw, 3 the formulas failed while drawing (and no file is left).

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/failure_text.h"
#include "engine/colour.h"
#include "engine/field_texts.h"
#include "engine/render.h"
#include "patterns/pattern_table.h"
#include "picture/picture_formats.h"
#include "picture/picture_view.h"
#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using test::Args;
using test::byName;
using test::F;
using test::kOlderFile;
using test::NamedRow;
using test::Names;
using test::readFile;
using test::readPicture;
using test::Result;
using RenderCli = test::RenderProcess;

::testing::AssertionResult isThePicture(const fs::path& path, const Picture& expected)
{
    const auto picture = readPicture(path);
    if (!picture) return ::testing::AssertionFailure() << "cannot read " << path;
    return test::samePicture(*picture, expected);
}

// ---------------------------------------------------------------------------
// Pictures written: status 0, the file in place of an older one of that name,
// pixel for pixel the engine's picture of exactly these field texts.

struct WrittenRow : NamedRow {
    Args args;
    const char* pattern;
    FieldTexts fields;
    const char* output;
    int width, height;
    Sampling sampling = {};
};

// The longest file name the system allows, 255 bytes, and one byte more.
const std::string kLongestName = std::string(251, 'n') + ".png";
const std::string kTooLongName = "n" + kLongestName;

// clang-format off
const WrittenRow kWritten[] = {
    {"large_picture", {"--pattern", "aqua", "--size", "768", "--xoom", "0.15", "-o", "big.png"},
     "aqua", F("1", "1", "768", "0.15"), "big.png", 1024, 768},
    {"ppm_every_field_three_threads",
     {"--pattern", "hari", "--x", "7.5", "--y", "-20", "--size", "25", "--xoom", "0.2", "--bright",
      "90", "--threads", "3", "--output", "hari.ppm"},
     "hari", F("7.5", "-20", "25", "0.2", "90"), "hari.ppm", 25, 25},
    // The pattern by its routine's name, in any letter case.
    {"equals_form_one_thread",
     {"--pattern=SIZZLE", "--x=3", "--y=4", "--size=21", "--xoom=2", "--bright=77", "--threads=1",
      "--output=shim.png"},
     "shim", F("3", "4", "21", "2", "77"), "shim.png", 21, 21},
    // Texts are read like the window's fields: the numeric beginning, or 0. A
    // value that starts with a minus sign is still a value.
    {"field_texts",
     {"--pattern", "crumbs", "--x", "-12abc", "--y", "abc", "--size", "2 4", "--xoom", "&H1",
      "--bright", "1.5D2", "-o", "crumbs.ppm"},
     "crumbs", F("-12abc", "abc", "2 4", "&H1", "1.5D2"), "crumbs.ppm", 24, 24},
    {"fractional_size", {"--pattern", "eels", "--size", "2.5", "-o", "eels.png"}, "eels",
     F("1", "1", "2.5"), "eels.png", 2, 2},
    // The format by the name's ending in any letter case, or by --format.
    {"ending_in_capitals", {"--pattern", "aqua", "--size", "20", "-o", "BIG.PNG"}, "aqua",
     F("1", "1", "20"), "BIG.PNG", 20, 20},
    {"format_by_name", {"--pattern", "aqua", "--size", "20", "--format", "ppm", "-o", "big.img"},
     "aqua", F("1", "1", "20"), "big.img", 20, 20},
    {"longest_name", {"--pattern", "aqua", "--size", "20", "-o", kLongestName}, "aqua",
     F("1", "1", "20"), kLongestName.c_str(), 20, 20},
    // The same view with more pixels, and a width of its own.
    {"density_and_width",
     {"--pattern", "louis", "--height", "20", "--width", "30", "--density", "3", "-o", "l.png"},
     "louis", F("1", "1", "20"), "l.png", 90, 60, Sampling{3, 30}},
};
// clang-format on

class RenderCliWrites : public RenderCli, public ::testing::WithParamInterface<WrittenRow> {};

TEST_P(RenderCliWrites, ThePictureOfTheseFields)
{
    const WrittenRow& row = GetParam();
    placeOlderFile(row.output);
    const Result r = run(row.args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), Names{row.output});
    EXPECT_NE(r.out.find(row.output), std::string::npos) << r.out;
    const Outcome<Picture> picture =
        renderPicture(*findPattern(row.pattern), row.fields, 2, row.sampling);
    ASSERT_TRUE(picture.ok()) << picture.failure().message();
    EXPECT_EQ(std::pair(picture.value().width, picture.value().height),
              std::pair(row.width, row.height));
    EXPECT_TRUE(isThePicture(work_ / row.output, picture.value()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, RenderCliWrites, ::testing::ValuesIn(kWritten), byName);

// ---------------------------------------------------------------------------
// Refused: status 2 for a bad command line or nothing to draw, status 1 for a
// file that cannot be written; the problem named on one line, nothing left.

const Names kOptions = {
    "--pattern", "--all",    "--x",       "--y",           "--size",   "--height", "--width",
    "--xoom",    "--bright", "--density", "--supersample", "--depth",  "--from",   "--format",
    "--threads", "-o",       "--output",  "--help",        "--version"};

struct RefusedRow : NamedRow {
    Args args;
    int status;
    Names named;                      // as they must appear in the message
    const char* directory = nullptr;  // in the way of the output
};

// clang-format off
const RefusedRow kRefused[] = {
    {"unknown_option", {"--pattern", "aqua", "--zoom", "2", "-o", "x.png"}, 2, {"--zoom"}},
    // The options listed are exactly those of the help.
    {"unknown_option_alone", {"--nope"}, 2, kOptions},
    {"missing_value", {"--pattern", "aqua", "-o", "x.png", "--xoom"}, 2, {"--xoom"}},
    {"unknown_pattern", {"--pattern", "zzz", "-o", "x.png"}, 2, {"zzz"}},
    // A word near a known one is taken for a slip of the keys.
    {"misspelt_option", {"--patern", "aqua", "-o", "x.png"}, 2,
     {"zentrel-render: there is no option --patern; did you mean --pattern?\n"}},
    {"misspelt_option_with_its_value", {"--pattern", "aqua", "--xom=2", "-o", "x.png"}, 2,
     {"there is no option --xom; did you mean --xoom?"}},
    {"misspelt_pattern", {"--pattern", "aqau", "-o", "x.png"}, 2,
     {"there is no pattern \"aqau\"; did you mean aqua?"}},
    {"misspelt_routine", {"--pattern", "sizle", "-o", "x.png"}, 2, {"did you mean sizZle?"}},
    {"no_pattern", {"-o", "x.png"}, 2, {"--pattern"}},
    {"no_output", {"--pattern", "aqua"}, 2, {"-o"}},
    {"other_file_kind", {"--pattern", "aqua", "-o", "x.gif"}, 2, {"x.gif", "--format"}},
    {"unknown_format", {"--pattern", "aqua", "--format", "gif", "-o", "x.png"}, 2,
     {"gif", "png", "ppm"}},
    {"no_threads", {"--pattern", "aqua", "--threads", "0", "-o", "x.png"}, 2, {"--threads"}},
    {"threads_in_words", {"--pattern", "aqua", "--threads", "many", "-o", "x.png"}, 2, {"many"}},
    {"threads_with_a_fraction", {"--pattern", "aqua", "--threads", "2.5", "-o", "x.png"}, 2,
     {"2.5"}},
    {"size_below_one", {"--pattern", "aqua", "--size", "0.5", "-o", "x.png"}, 2, {"--size"}},
    {"size_beyond_the_largest", {"--pattern", "aqua", "--size", "70000", "-o", "x.png"}, 2,
     {"--size \"70000\"", "65536"}},
    {"size_in_words", {"--pattern", "aqua", "--size", "abc", "-o", "x.png"}, 2,
     {"--size \"abc\" is not a number"}},
    {"poster_beyond_the_largest", {"--pattern", "aqua", "--size", "768", "--density", "65", "-o", "x.png"},
     2, {"66560 x 49920", "--density"}},
    // Far beyond: refused as a poster too large, not as a size.
    {"poster_far_beyond_the_largest",
     {"--pattern", "aqua", "--size", "768", "--density", "256", "--supersample", "16", "-o", "x.png"},
     2, {"the picture would be 262144 x 196608 pixels", "give a smaller --density or --size"}},
    {"fractional_density", {"--pattern", "aqua", "--density", "1.5", "-o", "x.png"}, 2,
     {"--density", "1.5"}},
    {"all_without_a_template", {"--all", "-o", "x.png"}, 2, {"{pattern}"}},
    {"from_no_picture", {"--from", "nothing.png", "-o", "x.png"}, 2, {"--from", "nothing.png"}},
    {"missing_directory", {"--pattern", "aqua", "--size", "10", "-o", "/nonexistent/dir/x.png"},
     1, {"/nonexistent/dir/x.png"}},
    {"name_beyond_the_system_limit", {"--pattern", "aqua", "--size", "10", "-o", kTooLongName}, 1,
     {"File name too long"}},
    // The picture is written; only giving it its name fails.
    {"directory_in_the_way", {"--pattern", "aqua", "--size", "10", "-o", "taken.png"}, 1,
     {"taken.png"}, "taken.png"},
};
// clang-format on

class RenderCliRefuses : public RenderCli, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RenderCliRefuses, NamingTheProblemOnOneLine)
{
    const RefusedRow& row = GetParam();
    if (row.directory) fs::create_directory(work_ / row.directory);
    const Result r = run(row.args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.err.rfind("zentrel-render: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "not one line: " << r.err;
    for (const std::string& named : row.named)
        EXPECT_NE(r.err.find(named), std::string::npos) << named << " is not in: " << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(written(), row.directory ? Names{row.directory} : Names{});
    EXPECT_TRUE(!row.directory || fs::is_directory(work_ / row.directory));
}

INSTANTIATE_TEST_SUITE_P(CommandLine, RenderCliRefuses, ::testing::ValuesIn(kRefused), byName);

// ---------------------------------------------------------------------------
// Formula failures: status 3 and the engine's failure in the renderer's
// words, status 2 where a field cannot become a usable number; an older file
// of that name is left as it was, and nothing else remains.

struct FailureRow : NamedRow {
    const char* pattern;
    FieldTexts fields;
    const char* output;
    int status = 3;
};

// clang-format off
const FailureRow kFailures[] = {
    // In the first column, after the file was opened.
    {"enormous_xoom", "aqua", F("1", "1", "150", "1e300"), "f.png"},
    // At x = 3, y = 34: two good columns are computed first.
    {"after_two_columns", "riski", F("0", "0", "40", "8.511e154"), "f.ppm"},
    // Before any file is opened.
    {"in_the_snapshot", "pug", F("1", "1", "150", "1", "1e308"), "f.png", 2},
    {"position_too_large", "aqua", F("1e16", "1", "10"), "f.png", 2},
    // Too big for one band of rows: x * y > 2050 overflows, so the first
    // column fails only at row 2049 of 2100, while later columns fail in rows
    // near the top. The sweep, column by column, meets x = 1, y = 2049 first.
    {"below_the_first_band", "riski", F("0", "0", "2100", "1.885e154"), "f.ppm"},
    // The first band fails in its second column; the first fails at row 809.
    {"below_the_first_band_one_column_left", "riski", F("0", "0", "2100", "3e154"), "f.ppm"},
};
// clang-format on

class RenderCliFailure : public RenderCli, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(RenderCliFailure, ExitsWithItsStatusAndLeavesNoFile)
{
    const FailureRow& row = GetParam();
    const Outcome<Picture> engine = renderPicture(*findPattern(row.pattern), row.fields, 2);
    ASSERT_FALSE(engine.ok()) << "the engine draws this picture";
    placeOlderFile(row.output);
    const Result r = run({"--pattern", row.pattern, "--x", row.fields.across, "--y",
                          row.fields.down, "--size", row.fields.size, "--xoom", row.fields.xoom,
                          "--bright", row.fields.brightness, "-o", row.output});
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_EQ(r.err, "zentrel-render: " + cli::failureText(engine.failure()) + "\n");
    EXPECT_EQ(written(), Names{row.output});
    EXPECT_EQ(readFile(work_ / row.output), kOlderFile);
}

INSTANTIATE_TEST_SUITE_P(Formulas, RenderCliFailure, ::testing::ValuesIn(kFailures), byName);

TEST_F(RenderCli, AllPatternsOfOneViewEachToItsFile)
{
    const Result r = run({"--all", "--size", "12", "--xoom", "0.3", "-o", "all-{pattern}.ppm"});
    ASSERT_EQ(r.status, 0) << r.err;
    Names expected;
    for (const Pattern* p : patternTable())
        expected.push_back("all-" + std::string(p->caption) + ".ppm");
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(written(), expected);
    for (const Pattern* p : patternTable()) {
        const auto picture = renderPicture(*p, F("1", "1", "12", "0.3"));
        EXPECT_TRUE(
            isThePicture(work_ / ("all-" + std::string(p->caption) + ".ppm"), picture.value()))
            << p->caption;
    }
}

TEST_F(RenderCli, FromAPictureWithOptionsThatOverrideItsView)
{
    ASSERT_EQ(run({"--pattern", "hari", "--x", "7.5", "--y", "it's 3", "--size", "20", "--density",
                   "2", "-o", "first.png"})
                  .status,
              0);
    // The other options win, in whichever place they stand.
    const Result r =
        run({"--size", "10", "--from", "first.png", "--supersample", "2", "-o", "second.ppm"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("second.ppm: 20 x 20, hari"), std::string::npos) << r.out;
    const Outcome<View> view = viewOfPicture((work_ / "second.ppm").string());
    ASSERT_TRUE(view.ok()) << view.failure().message();
    EXPECT_EQ(recipeOf(view.value()),
              "--pattern hari --x 7.5 --y 'it'\\''s 3' --size 10 --xoom 1 --bright 150 "
              "--density 2 --supersample 2");
}

TEST_F(RenderCli, VersionIsTheProgramsNameAndVersion)
{
    const Result r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "zentrel-render " ZENTREL_VERSION "\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(RenderCli, FieldsReadInPartAreNotedAndDrawnAsTheyRead)
{
    const Result r =
        run({"--pattern", "aqua", "--size", "20x10", "--xoom", "0,15", "-o", "partly.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "zentrel-render: note: --size \"20x10\" reads as 20\n"
              "zentrel-render: note: --xoom \"0,15\" reads as 0\n");
    EXPECT_NE(r.out.find("partly.png: 20 x 20, aqua"), std::string::npos) << r.out;
    // A view taken up again is read as it was: a text in part once more,
    // a number given now as it is.
    const Result from = run({"--from", "partly.png", "--xoom", " 0.5 ", "-o", "again.png"});
    EXPECT_EQ(from.status, 0) << from.err;
    EXPECT_EQ(from.err, "zentrel-render: note: --size \"20x10\" reads as 20\n");
}

TEST_F(RenderCli, ALongRenderIsAnnouncedBeforeItStarts)
{
    const pid_t pid = start({"--pattern", "aqua", "--size", "768", "--density", "16",
                             "--supersample", "4", "--threads", "2", "-o", "poster.png"});
    const std::string announced =
        "zentrel-render: 16384 x 12288 pixels, 16 samples each (3.2 billion), about";
    std::string err;
    for (int wait = 0; wait < 1000 && err.find('\n') == std::string::npos; ++wait) {
        usleep(10000);
        err = readFile(root_ / "stderr");
    }
    kill(pid, SIGINT);
    const Result r = finish(pid);
    EXPECT_EQ(err.rfind(announced, 0), 0u) << err;
    EXPECT_NE(err.find(" on 2 threads\n"), std::string::npos) << err;
    EXPECT_EQ(r.signal, SIGINT) << r.err;
    EXPECT_EQ(written(), Names{});

    // A short one is not.
    EXPECT_EQ(run({"--pattern", "aqua", "--size", "768", "-o", "short.png"}).err, "");
}

TEST_F(RenderCli, DepthSixteenIsInTheFileAndItsViewUntilAnotherDepthIsAsked)
{
    ASSERT_EQ(run({"--pattern", "aqua", "--size", "8", "--depth", "16", "-o", "deep.png"}).status,
              0);
    // The image header's bit depth, after the signature, length, type and size.
    EXPECT_EQ(test::readFile(work_ / "deep.png").at(24), 16);
    const Result kept = run({"--from", "deep.png", "--supersample", "2", "-o", "deep.ppm"});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(test::readFile(work_ / "deep.ppm").find("\n8 8\n65535\n"), std::string::npos);
    ASSERT_EQ(run({"--from", "deep.ppm", "--depth", "8", "-o", "plain.png"}).status, 0);
    const Outcome<View> plain = viewOfPicture((work_ / "plain.png").string());
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(recipeOf(plain.value()),
              "--pattern aqua --x 1 --y 1 --size 8 --xoom 1 --bright 150 --supersample 2");
    EXPECT_EQ(run({"--pattern", "aqua", "--depth", "32", "-o", "x.png"}).status, 2);
}

TEST_F(RenderCli, HelpNamesEveryOptionPatternAndFormatAndWinsOverEverythingElse)
{
    for (const Args& args :
         {Args{"--help"}, Args{"-h"}, Args{"--pattern", "aqua", "-o", "x.png", "--help"}}) {
        SCOPED_TRACE(args.front());
        const Result r = run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        for (const std::string& option : kOptions)
            EXPECT_NE(r.out.find(option + " "), std::string::npos) << option;
        for (const Pattern* p : patternTable()) {
            EXPECT_NE(r.out.find(p->caption), std::string::npos) << p->caption;
            EXPECT_NE(r.out.find(p->routine), std::string::npos) << p->routine;
        }
        for (const PictureFormat& format : pictureFiles().rows())
            EXPECT_NE(r.out.find(format.name + " for " + format.description), std::string::npos)
                << format.name;
        EXPECT_EQ(written(), Names{});
        // Every line fits a terminal, the list of patterns too.
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
    }
}

}  // namespace
}  // namespace zentrel
