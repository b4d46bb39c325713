// SPDX-License-Identifier: GPL-3.0-or-later
// What zentrel does before its window opens: --help and --version without a
// desktop, one line and status 2 where there is no desktop, and a window on
// every platform that needs none. The decision row by row, then the program
// itself run with chosen environments.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/start_up.h"
#include "support.h"

namespace zentrel {
namespace {

using app::WindowSystem;
using test::byName;
using test::NamedRow;

// ---------------------------------------------------------------------------
// Whether a window can open, by what the environment offers

struct DesktopRow : NamedRow {
    WindowSystem here;
    bool opens;
};

// clang-format off
const DesktopRow kDesktops[] = {
    {"nothing", {"", "", ""}, false},
    {"x_display", {":0", "", ""}, true},
    {"wayland_session", {"", "wayland-0", ""}, true},
    {"offscreen", {"", "", "offscreen"}, true},
    {"offscreen_with_options", {"", "", "offscreen:fontengine=freetype"}, true},
    {"minimal", {"", "", "minimal"}, true},
    {"vnc", {"", "", "vnc"}, true},
    {"xcb_without_display", {"", "wayland-0", "xcb"}, false},
    {"xcb_with_display", {":1", "", "xcb"}, true},
    {"wayland_without_session", {":0", "", "wayland"}, false},
    {"wayland_egl_with_session", {"", "wayland-1", "wayland-egl"}, true},
    {"list_with_one_that_works", {":0", "", "wayland;xcb"}, true},
    {"list_with_none_that_works", {"", "", "wayland;xcb"}, false},
};
// clang-format on

class CanOpenWindow : public ::testing::TestWithParam<DesktopRow> {};

TEST_P(CanOpenWindow, OnlyWhereThePlatformFindsItsDesktop)
{
    EXPECT_EQ(app::canOpenWindow(GetParam().here), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(Environments, CanOpenWindow, ::testing::ValuesIn(kDesktops), byName);

TEST(WindowSystemHere, ToolkitOptionsWinOverTheEnvironment)
{
    setenv("DISPLAY", ":5", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const WindowSystem fromEnvironment = app::windowSystemHere({});
    EXPECT_EQ(fromEnvironment.display, ":5");
    EXPECT_EQ(fromEnvironment.platform, "xcb");
    const WindowSystem fromOptions =
        app::windowSystemHere({"-platform", "offscreen", "--display", ":7"});
    EXPECT_EQ(fromOptions.display, ":7");
    EXPECT_EQ(fromOptions.platform, "offscreen");
}

TEST(EndBeforeTheWindow, HelpAndVersionNeedNoDesktopAndWinOverIt)
{
    const WindowSystem none{};
    for (const char* help : {"--help", "-h"}) {
        const auto end = app::endBeforeTheWindow({"-style", "Fusion", help}, none);
        ASSERT_TRUE(end.has_value()) << help;
        EXPECT_EQ(end->status, 0);
        EXPECT_EQ(end->out, app::helpText());
        EXPECT_EQ(end->err, "");
    }
    const auto version = app::endBeforeTheWindow({"--version"}, none);
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->status, 0);
    EXPECT_EQ(version->out, "zentrel " ZENTREL_VERSION "\n");
    EXPECT_FALSE(app::endBeforeTheWindow({"-style", "Fusion"}, {":0", "", ""}).has_value());
}

// What is ours, what is the toolkit's, and what is a picture to open.
struct ArgumentsRow : NamedRow {
    std::vector<std::string> args;
    std::optional<std::string> refused;  // the option named in the refusal
    std::vector<std::string> pictures;
};

// clang-format off
const ArgumentsRow kArguments[] = {
    {"nothing", {}, std::nullopt, {}},
    {"one_picture", {"a.png"}, std::nullopt, {"a.png"}},
    {"toolkit_values_are_no_pictures", {"-platform", "offscreen", "-style=Fusion", "--display", ":3", "b.ppm"}, std::nullopt, {"b.ppm"}},
    {"toolkit_flag", {"-reverse", "c.png"}, std::nullopt, {"c.png"}},
    {"unknown_long_option", {"--bogus"}, "--bogus", {}},
    {"unknown_short_option", {"a.png", "-x"}, "-x", {"a.png"}},
    {"after_double_dash_all_pictures", {"--", "-odd.png", "e.png"}, std::nullopt, {"-odd.png", "e.png"}},
    {"lone_dash_is_a_name", {"-"}, std::nullopt, {"-"}},
};
// clang-format on

class Arguments : public ::testing::TestWithParam<ArgumentsRow> {};

TEST_P(Arguments, AreOursTheToolkitsOrPictures)
{
    const ArgumentsRow& row = GetParam();
    EXPECT_EQ(app::picturesToOpen(row.args), row.pictures);
    const auto end = app::endBeforeTheWindow(row.args, {":0", "", ""});
    ASSERT_EQ(end.has_value(), row.refused.has_value());
    if (!end) return;
    EXPECT_EQ(end->status, 2);
    EXPECT_NE(end->err.find(*row.refused), std::string::npos) << end->err;
    EXPECT_EQ(end->err.find('\n'), end->err.size() - 1) << "not one line: " << end->err;
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Arguments, ::testing::ValuesIn(kArguments), byName);

// ---------------------------------------------------------------------------
// The program itself

struct Started {
    bool ended = false;  // false: still running when it was stopped
    int status = -1;
    std::string out, err;
};

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs zentrel with these arguments and nothing in its environment but PATH
// and the variables given; stops it if it still runs after the wait.
Started runZentrel(const std::vector<std::string>& args, const std::vector<std::string>& variables,
                   std::chrono::milliseconds wait)
{
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("zentrel-start-" + std::to_string(getpid()));
    std::vector<std::string> argv = {ZENTREL_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = {"PATH=/usr/bin:/bin"};
    env.insert(env.end(), variables.begin(), variables.end());
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> p;
        for (std::string& t : texts) p.push_back(t.data());
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argp = pointers(argv), envp = pointers(env);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string outFile = out.string() + ".out", errFile = out.string() + ".err";
    constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, outFile.c_str(), kWrite, 0600);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errFile.c_str(), kWrite, 0600);
    pid_t pid = 0;
    Started run;
    if (posix_spawn(&pid, argp[0], &files, nullptr, argp.data(), envp.data()) != 0) return run;
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!(run.ended = waitpid(pid, &status, WNOHANG) == pid) &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!run.ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

constexpr std::chrono::seconds kAnswer{20};  // time enough to answer and end
// A program that has not ended by then has opened its window.
constexpr std::chrono::milliseconds kWindowOpen{1500};

TEST(ZentrelStarted, WithoutADesktopSaysSoInOneLineWithStatusTwo)
{
    for (const std::vector<std::string>& variables :
         {std::vector<std::string>{}, {"QT_QPA_PLATFORM=xcb"}, {"WAYLAND_DISPLAY="}}) {
        SCOPED_TRACE(variables.empty() ? "no variables" : variables.front());
        const Started run = runZentrel({}, variables, kAnswer);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("zentrel: there is no desktop", 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
        EXPECT_NE(run.err.find("zentrel-render"), std::string::npos) << run.err;
    }
}

TEST(ZentrelStarted, WithoutADesktopAnswersHelpAndVersion)
{
    const Started version = runZentrel({"--version"}, {}, kAnswer);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zentrel " ZENTREL_VERSION "\n");
    EXPECT_EQ(version.err, "");
    const Started help = runZentrel({"--help"}, {}, kAnswer);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, app::helpText());
    EXPECT_EQ(help.err, "");
}

// A display that is named but does not answer: one line and status 2, not
// the toolkit's many lines and abort.
TEST(ZentrelStarted, OnADisplayThatDoesNotAnswerSaysSoInOneLine)
{
    const Started run = runZentrel({}, {"DISPLAY=:87", "QT_QPA_PLATFORM=xcb"}, kAnswer);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("zentrel: cannot open the window: the X display :87"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
}

// The offscreen platform needs no desktop: the window opens and the program
// runs until it is stopped.
TEST(ZentrelStarted, OnTheOffscreenPlatformOpensItsWindow)
{
    const Started byVariable = runZentrel({}, {"QT_QPA_PLATFORM=offscreen"}, kWindowOpen);
    EXPECT_FALSE(byVariable.ended) << "status " << byVariable.status << ": " << byVariable.err;
    const Started byOption = runZentrel({"-platform", "offscreen"}, {}, kWindowOpen);
    EXPECT_FALSE(byOption.ended) << "status " << byOption.status << ": " << byOption.err;
}

// Below a scale factor of 1 the toolkit loses captions and picture columns:
// such a factor is asked as 1; any other is left as given.
TEST(ScaleFactor, BelowOneIsAskedAsOne)
{
    // clang-format off
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {nullptr, std::nullopt}, {"", std::nullopt},     {"0.75", "1"},
        {"0.5", "1"},            {"1", std::nullopt},    {"1.5", std::nullopt},
        {"2", std::nullopt},     {"big", std::nullopt},
    };
    // clang-format on
    for (const auto& [given, used] : rows)
        EXPECT_EQ(app::scaleFactorToUse(given), used) << (given ? given : "(unset)");
}

}  // namespace
}  // namespace zentrel
