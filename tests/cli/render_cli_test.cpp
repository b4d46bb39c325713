// zentrel-render from the outside: command lines, exit statuses, messages and
// the picture files, read back and compared with the engine's own pictures.
//
// Exit statuses: 0 written, 1 the file could not be written, 2 a bad command
// line or nothing to draw, 3 the formulas failed (and no file is left).

#include <gtest/gtest.h>
#include <fcntl.h>
#include <png.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "engine/colour.h"
#include "engine/field_texts.h"
#include "engine/pattern_table.h"
#include "engine/render.h"

extern char** environ;

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using Args = std::vector<std::string>;

struct Result {
    int status = -1;
    std::string out;
    std::string err;

    std::string firstErrorLine() const { return err.substr(0, err.find('\n')); }
    int errorLines() const
    {
        int lines = 0;
        for (char c : err) lines += c == '\n';
        return lines;
    }
};

std::string quoted(const std::string& text)
{
    std::string q = "'";
    for (char c : text) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    q += '\'';
    return q;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string joined(const Args& args)
{
    std::string text;
    for (const auto& a : args) text += (text.empty() ? "" : " ") + a;
    return text;
}

// Each test gets a fresh directory: the renderer runs in work/, and its
// output streams are caught beside it, so work/ holds only what it wrote.
class RenderCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zentrel-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        work_ = root_ / "work";
        fs::create_directory(work_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(work_, fs::perms::owner_all, ignored);
        fs::remove_all(root_, ignored);
    }

    Result run(const Args& args) const
    {
        std::string command = "cd ";
        command += quoted(work_.string());
        command += " && ";
        command += quoted(ZENTREL_RENDER_BINARY);
        for (const auto& a : args) {
            command += ' ';
            command += quoted(a);
        }
        command += " >";
        command += quoted((root_ / "stdout").string());
        command += " 2>";
        command += quoted((root_ / "stderr").string());
        command += " </dev/null";
        const int raw = std::system(command.c_str());
        Result result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readFile(root_ / "stdout");
        result.err = readFile(root_ / "stderr");
        return result;
    }

    // The names in the working directory, sorted.
    std::vector<std::string> written() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(work_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root_;
    fs::path work_;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // row after row, three bytes a pixel
};

std::uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Checks the signature and the header chunk by hand, then decodes the pixels.
::testing::AssertionResult readPng(const fs::path& path, Image& image)
{
    const std::string bytes = readFile(path);
    const std::string signature = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 33 || bytes.compare(0, 8, signature) != 0)
        return ::testing::AssertionFailure() << path << " has no PNG signature";
    if (bytes.compare(12, 4, "IHDR") != 0)
        return ::testing::AssertionFailure() << path << " does not start with IHDR";
    image.width = static_cast<int>(bigEndian(bytes, 16));
    image.height = static_cast<int>(bigEndian(bytes, 20));

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()))
        return ::testing::AssertionFailure() << path << ": " << png.message;
    png.format = PNG_FORMAT_RGB;
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr))
        return ::testing::AssertionFailure() << path << ": " << png.message;
    if (static_cast<int>(png.width) != image.width || static_cast<int>(png.height) != image.height)
        return ::testing::AssertionFailure() << path << ": IHDR and decoder disagree";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult readPpm(const fs::path& path, Image& image)
{
    const std::string bytes = readFile(path);
    std::istringstream header(bytes);
    std::string magic;
    int maxValue = 0;
    header >> magic >> image.width >> image.height >> maxValue;
    if (!header || magic != "P6" || maxValue != 255)
        return ::testing::AssertionFailure() << path << " has no binary PPM header";
    const auto start = static_cast<std::size_t>(header.tellg()) + 1;  // one blank after 255
    const std::size_t size = static_cast<std::size_t>(image.width) * image.height * 3;
    if (bytes.size() != start + size)
        return ::testing::AssertionFailure()
               << path << " holds " << bytes.size() - start << " bytes of pixels, not " << size;
    image.rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    return ::testing::AssertionSuccess();
}

