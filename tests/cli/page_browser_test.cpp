// SPDX-License-Identifier: GPL-3.0-or-later
// A zoomable page opened in a real browser, headless Chromium: opened two
// levels deep by its address, its tiles load without an error, the screen
// shows their pixels, and the command its "copy view" gives draws the part
// on screen. Skipped where Chromium is not installed.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "render_process.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using test::Args;
using test::readFile;
using test::readPicture;
using test::Result;

constexpr const char* kBrowser = "/usr/bin/chromium";
constexpr int kScreen = 512;

// The page's view: 300 x 300 at level 0, 1200 x 1200 at level 2.
const Args kView = {"--pattern", "aqua", "--size", "300", "--xoom", "0.5"};
// Level 2, the middle of the screen on pixel (150, 150) of level 0: pixel
// (600, 600) of level 2.
constexpr const char* kPlace = "#2/150/150";
constexpr int kMiddle = 600;

Picture cropOf(const Picture& picture, int left, int top, int width, int height)
{
    Picture crop{width, height, {}};
    for (int c = left; c < left + width; ++c)
        for (int r = top; r < top + height; ++r) crop.colours.push_back(picture.at(c, r));
    return crop;
}

// The text of the element of that id in a dumped page, if it has one.
std::optional<std::string> elementText(const std::string& dom, const std::string& id)
{
    const std::regex element("id=\"" + id + "\"[^>]*>([^<]*)<");
    std::smatch match;
    if (!std::regex_search(dom, match, element)) return std::nullopt;
    return match[1].str();
}

class PageInBrowser : public test::RenderProcess {
protected:
    void SetUp() override
    {
        if (!fs::exists(kBrowser)) GTEST_SKIP() << "Chromium is not installed (" << kBrowser << ")";
        RenderProcess::SetUp();
        Args args = kView;
        args.insert(args.end(), {"--tiles", "page", "--levels", "2"});
        const Result r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
    }

    // Chromium on the page at the place, its standard error kept in log;
    // what it prints is returned.
    std::string browse(const std::string& what) const
    {
        const fs::path profile = root_ / "profile";
        fs::remove_all(profile);
        const std::string command =
            std::string("timeout 45 ") + kBrowser +
            " --headless --no-sandbox --disable-gpu --disable-background-networking"
            " --disable-component-update --no-first-run --force-device-scale-factor=1"
            " --force-color-profile=srgb --hide-scrollbars --enable-logging=stderr"
            " --user-data-dir=" +
            profile.string() + " --window-size=" + std::to_string(kScreen) + "," +
            std::to_string(kScreen) + " --virtual-time-budget=5000 " + what + " 'file://" +
            (work_ / "page").string() + "/index.html" + kPlace + "' 2>" + (root_ / "log").string();
        std::string out;
        if (std::FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
                out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    }

    // The page's console messages in the browser's log.
    std::string consoleLines() const
    {
        std::istringstream log(readFile(root_ / "log"));
        std::string lines;
        for (std::string line; std::getline(log, line);)
            if (line.find("CONSOLE") != std::string::npos) lines += line + "\n";
        return lines;
    }

    // The poster of level 2, whose crops the tiles are.
    Picture deepestPoster() const
    {
        Args args = kView;
        args.insert(args.end(), {"--density", "4", "-o", "level2.ppm"});
        EXPECT_EQ(run(args).status, 0);
        return readPicture(work_ / "level2.ppm").value_or(Picture{});
    }
};

TEST_F(PageInBrowser, TilesLoadWithoutErrorsAndCopyViewDrawsThePartOnScreen)
{
    const std::string dom = browse("--dump-dom");
    const auto loaded = elementText(dom, "loaded");
    ASSERT_TRUE(loaded.has_value()) << dom.substr(0, 2000);
    EXPECT_GT(std::stoi(*loaded), 0);
    EXPECT_EQ(elementText(dom, "errors").value_or("none"), "");
    EXPECT_EQ(consoleLines(), "");

    // The command of a view of the page's extents, 300 x 300, with the
    // middle of the screen in its middle.
    const auto command = elementText(dom, "command");
    ASSERT_TRUE(command.has_value());
    std::istringstream words(*command);
    Args args;
    for (std::string word; words >> word;) args.push_back(word);
    ASSERT_GE(args.size(), 3u);
    EXPECT_EQ(args.front(), "zentrel-render");
    args.erase(args.begin());
    args.back() = "copied.ppm";
    const Result r = run(args);
    ASSERT_EQ(r.status, 0) << *command << "\n" << r.err;
    const auto copied = readPicture(work_ / "copied.ppm");
    ASSERT_TRUE(copied.has_value());
    EXPECT_TRUE(
        test::samePicture(*copied, cropOf(deepestPoster(), kMiddle - 150, kMiddle - 150, 300, 300)))
        << *command;
}

TEST_F(PageInBrowser, TheScreenShowsTheTilesPixels)
{
    browse("--screenshot=" + (root_ / "screen.png").string());
    EXPECT_EQ(consoleLines(), "");
    const auto screen = test::decodedPng(readFile(root_ / "screen.png"));
    ASSERT_TRUE(screen.has_value()) << "no screenshot";
    ASSERT_EQ(std::pair(screen->width, screen->height), std::pair(kScreen, kScreen));
    const Picture poster = deepestPoster();
    // The map below the zoom buttons and left of the panel. The browser
    // may lay the page out at a smaller height first and keep its middle
    // as it grows, so the level's pixel at the screen's corner is found
    // near where the middle puts it, then every pixel must match there.
    const int left = 0, top = 80, width = 160, height = kScreen - top;
    const Picture shown = cropOf(*screen, left, top, width, height);
    const Picture corner = cropOf(shown, 0, 0, 24, 24);
    const int expected = kMiddle - kScreen / 2;
    std::optional<std::pair<int, int>> found;
    for (int dx = -100; dx <= 100 && !found; ++dx)
        for (int dy = -100; dy <= 100 && !found; ++dy)
            if (test::samePicture(
                    corner, cropOf(poster, expected + left + dx, expected + top + dy, 24, 24)))
                found = std::pair(dx, dy);
    ASSERT_TRUE(found.has_value()) << "the screen shows no part of level 2";
    EXPECT_TRUE(test::samePicture(shown, cropOf(poster, expected + left + found->first,
                                                expected + top + found->second, width, height)));
}

}  // namespace
}  // namespace zentrel
