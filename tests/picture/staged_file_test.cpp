// A staged file, unnamed or (where the file system has no unnamed files)
// hidden under a short name of its own: its name appears only when it is
// published, complete, and a file of that name is replaced in one step.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "picture/staged_file.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using test::Names;
using test::readFile;

struct Staging : test::NamedRow {
    Outcome<StagedFile> (*create)(const std::string& path);
    bool hiddenWhileWritten;  // a hidden name shows in the folder meanwhile
};

const Staging kStagings[] = {
    {{"unnamed"}, StagedFile::create, false},
    {{"hidden_named"}, StagedFile::createNamed, true},
};

class StagedFiles : public ::testing::TestWithParam<Staging> {
protected:
    void SetUp() override
    {
        std::string folder = (fs::temp_directory_path() / "zentrel-staged-XXXXXX").string();
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        folder_ = folder;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    Names names() const
    {
        Names found;
        for (const auto& entry : fs::directory_iterator(folder_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    StagedFile staged(const std::string& name, const char* content) const
    {
        Outcome<StagedFile> file = GetParam().create(path(name));
        EXPECT_TRUE(file.ok()) << file.failure().message();
        std::fputs(content, file.value().stream());
        return std::move(file.value());
    }

    fs::path folder_;
};

TEST_P(StagedFiles, AppearOnlyWhenPublished)
{
    std::optional<StagedFile> file(staged("new.ppm", "picture"));
    const Names meanwhile = names();
    if (GetParam().hiddenWhileWritten) {
        ASSERT_EQ(meanwhile.size(), 1u);
        EXPECT_EQ(meanwhile[0].rfind(".zentrel-render-", 0), 0u) << meanwhile[0];
    } else {
        EXPECT_EQ(meanwhile, Names{});
    }
    EXPECT_EQ(file->publish(), std::nullopt);
    file.reset();
    EXPECT_EQ(names(), Names{"new.ppm"});
    EXPECT_EQ(readFile(path("new.ppm")), "picture");
}

TEST_P(StagedFiles, ReplaceAFileOfTheirNameOnlyWhenPublished)
{
    std::ofstream(path("old.ppm")) << "older";
    {
        StagedFile abandoned = staged("old.ppm", "never published");
    }
    EXPECT_EQ(names(), Names{"old.ppm"});
    EXPECT_EQ(readFile(path("old.ppm")), "older");

    StagedFile file = staged("old.ppm", "newer");
    EXPECT_EQ(file.publish(), std::nullopt);
    EXPECT_EQ(names(), Names{"old.ppm"});
    EXPECT_EQ(readFile(path("old.ppm")), "newer");
}

TEST_P(StagedFiles, TakeTheLongestNameTheSystemAllows)
{
    const std::string longest = std::string(251, 'n') + ".png";
    for (int replacing = 0; replacing < 2; ++replacing) {
        StagedFile file = staged(longest, "picture");
        EXPECT_EQ(file.publish(), std::nullopt);
        EXPECT_EQ(names(), Names{longest});
    }
}

TEST_P(StagedFiles, HaveTheModeTheUserMaskAllows)
{
    const mode_t mask = umask(027);
    StagedFile file = staged("mode.png", "picture");
    EXPECT_EQ(file.publish(), std::nullopt);
    umask(mask);
    struct stat status {};
    ASSERT_EQ(stat(path("mode.png").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_P(StagedFiles, LeaveNothingWhenTheNameCannotBeGiven)
{
    fs::create_directory(folder_ / "taken.png");
    std::optional<Failure> failure;
    {
        StagedFile file = staged("taken.png", "picture");
        failure = file.publish();
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message(), "Cannot write " + path("taken.png") + ": Is a directory");
    EXPECT_EQ(names(), Names{"taken.png"});
    EXPECT_TRUE(fs::is_directory(folder_ / "taken.png"));
}

INSTANTIATE_TEST_SUITE_P(Stagings, StagedFiles, ::testing::ValuesIn(kStagings), test::byName);

}  // namespace
}  // namespace zentrel