// Every pixel of the file against the engine's picture for the same fields.
::testing::AssertionResult samePicture(const Image& image, const Pattern& pattern,
                                       const FieldTexts& fields)
{
    const Outcome<Picture> picture = renderPicture(pattern, fields, 2);
    if (!picture) return ::testing::AssertionFailure() << picture.failure().message();
    const Picture& p = picture.value();
    if (p.width != image.width || p.height != image.height)
        return ::testing::AssertionFailure() << "file is " << image.width << " x " << image.height
                                             << ", picture " << p.width << " x " << p.height;
    for (int r = 0; r < p.height; ++r) {
        for (int c = 0; c < p.width; ++c) {
            const std::size_t at = (static_cast<std::size_t>(r) * p.width + c) * 3;
            const Colour colour = p.at(c, r);
            if (image.rgb[at] != redOf(colour) || image.rgb[at + 1] != greenOf(colour) ||
                image.rgb[at + 2] != blueOf(colour))
                return ::testing::AssertionFailure()
                       << "column " << c << ", row " << r << " is (" << int(image.rgb[at]) << ", "
                       << int(image.rgb[at + 1]) << ", " << int(image.rgb[at + 2])
                       << "), the picture has (" << redOf(colour) << ", " << greenOf(colour)
                       << ", " << blueOf(colour) << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

FieldTexts fields(std::string one, std::string two, std::string three, std::string four,
                  std::string five)
{
    return FieldTexts{std::move(one), std::move(two), std::move(three), std::move(four),
                      std::move(five)};
}

// ---------------------------------------------------------------------------
// Pictures written

TEST_F(RenderCli, WritesAPngThatIsThePicture)
{
    const Result r = run({"--pattern", "aqua", "--size", "40", "-o", "aqua.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), std::vector<std::string>{"aqua.png"});
    EXPECT_NE(r.out.find("aqua.png"), std::string::npos) << r.out;
    Image image;
    ASSERT_TRUE(readPng(work_ / "aqua.png", image));
    EXPECT_EQ(image.width, 40);
    EXPECT_EQ(image.height, 40);
    EXPECT_TRUE(samePicture(image, *findPattern("aqua"), fields("1", "1", "40", "1", "150")));
}

TEST_F(RenderCli, WritesAPpmThatIsThePicture)
{
    std::ofstream(work_ / "tang.ppm") << "an older file of that name";
    const Result r = run({"--pattern", "tang", "--x", "100", "--y", "100", "--bright", "200",
                       "--size", "33", "-o", "tang.ppm"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(written(), std::vector<std::string>{"tang.ppm"});
    Image image;
    ASSERT_TRUE(readPpm(work_ / "tang.ppm", image));
    EXPECT_EQ(image.width, 33);
    EXPECT_EQ(image.height, 33);
    EXPECT_TRUE(samePicture(image, *findPattern("tang"), fields("100", "100", "33", "1", "200")));
}

TEST_F(RenderCli, Size768IsTheLargePicture)
{
    const Result r =
        run({"--pattern", "aqua", "--size", "768", "--xoom", "0.15", "-o", "large.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    Image image;
    ASSERT_TRUE(readPng(work_ / "large.png", image));
    EXPECT_EQ(image.width, 1024);
    EXPECT_EQ(image.height, 768);
    EXPECT_TRUE(samePicture(image, *findPattern("aqua"), fields("1", "1", "768", "0.15", "150")));
}

TEST_F(RenderCli, OneThreadAndThreeThreadsWriteTheSameBytes)
{
    ASSERT_EQ(run({"--pattern", "quasi", "--size", "45", "--threads", "1", "-o", "one.ppm"}).status,
              0);
    ASSERT_EQ(
        run({"--pattern", "quasi", "--size", "45", "--threads", "3", "-o", "three.ppm"}).status,
        0);
    const std::string one = readFile(work_ / "one.ppm");
    EXPECT_FALSE(one.empty());
    EXPECT_TRUE(one == readFile(work_ / "three.ppm"));
}

// Each option reaches its own field: the file is the engine's picture for
// exactly these field texts.
struct FieldsCase {
    const char* name;
    Args args;
    const char* pattern;
    FieldTexts fields;
};

void PrintTo(const FieldsCase& c, std::ostream* os) { *os << c.name; }

class RenderCliFields : public RenderCli, public ::testing::WithParamInterface<FieldsCase> {};

TEST_P(RenderCliFields, PictureOfTheseFields)
{
    const FieldsCase& c = GetParam();
    Args args = c.args;
    args.insert(args.end(), {"-o", "picture.ppm"});
    const Result r = run(args);
    ASSERT_EQ(r.status, 0) << joined(args) << ": " << r.err;
    Image image;
    ASSERT_TRUE(readPpm(work_ / "picture.ppm", image));
    EXPECT_TRUE(samePicture(image, *findPattern(c.pattern), c.fields)) << joined(args);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RenderCliFields,
    ::testing::Values(
        FieldsCase{"start_fields", {"--pattern", "gall", "--size", "30"}, "gall",
                   fields("1", "1", "30", "1", "150")},
        FieldsCase{"every_field",
                   {"--pattern", "hari", "--x", "7.5", "--y", "-20", "--size", "25", "--xoom",
                    "0.2", "--bright", "90"},
                   "hari", fields("7.5", "-20", "25", "0.2", "90")},
        FieldsCase{"equals_form",
                   {"--pattern=oogli", "--x=3", "--y=4", "--size=21", "--xoom=2", "--bright=77"},
                   "oogli", fields("3", "4", "21", "2", "77")},
        FieldsCase{"routine_name", {"--pattern", "sizZle", "--size", "19"}, "shim",
                   fields("1", "1", "19", "1", "150")},
        // A value that starts with a minus sign is still a value.
        FieldsCase{"negative_values", {"--pattern", "riski", "--x", "-5", "--y", "-6", "--size",
                                       "17", "--bright", "-3"},
                   "riski", fields("-5", "-6", "17", "1", "-3")},
        // Texts are read like the window's fields: numeric beginning or 0.
        FieldsCase{"field_texts", {"--pattern", "crumbs", "--x", "12abc", "--y", "abc", "--size",
                                   "2 4", "--xoom", "&H1", "--bright", "1.5D2"},
                   "crumbs", fields("12abc", "abc", "2 4", "&H1", "1.5D2")},
        FieldsCase{"fractional_size", {"--pattern", "eels", "--size", "2.5"}, "eels",
                   fields("1", "1", "2.5", "1", "150")}));

// ---------------------------------------------------------------------------
// Bad command lines: status 2, the problem named on one line, nothing written

struct UsageCase {
    const char* name;
    Args args;
    const char* named;  // the problem, as it must appear in the message
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class RenderCliUsage : public RenderCli, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(RenderCliUsage, ExitsWithStatusTwo)
{
    const UsageCase& c = GetParam();
    const Result r = run(c.args);
    EXPECT_EQ(r.status, 2) << joined(c.args);
    const std::string line = r.firstErrorLine();
    EXPECT_EQ(line.rfind("zentrel-render: ", 0), 0u) << r.err;
    EXPECT_NE(line.find(c.named), std::string::npos)
        << "'" << c.named << "' is not named in: " << line;
    EXPECT_LE(r.errorLines(), 2) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(written().empty()) << written().front();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, RenderCliUsage,
    ::testing::Values(
        UsageCase{"unknown_option", {"--pattern", "aqua", "--zoom", "2", "-o", "x.png"}, "--zoom"},
        UsageCase{"unknown_option_first", {"--bogus", "--pattern", "aqua", "-o", "x.png"},
                  "--bogus"},
        UsageCase{"missing_value_at_the_end", {"--pattern", "aqua", "-o", "x.png", "--xoom"},
                  "--xoom"},
        UsageCase{"missing_output_value", {"--pattern", "aqua", "-o"}, "-o"},
        UsageCase{"unknown_pattern", {"--pattern", "zzz", "-o", "x.png"}, "zzz"},
        UsageCase{"pattern_names_are_exact", {"--pattern", "AQUA", "-o", "x.png"}, "AQUA"},
        UsageCase{"no_pattern", {"-o", "x.png"}, "--pattern"},
        UsageCase{"no_output", {"--pattern", "aqua"}, "-o"},
        UsageCase{"other_file_kind", {"--pattern", "aqua", "-o", "x.gif"}, "x.gif"},
        UsageCase{"no_threads", {"--pattern", "aqua", "--threads", "0", "-o", "x.png"},
                  "--threads"},
        UsageCase{"threads_in_words", {"--pattern", "aqua", "--threads", "many", "-o", "x.png"},
                  "many"},
        UsageCase{"threads_with_a_fraction",
                  {"--pattern", "aqua", "--threads", "2.5", "-o", "x.png"}, "2.5"}));

INSTANTIATE_TEST_SUITE_P(
    NothingToDraw, RenderCliUsage,
    ::testing::Values(
        UsageCase{"size_zero", {"--pattern", "aqua", "--size", "0", "-o", "x.png"}, "size"},
        UsageCase{"size_letters", {"--pattern", "aqua", "--size", "abc", "-o", "x.png"}, "size"},
        UsageCase{"size_negative", {"--pattern", "aqua", "--size", "-5", "-o", "x.ppm"}, "size"},
        UsageCase{"size_below_one", {"--pattern", "aqua", "--size", "0.5", "-o", "x.png"},
                  "size"},
        UsageCase{"size_beyond_the_largest",
                  {"--pattern", "aqua", "--size", "70000", "-o", "x.png"}, "70000"}));

// ---------------------------------------------------------------------------
// Files that cannot be written: status 1

TEST_F(RenderCli, AnUnwritablePathExitsWithStatusOne)
{
    const Result r = run({"--pattern", "aqua", "--size", "10", "-o", "/nonexistent/dir/x.png"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.firstErrorLine().find("/nonexistent/dir/x.png"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists("/nonexistent/dir/x.png"));
}

TEST_F(RenderCli, ADirectoryInTheWayExitsWithStatusOneAndLeavesNothing)
{
    fs::create_directory(work_ / "taken.png");
    const Result r = run({"--pattern", "aqua", "--size", "10", "-o", "taken.png"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.firstErrorLine().find("taken.png"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_directory(work_ / "taken.png"));
    EXPECT_EQ(written(), std::vector<std::string>{"taken.png"});
}

TEST_F(RenderCli, AReadOnlyDirectoryExitsWithStatusOne)
{
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop the superuser";
    fs::permissions(work_, fs::perms::owner_read | fs::perms::owner_exec);
    const Result r = run({"--pattern", "aqua", "--size", "10", "-o", "x.png"});
    EXPECT_EQ(r.status, 1) << r.err;
}

// ---------------------------------------------------------------------------
// Formula failures: status 3, the engine's failure, and no file at all

struct FailureCase {
    const char* name;
    const char* pattern;
    FieldTexts fields;
    const char* output;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class RenderCliFailure : public RenderCli, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RenderCliFailure, ExitsWithStatusThreeAndLeavesNoFile)
{
    const FailureCase& c = GetParam();
    const Outcome<Picture> engine = renderPicture(*findPattern(c.pattern), c.fields, 2);
    ASSERT_FALSE(engine.ok()) << "the engine draws this picture";

    const Result r = run({"--pattern", c.pattern, "--x", c.fields.one, "--y", c.fields.two,
                       "--size", c.fields.three, "--xoom", c.fields.four, "--bright",
                       c.fields.five, "-o", c.output});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.firstErrorLine(), "zentrel-render: " + engine.failure().message());
    // Neither the picture nor its temporary ("name.partial-pid") is left.
    EXPECT_TRUE(written().empty()) << written().front();
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, RenderCliFailure,
    ::testing::Values(
        // Fail in the first column, after the file was opened.
        FailureCase{"aqua_enormous_xoom", "aqua", fields("1", "1", "150", "1e300", "150"),
                    "f.png"},
        FailureCase{"aqua_enormous_xoom_ppm", "aqua", fields("1", "1", "150", "1e300", "150"),
                    "f.ppm"},
        FailureCase{"quasi_enormous_xoom", "quasi", fields("1", "1", "150", "1e155", "150"),
                    "f.png"},
        // Fails at x = 3, y = 34: two good columns are computed first.
        FailureCase{"riski_product_of_angles", "riski", fields("0", "0", "40", "8.511e154", "150"),
                    "f.png"},
        // Fails before any file is opened.
        FailureCase{"pug_doubled_brightness", "pug", fields("1", "1", "150", "1", "1e308"),
                    "f.png"},
        FailureCase{"xoom_beyond_the_range", "fey", fields("1", "1", "150", "1e999", "150"),
                    "f.png"},
        FailureCase{"position_too_large", "aqua", fields("1e16", "1", "10", "1", "150"),
                    "f.png"},
        // A picture too big for one band of rows: x * y > 2050 overflows, so
        // the first column fails only at row 2049 of 2100, while later columns
        // fail in rows near the top. The window's sweep, column by column,
        // meets x = 1, y = 2049 first, and the renderer must name that pixel.
        FailureCase{"riski_failing_below_the_first_band", "riski",
                    fields("0", "0", "2100", "1.885e154", "150"), "f.ppm"}));

TEST_F(RenderCli, AFailedRenderLeavesAnEarlierFileOfThatNameAlone)
{
    std::ofstream(work_ / "keep.png") << "an earlier picture";
    const Result r = run({"--pattern", "aqua", "--xoom", "1e300", "-o", "keep.png"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(readFile(work_ / "keep.png"), "an earlier picture");
    EXPECT_EQ(written(), std::vector<std::string>{"keep.png"});
}

TEST_F(RenderCli, AnInterruptedRenderLeavesNoTemporaryFile)
{
    // A render of many seconds, stopped with Ctrl-C once its file is open.
    const std::string output = (work_ / "slow.png").string();
    std::vector<std::string> args = {ZENTREL_RENDER_BINARY, "--pattern", "aqua", "--size",
                                     "6000", "--threads", "1", "-o", output};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(spawned, 0);

    bool started = false;
    for (int wait = 0; wait < 1000 && !started; ++wait) {
        started = !written().empty();
        if (!started) usleep(10000);
    }
    kill(pid, SIGINT);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(started) << "the render never opened its file";
    EXPECT_TRUE(written().empty()) << written().front() << " is left behind";
}

// ---------------------------------------------------------------------------
// Help

std::vector<std::string> helpOptions()
{
    return {"--pattern", "--x", "--y", "--size", "--xoom", "--bright", "--threads", "-o", "--help"};
}

TEST_F(RenderCli, HelpMentionsEveryOptionAndPattern)
{
    const Result r = run({"--help"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    for (const std::string& option : helpOptions())
        EXPECT_NE(r.out.find(option + " "), std::string::npos) << option << " is not in the help";
    for (const Pattern* p : patternTable()) {
        EXPECT_NE(r.out.find(std::string(p->caption)), std::string::npos) << p->caption;
        EXPECT_NE(r.out.find(std::string(p->routine)), std::string::npos) << p->routine;
    }
    EXPECT_TRUE(written().empty());
}

TEST_F(RenderCli, HelpWinsOverEverythingElse)
{
    const Result r = run({"--pattern", "aqua", "-o", "x.png", "--help"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("--pattern"), std::string::npos);
    EXPECT_TRUE(written().empty());
}

TEST_F(RenderCli, EveryOptionTheHelpNamesIsAccepted)
{
    // An option the help names but the parser refuses would make the help
    // lie; each one is given a value that is fine for it.
    const Result r = run({"--pattern", "aqua", "--x", "2", "--y", "3", "--size", "12", "--xoom", "1",
                       "--bright", "100", "--threads", "2", "-o", "all.png"});
    EXPECT_EQ(r.status, 0) << r.err;
    // And the options listed when one is unknown are exactly those of the help.
    const Result unknown = run({"--nope"});
    for (const std::string& option : helpOptions())
        EXPECT_NE(unknown.err.find(option), std::string::npos)
            << option << " is not listed in: " << unknown.err;
}

}  // namespace
}  // namespace zentrel
