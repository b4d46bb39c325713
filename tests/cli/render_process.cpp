// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_process.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "support.h"

namespace zentrel::test {

namespace fs = std::filesystem;

std::optional<Picture> readPicture(const fs::path& path)
{
    const std::string bytes = readFile(path);
    if (bytes.starts_with("P6")) return readPpm(path);
    return decodedPng(bytes);
}

void RenderProcess::SetUp()
{
    std::string root = (fs::temp_directory_path() / "zentrel-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(root.data()), nullptr);
    root_ = root;
    fs::create_directory(work_ = root_ / "work");
}

void RenderProcess::TearDown() { fs::remove_all(root_); }

namespace {

void redirect(int fd, const char* path, int flags)
{
    const int opened = open(path, flags, 0644);
    if (opened >= 0) dup2(opened, fd);
}

}  // namespace

pid_t RenderProcess::start(const Args& args, const Start& how) const
{
    Args words{ZENTREL_RENDER_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const std::string out =
        how.standardOutput.empty() ? (root_ / "stdout").string() : how.standardOutput;
    const std::string err = (root_ / "stderr").string();
    const std::string folder = work_.string();
    const rlimit limit{how.fileSizeLimit, how.fileSizeLimit};

    const pid_t pid = fork();
    if (pid != 0) return pid;
    // The child: nothing but system calls until exec.
    redirect(STDIN_FILENO, "/dev/null", O_RDONLY);
    redirect(STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC);
    redirect(STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC);
    for (int fd : how.closedDescriptors) close(fd);
    for (int s : how.ignoredSignals) signal(s, SIG_IGN);
    if (how.fileSizeLimit != RLIM_INFINITY) setrlimit(RLIMIT_FSIZE, &limit);
    if (chdir(folder.c_str()) == 0) execv(argv[0], argv.data());
    _exit(127);
}

Result RenderProcess::finish(pid_t pid) const
{
    int raw = 0;
    waitpid(pid, &raw, 0);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, WIFSIGNALED(raw) ? WTERMSIG(raw) : 0,
            readFile(root_ / "stdout"), readFile(root_ / "stderr")};
}

bool RenderProcess::waitUntilWriting(pid_t pid) const
{
    const fs::path fds = "/proc/" + std::to_string(pid) + "/fd";
    const std::string inWork = work_.string() + "/";
    for (int wait = 0; wait < 1000; ++wait) {
        std::error_code ec;
        for (const auto& fd : fs::directory_iterator(fds, ec)) {
            const fs::path target = fs::read_symlink(fd.path(), ec);
            if (!ec && target.string().rfind(inWork, 0) == 0) return true;
        }
        usleep(10000);
    }
    return false;
}

Names RenderProcess::written() const
{
    Names names;
    for (const auto& entry : fs::directory_iterator(work_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void RenderProcess::placeOlderFile(const std::string& name) const
{
    std::ofstream(work_ / name) << kOlderFile;
}

}  // namespace zentrel::test
