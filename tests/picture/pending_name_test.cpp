// SPDX-License-Identifier: GPL-3.0-or-later
// Hidden staged files open at once, on one thread or several, are every one
// removed by what the signals that end the process do; a file published or
// abandoned gives its place back for the next.

#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "picture/pending_name.h"
#include "picture/staged_file.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;
using test::Names;

constexpr int kSlots = PendingName::kPendingSlots;

class PendingNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string folder = (fs::temp_directory_path() / "zentrel-pending-XXXXXX").string();
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        folder_ = folder;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(int n) const
    {
        return (folder_ / std::to_string(n)).replace_extension(".png").string();
    }

    StagedFile hidden(int n) const
    {
        Outcome<StagedFile> file = StagedFile::createNamed(path(n));
        EXPECT_TRUE(file.ok()) << file.failure().message();
        return std::move(file.value());
    }

    std::size_t filesLeft() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }

    fs::path folder_;
};

TEST_F(PendingNames, EveryHiddenFileOpenAtOnceIsRemoved)
{
    for (int open : {1, 2, kSlots}) {
        SCOPED_TRACE(open);
        std::vector<StagedFile> files;
        for (int n = 0; n < open; ++n) files.push_back(hidden(n));
        ASSERT_EQ(filesLeft(), static_cast<std::size_t>(open));
        removePendingFiles();
        EXPECT_EQ(filesLeft(), 0u);
    }
}

TEST_F(PendingNames, HiddenFilesOpenedOnSeveralThreadsAreAllRemoved)
{
    constexpr int kThreads = 4;
    std::barrier opened(kThreads + 1), removed(kThreads + 1);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            StagedFile file = hidden(t);
            opened.arrive_and_wait();
            removed.arrive_and_wait();
        });
    opened.arrive_and_wait();
    const std::size_t whileOpen = filesLeft();
    removePendingFiles();
    const std::size_t afterwards = filesLeft();
    removed.arrive_and_wait();
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(whileOpen, static_cast<std::size_t>(kThreads));
    EXPECT_EQ(afterwards, 0u);
}

TEST_F(PendingNames, PublishedAndAbandonedFilesGiveTheirPlaceBack)
{
    for (int round = 0; round < 3 * kSlots; ++round) {
        StagedFile file = hidden(round);
        if (round % 2 == 0) {
            ASSERT_EQ(file.publish(), std::nullopt);
        }
    }
    // Published names are left alone; the hidden files open now, as many as
    // there are places, are all known.
    const std::size_t published = filesLeft();
    std::vector<StagedFile> files;
    for (int n = 0; n < kSlots; ++n) files.push_back(hidden(1000 + n));
    removePendingFiles();
    EXPECT_EQ(published, static_cast<std::size_t>(3 * kSlots / 2));
    EXPECT_EQ(filesLeft(), published);
}

// Beyond the places the signals know, a file is still written; only the
// signals would leave it behind.
TEST_F(PendingNames, AFileBeyondThePlacesIsStillWritten)
{
    std::vector<StagedFile> files;
    for (int n = 0; n <= kSlots; ++n) files.push_back(hidden(n));
    removePendingFiles();
    EXPECT_EQ(filesLeft(), 1u);
    std::fputs("picture", files.back().stream());
    EXPECT_EQ(files.back().publish(), std::nullopt);
    EXPECT_EQ(test::readFile(path(kSlots)), "picture");
}

}  // namespace
}  // namespace zentrel
