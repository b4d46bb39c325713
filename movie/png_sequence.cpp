// SPDX-License-Identifier: GPL-3.0-or-later
#include "movie/png_sequence.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "picture/hidden_name.h"
#include "picture/image_file.h"

namespace zentrel {
namespace {

// The hidden names' numbers below this are the staged files'.
constexpr long long kFirstFrameName = 100;

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

class PngSequence final : public MovieSink {
public:
    PngSequence(std::string path, const MovieHeader& header)
        : path_(std::move(path)),
          stem_(hiddenStem(folderOf(path_))),
          first_(nextFirstName(header.frames)),
          header_(header)
    {
    }
    ~PngSequence() override
    {
        if (!committed_)
            for (long long n = 0; n < written_; ++n) unlink(hidden(n).c_str());
    }

    Status writeFrame(const MovieFrame& frame) override
    {
        auto file = openPngFile(hidden(frame.number),
                                PictureHeader{header_.width, header_.height, frame.recipe});
        if (!file) return file.failure();
        if (auto failure = file.value()->writeRows(frame.pixels)) return failure;
        if (auto failure = file.value()->commit()) return failure;
        written_ = frame.number + 1;
        return std::nullopt;
    }

    // Every frame named in order; a rename that fails takes back those
    // named before it.
    Status commit() override
    {
        for (long long n = 0; n < written_; ++n) {
            if (std::rename(hidden(n).c_str(), named(n).c_str()) == 0) continue;
            const Failure failure{Fault::CannotWrite, named(n) + ": " + std::strerror(errno)};
            for (long long k = 0; k < n; ++k) unlink(named(k).c_str());
            return failure;
        }
        committed_ = true;
        syncFolder();
        return std::nullopt;
    }

private:
    // Each sequence of the process its own run of hidden names.
    static long long nextFirstName(long long frames)
    {
        static std::atomic<long long> next{kFirstFrameName};
        return next.fetch_add(frames);
    }

    std::string hidden(long long n) const { return stem_ + std::to_string(first_ + n); }
    std::string named(long long n) const { return frameFileName(path_, n, header_.frames); }

    void syncFolder() const
    {
        const int fd = open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;  // a folder that may only be written syncs when the system gets to it
        fsync(fd);
        close(fd);
    }

    std::string path_;
    std::string stem_;
    long long first_;
    MovieHeader header_;
    long long written_ = 0;
    bool committed_ = false;
};

}  // namespace

Outcome<std::unique_ptr<MovieSink>> openPngSequence(const std::string& path,
                                                    const MovieHeader& header)
{
    return std::unique_ptr<MovieSink>(std::make_unique<PngSequence>(path, header));
}

std::string frameFileName(const std::string& path, long long n, long long frames)
{
    const std::size_t digits = std::to_string(std::max(frames - 1, 0LL)).size();
    std::string number = std::to_string(n);
    if (number.size() < digits) number.insert(0, digits - number.size(), '0');
    std::string name = path;
    for (auto at = name.find(kFrameMark); at != std::string::npos; at = name.find(kFrameMark))
        name.replace(at, kFrameMark.size(), number);
    return name;
}

}  // namespace zentrel
