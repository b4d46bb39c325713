// SPDX-License-Identifier: GPL-3.0-or-later
// Zoomable pages written as a whole or not at all: a cancel at any level, or
// a folder that cannot be made, leaves nothing beside it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "patterns/pattern_table.h"
#include "picture/tile_folder.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::F;

class TileFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string dir = (fs::temp_directory_path() / "zentrel-tiles-XXXXXX").string();
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        dir_ = dir;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string page() const { return (dir_ / "page").string(); }

    fs::path dir_;
    WorkerPool pool_{3};
};

View smallView(int supersample)
{
    View view = viewWith(*findPattern("aqua"), F("1", "1", "200", "0.5"));
    view.supersample = supersample;
    return view;
}

struct CancelRow : test::NamedRow {
    int supersample;  // 1: every level from the deepest; else level by level
    int levels;
    long long cancelAtRow;
};

class TileFolderCancel : public TileFolder, public ::testing::WithParamInterface<CancelRow> {};

TEST_P(TileFolderCancel, LeavesNothing)
{
    const CancelRow& row = GetParam();
    long long rowsDone = 0, rows = 0;
    PosterWatch watch;
    watch.progress = [&](const Progress& p) { rowsDone = p.rowsDone, rows = p.rows; };
    watch.cancelled = [&] { return rowsDone >= row.cancelAtRow; };
    const auto written =
        writeTileFolder(pool_, smallView(row.supersample), row.levels, page(), watch);
    ASSERT_TRUE(written.ok()) << written.failure().where;
    EXPECT_EQ(written.value(), PosterEnd::Cancelled);
    EXPECT_GE(rowsDone, row.cancelAtRow);
    EXPECT_LT(rowsDone, rows);
    EXPECT_TRUE(fs::is_empty(dir_));
}

// clang-format off
const CancelRow kCancels[] = {
    // 1600 x 1600 at level 3, in bands of 655 rows.
    {"from_the_deepest_after_a_band", 1, 3, 600},
    {"level_by_level_in_the_last_level", 2, 2, 200 + 400 + 100},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Pages, TileFolderCancel, ::testing::ValuesIn(kCancels), test::byName);

TEST_F(TileFolder, ProgressCountsTheRowsOfWhatIsSwept)
{
    for (const int supersample : {1, 2}) {
        const std::string folder = page() + std::to_string(supersample);
        Progress last{0, 0};
        PosterWatch watch;
        watch.progress = [&](const Progress& p) {
            EXPECT_GT(p.rowsDone, last.rowsDone);
            last = p;
        };
        const auto written = writeTileFolder(pool_, smallView(supersample), 2, folder, watch);
        ASSERT_TRUE(written.ok()) << written.failure().where;
        // The deepest level alone, or every level in turn.
        const long long rows = supersample == 1 ? 800 : 200 + 400 + 800;
        EXPECT_EQ(last.rowsDone, rows);
        EXPECT_EQ(last.rows, rows);
        EXPECT_TRUE(fs::is_regular_file(folder + "/2/3/3.png"));
    }
}

// A page whose writer was killed is hidden; the next page written beside
// it removes it, and keeps a running process's.
TEST_F(TileFolder, APageLeftHiddenByAnEndedProcessIsRemoved)
{
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    const fs::path left = dir_ / (".zentrel-" + std::to_string(child) + "-0");
    const fs::path running = dir_ / (".zentrel-" + std::to_string(getppid()) + "-0");
    for (const fs::path& hidden : {left, running}) {
        fs::create_directories(hidden / "0" / "0");
        std::ofstream(hidden / "0" / "0" / "0.png") << "half a page";
    }
    ASSERT_TRUE(writeTileFolder(pool_, smallView(1), 0, page()).ok());
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running / "0" / "0" / "0.png"));
    EXPECT_TRUE(fs::exists(dir_ / "page" / "index.html"));
}

TEST_F(TileFolder, AFolderThatCannotBeMadeIsAFailureToWrite)
{
    const auto written = writeTileFolder(pool_, smallView(1), 1, page() + "/deeper/page");
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.failure().fault, Fault::CannotWrite);
    EXPECT_NE(written.failure().where.find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(TileFolder, LevelsStopAtTheLargestPictureAndDensity)
{
    struct Row {
        const char* size;
        int density;
        int most;
    };
    // 1024 x 768 grows to 65536 across at level 6; a density of 32 to 256
    // at level 3.
    for (const Row row : {Row{"768", 1, 6}, Row{"40", 32, 3}, Row{"40", 256, 0}}) {
        View view = viewWith(*findPattern("aqua"), F("1", "1", row.size));
        view.density = row.density;
        const auto most = mostTileLevels(view);
        ASSERT_TRUE(most.ok());
        EXPECT_EQ(most.value(), row.most) << row.size << " at " << row.density;
    }
}

}  // namespace
}  // namespace zentrel
