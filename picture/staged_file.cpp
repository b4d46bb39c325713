#include "picture/staged_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace zentrel {
namespace {

// The hidden name that exists right now, if any, for a signal handler to
// remove. Written only while no handler may read it.
char pendingName[PATH_MAX];
std::atomic<bool> namePending{false};

extern "C" void removePendingAndEnd(int signal)
{
    const int savedErrno = errno;
    if (namePending.load()) unlink(pendingName);
    errno = savedErrno;
    // SA_RESETHAND has restored the default action: the signal ends the
    // process once this handler returns.
    raise(signal);
}

// The signals that end a process by default and can be caught. One that is
// ignored, as nohup leaves SIGHUP, stays ignored.
void removePendingOnSignals()
{
    static const bool installed = [] {
        for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE,
                           SIGXCPU, SIGVTALRM, SIGPROF}) {
            struct sigaction old {};
            if (sigaction(signal, nullptr, &old) != 0) continue;
            if ((old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL) continue;
            struct sigaction action {};
            action.sa_handler = removePendingAndEnd;
            action.sa_flags = SA_RESETHAND;
            sigemptyset(&action.sa_mask);
            sigaction(signal, &action, nullptr);
        }
        return true;
    }();
    (void)installed;
}

void markPending(const std::string& name)
{
    if (name.size() >= sizeof pendingName) return;  // no such name can be created
    removePendingOnSignals();
    namePending = false;
    name.copy(pendingName, name.size());
    pendingName[name.size()] = '\0';
    namePending = true;
}

void forgetPending() { namePending = false; }

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates something under a hidden name beside path: create(name) is tried
// with fresh names while the name is taken. The name is marked pending
// before each try, so that a signal never leaves it behind. Returns the
// name, or "" with errno telling why not.
template <class Create>
std::string underHiddenName(const std::string& path, Create create)
{
    constexpr int kTries = 100;
    const std::string stem = folderOf(path) + "/.zentrel-render-" + std::to_string(getpid()) + "-";
    for (int n = 0; n < kTries; ++n) {
        const std::string name = stem + std::to_string(n);
        markPending(name);
        if (create(name)) return name;
        forgetPending();
        if (errno != EEXIST) return "";
    }
    return "";
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

std::FILE* streamOn(int fd)
{
    std::FILE* stream = fdopen(fd, "wb");
    if (!stream) close(fd);
    return stream;
}

}  // namespace

StagedFile::StagedFile(std::string path, std::FILE* stream, std::string hiddenName)
    : path_(std::move(path)), stream_(stream), hiddenName_(std::move(hiddenName))
{
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : path_(std::move(other.path_)),
      stream_(other.stream_),
      hiddenName_(std::move(other.hiddenName_))
{
    other.stream_ = nullptr;
    other.hiddenName_.clear();
}

StagedFile::~StagedFile()
{
    if (stream_) std::fclose(stream_);
    if (!hiddenName_.empty()) {
        unlink(hiddenName_.c_str());
        forgetPending();
    }
}

Outcome<StagedFile> StagedFile::create(const std::string& path)
{
    const int fd = open(folderOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // A file system without unnamed files refuses them; a folder that cannot
    // be written refuses a named file too, and that is the reason reported.
    if (fd < 0) return createNamed(path);
    std::FILE* stream = streamOn(fd);
    if (!stream) return failureOf(path);
    return StagedFile(path, stream, "");
}

Outcome<StagedFile> StagedFile::createNamed(const std::string& path)
{
    int fd = -1;
    const std::string name = underHiddenName(path, [&fd](const std::string& n) {
        fd = open(n.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd >= 0;
    });
    if (name.empty()) return failureOf(path);
    StagedFile file(path, streamOn(fd), name);
    if (!file.stream_) return file.failure();
    return file;
}

Failure StagedFile::failure() const { return failureOf(path_); }

std::optional<Failure> StagedFile::publish()
{
    // The content reaches the disk before the name does: after a power cut
    // the name shows the complete file or what it showed before.
    if (std::fflush(stream_) != 0 || fsync(fileno(stream_)) != 0) return failure();
    if (hiddenName_.empty()) {
        const int fd = fileno(stream_);
        if (linkUnnamed(fd, path_)) return closeStream();
        if (errno != EEXIST) return failure();
        // A link cannot replace a file; a rename over it can, in one step.
        hiddenName_ =
            underHiddenName(path_, [fd](const std::string& n) { return linkUnnamed(fd, n); });
        if (hiddenName_.empty()) return failure();
    }
    if (std::rename(hiddenName_.c_str(), path_.c_str()) != 0) return failure();
    hiddenName_.clear();
    forgetPending();
    return closeStream();
}

std::optional<Failure> StagedFile::closeStream()
{
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!closed) return failure();
    return std::nullopt;
}

}  // namespace zentrel
