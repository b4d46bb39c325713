// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/staged_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>

#include "picture/hidden_name.h"

namespace zentrel {
namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Clears the folder of files left by ended writers, at most once a second:
// a PNG sequence writes thousands of files into one folder, and listing it
// for each would grow with the square of their number.
void removeLeftHiddenFilesNowAndThen(const std::string& folder)
{
    using Clock = std::chrono::steady_clock;
    static std::mutex lock;
    static std::map<std::string, Clock::time_point> cleared;
    {
        const std::lock_guard<std::mutex> held(lock);
        const auto now = Clock::now();
        const auto last = cleared.find(folder);
        if (last != cleared.end() && now - last->second < std::chrono::seconds(1)) return;
        cleared[folder] = now;
    }
    removeLeftHiddenFiles(folder);
}

// Creates something under a hidden name beside path: create(name) is tried
// with fresh names while the name is taken. The name is pending before each
// try, so that a signal never leaves it behind. Returns the name, or none
// with errno telling why not.
template <class Create>
PendingName underHiddenName(const std::string& path, Create create)
{
    constexpr int kTries = 100;
    const std::string stem = hiddenStem(folderOf(path));
    for (int n = 0; n < kTries; ++n) {
        PendingName pending(stem + std::to_string(n));
        if (create(pending.name())) return pending;
        if (errno != EEXIST) return {};
    }
    return {};
}

// Names an open unnamed file. Linking it by its descriptor alone needs a
// privilege; its /proc entry does not.
bool linkUnnamed(int fd, const std::string& name)
{
    if (linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

Failure failureOf(const std::string& path)
{
    return Failure{Fault::CannotWrite, path + ": " + std::strerror(errno)};
}

constexpr std::size_t kStreamBuffer = std::size_t{1} << 20;

std::FILE* streamOn(int fd)
{
    std::FILE* stream = fdopen(fd, "wb");
    if (!stream) close(fd);
    return stream;
}

}  // namespace

StagedFile::StagedFile(std::string path, std::FILE* stream, PendingName hidden)
    : path_(std::move(path)),
      buffer_(std::make_unique_for_overwrite<char[]>(kStreamBuffer)),
      stream_(stream),
      hidden_(std::move(hidden))
{
    if (stream_) std::setvbuf(stream_, buffer_.get(), _IOFBF, kStreamBuffer);
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)),
      buffer_(std::move(other.buffer_)),
      stream_(other.stream_),
      hidden_(std::move(other.hidden_))
{
    other.stream_ = nullptr;
}

StagedFile::~StagedFile()
{
    if (stream_) std::fclose(stream_);
    if (!hidden_.empty()) unlink(hidden_.name().c_str());
}

Outcome<StagedFile> StagedFile::create(const std::string& path)
{
    removeLeftHiddenFilesNowAndThen(folderOf(path));
    const int fd = open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // A file system without unnamed files refuses them; a folder that cannot
    // be written refuses a named file too, and that is the reason reported.
    if (fd < 0) return createHidden(path);
    std::FILE* stream = streamOn(fd);
    if (!stream) return failureOf(path);
    return StagedFile(path, stream, {});
}

Outcome<StagedFile> StagedFile::createNamed(const std::string& path)
{
    removeLeftHiddenFilesNowAndThen(folderOf(path));
    return createHidden(path);
}

Outcome<StagedFile> StagedFile::createHidden(const std::string& path)
{
    int fd = -1;
    PendingName hidden = underHiddenName(path, [&fd](const std::string& n) {
        fd = open(n.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    if (hidden.empty()) return failureOf(path);
    StagedFile file(path, streamOn(fd), std::move(hidden));
    if (!file.stream_) return file.failure();
    return file;
}

Failure StagedFile::failure() const { return failureOf(path_); }

Status StagedFile::publish()
{
    // The content reaches the disk before the name does: after a power cut
    // the name shows the complete file or what it showed before.
    if (std::fflush(stream_) != 0 || fsync(fileno(stream_)) != 0) return failure();
    if (hidden_.empty()) {
        const int fd = fileno(stream_);
        if (linkUnnamed(fd, path_)) return named();
        if (errno != EEXIST) return failure();
        // A link cannot replace a file; a rename over it can, in one step.
        hidden_ = underHiddenName(path_, [fd](const std::string& n) { return linkUnnamed(fd, n); });
        if (hidden_.empty()) return failure();
    }
    if (std::rename(hidden_.name().c_str(), path_.c_str()) != 0) return failure();
    hidden_ = {};
    return named();
}

Status StagedFile::named()
{
    Status synced = syncFolder();
    Status closed = closeStream();
    return synced ? synced : closed;
}

Status StagedFile::syncFolder() const
{
    // A folder that may only be written cannot be opened to be synced; its
    // new name reaches the disk when the system gets to it.
    const int fd = open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // A file system that keeps no folder on a disk of its own says it
    // cannot sync one; only a failure of the disk is a failure to write.
    const bool synced = fsync(fd) == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP;
    const int savedErrno = errno;
    close(fd);
    errno = savedErrno;
    if (!synced) return failure();
    return std::nullopt;
}

Status StagedFile::closeStream()
{
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!closed) return failure();
    return std::nullopt;
}

}  // namespace zentrel
