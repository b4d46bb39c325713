// SPDX-License-Identifier: GPL-3.0-or-later
// A staged file, unnamed or (where the file system has no unnamed files)
// hidden under a short name of its own: its name appears only when it is
// published, complete, and a file of that name is replaced in one step.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "picture/hidden_name.h"
#include "picture/staged_file.h"
#include "support.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

using test::Names;
using test::readFile;

// The program's name for a while, as its main() sets it.
class ProgramNameScope {
public:
    explicit ProgramNameScope(std::string name) : before_(programName())
    {
        setProgramName(std::move(name));
    }
    ~ProgramNameScope() { setProgramName(before_); }

private:
    std::string before_;
};

// A process id that no process has any more: a child's, once it has ended.
pid_t endedProcess()
{
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

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

TEST(HiddenNames, AreTheProgramsNameTheProcessAndANumber)
{
    const ProgramNameScope renderer("zentrel-render");
    EXPECT_EQ(hiddenStem("out"), "out/.zentrel-render-" + std::to_string(getpid()) + "-");
    EXPECT_EQ(writerOf(".zentrel-render-4242-0"), 4242);
    EXPECT_EQ(writerOf(".zentrel-render-4242-99"), 4242);
    EXPECT_EQ(writerOf(".zentrel-4242-0"), std::nullopt);
    EXPECT_EQ(writerOf(".zentrel-render-4242-0 "), std::nullopt);
    EXPECT_EQ(writerOf(".zentrel-render-+4242-0"), std::nullopt);
    EXPECT_EQ(writerOf(".zentrel-render-99999999999-0"), std::nullopt);
    const ProgramNameScope window("zentrel");
    EXPECT_EQ(writerOf(".zentrel-4242-1"), 4242);
    EXPECT_EQ(writerOf(".zentrel-render-4242-0"), std::nullopt);
}

TEST_P(StagedFiles, AppearOnlyWhenPublished)
{
    std::optional<StagedFile> file(staged("new.ppm", "picture"));
    const Names meanwhile = names();
    if (GetParam().hiddenWhileWritten) {
        ASSERT_EQ(meanwhile.size(), 1u);
        EXPECT_EQ(meanwhile[0], ".zentrel-" + std::to_string(getpid()) + "-0");
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

TEST_P(StagedFiles, HideUnderTheNameOfTheProgramThatWritesThem)
{
    const ProgramNameScope renderer("zentrel-render");
    std::optional<StagedFile> file(staged("named.png", "picture"));
    const Names meanwhile = names();
    if (GetParam().hiddenWhileWritten) {
        EXPECT_EQ(meanwhile, Names{".zentrel-render-" + std::to_string(getpid()) + "-0"});
    }
    EXPECT_EQ(file->publish(), std::nullopt);
    EXPECT_EQ(names(), Names{"named.png"});
}

TEST_P(StagedFiles, RemoveHiddenFilesLeftByEndedProcessesOfTheirProgramOnly)
{
    const ProgramNameScope renderer("zentrel-render");
    const std::string ended = std::to_string(endedProcess());
    const std::string running = std::to_string(getppid());
    const std::string self = std::to_string(getpid());
    const Names leftBehind = {".zentrel-render-" + ended + "-0",
                              ".zentrel-render-" + ended + "-17"};
    const Names kept = {// Of processes that still run, whoever they are.
                        ".zentrel-render-" + running + "-0", ".zentrel-render-1-3",
                        ".zentrel-render-" + self + "-5",
                        // Another program's, and names that are not quite ours.
                        ".zentrel-" + ended + "-0", ".zentrel-render-" + ended + "-0.png",
                        "zentrel-render-" + ended + "-0", ".zentrel-render-" + ended + "-",
                        ".zentrel-render-0" + ended + "-0", ".zentrel-render-" + ended + "-x",
                        ".zentrel-render--" + ended + "-0", ".zentrel-render-0-0",
                        ".zentrel-render-" + ended, "picture.png"};
    for (const Names* group : {&leftBehind, &kept})
        for (const std::string& name : *group) std::ofstream(path(name)) << "left";
    fs::create_directory(folder_ / "inner");
    std::ofstream(folder_ / "inner" / leftBehind[0]) << "another folder's";

    StagedFile file = staged("picture.png", "newer");
    Names expected = kept;
    expected.push_back("inner");
    if (GetParam().hiddenWhileWritten) expected.push_back(".zentrel-render-" + self + "-0");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
    EXPECT_TRUE(fs::exists(folder_ / "inner" / leftBehind[0]));
}

INSTANTIATE_TEST_SUITE_P(Stagings, StagedFiles, ::testing::ValuesIn(kStagings), test::byName);

}  // namespace
}  // namespace zentrel
