// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/tile_level.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

#include "picture/run_queue.h"

namespace zentrel {
namespace {

// A page's tiles are small files a browser fetches as they come into view:
// deflate's level 3 makes them about 8 % larger than its default does, in
// little more than half the time, which the page's deeper levels spend on
// pixels instead.
constexpr int kTileDeflateLevel = 3;

Failure writeFailure(const std::string& path)
{
    return Failure{Fault::CannotWrite, path + ": " + std::strerror(errno)};
}

// The whole PNG of a tile whose filtered rows were deflated as one run.
std::vector<unsigned char> tilePng(int width, int height, const DeflatedRun& run)
{
    std::vector<unsigned char> data(std::begin(kZlibHeader), std::end(kZlibHeader));
    data.insert(data.end(), run.bytes.begin(), run.bytes.end());
    const auto trailer = zlibTrailer(run.adler);
    data.insert(data.end(), trailer.begin(), trailer.end());
    std::vector<unsigned char> png(std::begin(kPngSignature), std::end(kPngSignature));
    for (const auto& chunk : {pngChunk("IHDR", pngImageHeader(width, height, 8)),
                              pngChunk("IDAT", data), pngChunk("IEND", {})})
        png.insert(png.end(), chunk.begin(), chunk.end());
    return png;
}

// Writes the bytes as a new file and starts its way to the disk; the
// folder's writer makes the whole folder durable at the end.
Status writeNewFile(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return writeFailure(path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const Failure failure = writeFailure(path);
            close(fd);
            return failure;
        }
        done += static_cast<std::size_t>(n);
    }
    sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (close(fd) != 0) return writeFailure(path);
    return std::nullopt;
}

class TileLevel final : public PictureSink {
public:
    TileLevel(std::string folder, const PictureHeader& header)
        : folder_(std::move(folder)), width_(header.width), height_(header.height)
    {
        if (!header.pool) ownPool_.emplace(1);
        WorkerPool& pool = header.pool ? *header.pool : *ownPool_;
        tilesAhead_ = 2 * static_cast<std::size_t>(pool.threads()) + 2;
        queue_.emplace(pool, header.priority);
    }

    // The level's folder and one folder for each column of tiles.
    Status start()
    {
        if (mkdir(folder_.c_str(), 0777) != 0) return writeFailure(folder_);
        for (int x = 0; x * kTileSize < width_; ++x)
            if (mkdir(columnFolder(x).c_str(), 0777) != 0) return writeFailure(columnFolder(x));
        return std::nullopt;
    }

    Status writeRows(std::span<const Colour> rows) override
    {
        for (std::size_t at = 0; at + width_ <= rows.size(); at += width_) {
            for (int c = 0; c < width_; ++c)
                for (int part : {redOf(rows[at + c]), greenOf(rows[at + c]), blueOf(rows[at + c])})
                    band_.push_back(static_cast<unsigned char>(part));
            ++rowsDone_;
            if (rowsDone_ % kTileSize == 0 || rowsDone_ == height_)
                if (auto failure = cutBand()) return failure;
        }
        return std::nullopt;
    }

    Status commit() override
    {
        while (!waiting_.empty())
            if (auto failure = writeOldestTile()) return failure;
        return std::nullopt;
    }

private:
    struct Tile {
        int x, y, width, height;
    };

    std::string columnFolder(int x) const { return folder_ + "/" + std::to_string(x); }

    // The band's tiles handed to the workers, left to right; the oldest are
    // written while too many wait.
    Status cutBand()
    {
        const int y = (rowsDone_ - 1) / kTileSize;
        const int rows = rowsDone_ - y * kTileSize;
        const std::size_t rowBytes = static_cast<std::size_t>(width_) * 3;
        for (int x = 0; x * kTileSize < width_; ++x) {
            const Tile tile{x, y, std::min(kTileSize, width_ - x * kTileSize), rows};
            const std::size_t tileRowBytes = static_cast<std::size_t>(tile.width) * 3;
            std::vector<unsigned char> pixels;
            pixels.reserve(tileRowBytes * rows);
            for (int r = 0; r < rows; ++r) {
                const auto from = band_.begin() + r * rowBytes + x * kTileSize * 3;
                pixels.insert(pixels.end(), from, from + tileRowBytes);
            }
            queue_->push(std::move(pixels), RowRun{.rows = {},
                                                   .rowBytes = tileRowBytes,
                                                   .last = true,
                                                   .level = kTileDeflateLevel});
            waiting_.push_back(tile);
            while (waiting_.size() > tilesAhead_)
                if (auto failure = writeOldestTile()) return failure;
        }
        band_.clear();
        return std::nullopt;
    }

    Status writeOldestTile()
    {
        const Tile tile = waiting_.front();
        waiting_.pop_front();
        const DeflatedRun run = queue_->takeOldest();
        const std::string path = columnFolder(tile.x) + "/" + std::to_string(tile.y) + ".png";
        if (!run.ok) {
            errno = ENOMEM;
            return writeFailure(path);
        }
        return writeNewFile(path, tilePng(tile.width, tile.height, run));
    }

    const std::string folder_;
    const int width_;
    const int height_;
    int rowsDone_ = 0;
    std::vector<unsigned char> band_;  // the rows of the band of tiles under way, RGB
    std::deque<Tile> waiting_;         // the tiles the queue holds, oldest first
    std::size_t tilesAhead_ = 1;
    std::optional<WorkerPool> ownPool_;
    std::optional<RunQueue> queue_;  // after the pool: it leaves first
};

}  // namespace

Outcome<std::unique_ptr<PictureSink>> openTileLevel(const std::string& folder,
                                                    const PictureHeader& header)
{
    auto level = std::make_unique<TileLevel>(folder, header);
    if (auto failure = level->start()) return *failure;
    return std::unique_ptr<PictureSink>(std::move(level));
}

}  // namespace zentrel
