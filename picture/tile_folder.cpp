// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/tile_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "picture/hidden_name.h"
#include "picture/tile_level.h"
#include "picture/tile_page.h"

namespace zentrel {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLevels = 8;  // 2^8 is kMaxDensity

// The files of the map library the page loads, from its installed folder.
constexpr const char* kLeafletFiles[] = {"leaflet.js", "leaflet.css", "images"};

Failure writeFailure(const std::string& path, int error)
{
    return Failure{Fault::CannotWrite, path + ": " + std::strerror(error)};
}

Status leafletInstalled()
{
    for (const char* name : kLeafletFiles) {
        std::error_code error;
        if (!fs::exists(fs::path(ZENTREL_LEAFLET_DIR) / name, error))
            return Failure{
                Fault::CannotWrite,
                std::string("the map library Leaflet is not in " ZENTREL_LEAFLET_DIR " (no ") +
                    name + "): install libjs-leaflet"};
    }
    return std::nullopt;
}

std::string folderOf(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

// The folder being written, out of sight beside its destination, removed
// with all it holds unless it was named.
class HiddenFolder {
public:
    // First removes the hidden files and folders left in the folder (see
    // removeLeftHiddenFiles).
    static Outcome<HiddenFolder> create(const std::string& destination)
    {
        removeLeftHiddenFiles(folderOf(destination));
        const std::string stem = hiddenStem(folderOf(destination));
        for (int n = 0; n < 100; ++n)
            if (mkdir((stem + std::to_string(n)).c_str(), 0777) == 0)
                return HiddenFolder(stem + std::to_string(n));
            else if (errno != EEXIST)
                break;
        return writeFailure(destination, errno);
    }
    HiddenFolder(HiddenFolder&& other) noexcept : path_(std::move(other.path_))
    {
        other.path_.clear();
    }
    HiddenFolder& operator=(HiddenFolder&&) = delete;
    ~HiddenFolder()
    {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }

    // All it holds onto the disk, then its name, then the name onto the disk.
    Status publish(const std::string& destination)
    {
        if (auto failure = sync(path_, true)) return failure;
        if (std::rename(path_.c_str(), destination.c_str()) != 0)
            return writeFailure(destination, errno);
        path_.clear();
        return sync(folderOf(destination), false);
    }

private:
    explicit HiddenFolder(std::string path) : path_(std::move(path)) {}

    // The file system of the folder synced whole (its thousands of tiles in
    // one call), or the folder alone.
    static Status sync(const std::string& folder, bool wholeFileSystem)
    {
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return std::nullopt;  // a folder that may only be written
        const bool synced = (wholeFileSystem ? syncfs(fd) : fsync(fd)) == 0 || errno == EINVAL ||
                            errno == EROFS || errno == ENOTSUP;
        const int error = errno;
        close(fd);
        if (!synced) return writeFailure(folder, error);
        return std::nullopt;
    }

    std::string path_;
};

Status copyLeaflet(const std::string& folder)
{
    for (const char* name : kLeafletFiles) {
        std::error_code error;
        fs::copy(fs::path(ZENTREL_LEAFLET_DIR) / name, fs::path(folder) / name,
                 fs::copy_options::recursive, error);
        if (error) return Failure{Fault::CannotWrite, folder + "/" + name + ": " + error.message()};
    }
    return std::nullopt;
}

Status writePage(const std::string& folder, const std::string& page)
{
    const std::string path = folder + "/index.html";
    std::ofstream out(path, std::ios::binary);
    out << page;
    out.close();
    if (!out) return Failure{Fault::CannotWrite, path + ": cannot be written"};
    return std::nullopt;
}

// Rows of the deepest level handed on to every level whose samples they
// hold: row r to the level k above if r is a multiple of 2^k, and of it
// every 2^k-th pixel.
class LevelFan final : public PictureSink {
public:
    LevelFan(std::vector<std::unique_ptr<PictureSink>> levels, int width)
        : levels_(std::move(levels)), width_(width)
    {
    }

    Status writeRows(std::span<const Colour> rows) override
    {
        for (std::size_t at = 0; at + width_ <= rows.size(); at += width_, ++row_) {
            const auto whole = rows.subspan(at, width_);
            for (std::size_t above = 0; above < levels_.size(); ++above) {
                const std::size_t step = std::size_t{1} << above;
                if (row_ % step != 0) break;
                pixels_.clear();
                for (std::size_t c = 0; c < whole.size(); c += step) pixels_.push_back(whole[c]);
                if (auto failure = levels_[levels_.size() - 1 - above]->writeRows(pixels_))
                    return failure;
            }
        }
        return std::nullopt;
    }

    Status commit() override
    {
        for (const auto& level : levels_)
            if (auto failure = level->commit()) return failure;
        return std::nullopt;
    }

private:
    std::vector<std::unique_ptr<PictureSink>> levels_;  // level 0 first
    const std::size_t width_;
    std::size_t row_ = 0;
    std::vector<Colour> pixels_;
};

// The levels of a page written into its folder.
class TileLevels {
public:
    TileLevels(WorkerPool& pool, const View& view, const std::vector<PosterPlan>& plans,
               std::string folder, const PosterWatch& watch, Priority priority)
        : pool_(pool),
          view_(view),
          plans_(plans),
          folder_(std::move(folder)),
          watch_(watch),
          priority_(priority)
    {
    }

    // A level's samples are every 2^k-th of those of the level k deeper, to
    // the bit (the sweep's v + i / n is the same double as v + 2i / 2n), so
    // one sweep of the deepest level gives every level. Only where a pixel
    // is one sample.
    Outcome<PosterEnd> fromDeepest()
    {
        std::vector<std::unique_ptr<PictureSink>> levels;
        for (std::size_t level = 0; level < plans_.size(); ++level) {
            auto sink = open(level);
            if (!sink) return sink.failure();
            levels.push_back(std::move(sink.value()));
        }
        LevelFan fan(std::move(levels), plans_.back().width);
        const int deepest = static_cast<int>(plans_.size()) - 1;
        return writePosterInto(pool_, levelView(view_, deepest), plans_.back(), fan, watch_,
                               priority_);
    }

    // Each level a poster of its own, its progress after the rows above it.
    Outcome<PosterEnd> levelByLevel()
    {
        long long rows = 0, rowsBefore = 0;
        for (const PosterPlan& plan : plans_) rows += plan.height;
        const PosterWatch watch{[&](const Progress& p) {
                                    watch_.progress({rowsBefore + p.rowsDone, rows});
                                },
                                watch_.cancelled};
        for (std::size_t level = 0; level < plans_.size(); ++level) {
            auto sink = open(level);
            if (!sink) return sink.failure();
            const auto written = writePosterInto(pool_, levelView(view_, static_cast<int>(level)),
                                                 plans_[level], *sink.value(), watch, priority_);
            if (!written || written.value() == PosterEnd::Cancelled) return written;
            rowsBefore += plans_[level].height;
        }
        return PosterEnd::Written;
    }

private:
    Outcome<std::unique_ptr<PictureSink>> open(std::size_t level)
    {
        const PosterPlan& plan = plans_[level];
        return openTileLevel(folder_ + "/" + std::to_string(level),
                             PictureHeader{plan.width, plan.height, "", 8, &pool_, priority_});
    }

    WorkerPool& pool_;
    const View& view_;
    const std::vector<PosterPlan>& plans_;
    const std::string folder_;
    const PosterWatch& watch_;
    const Priority priority_;
};

}  // namespace

View levelView(const View& view, int level)
{
    View shown = view;
    shown.density = view.density << level;
    shown.depth = 8;
    return shown;
}

Outcome<int> mostTileLevels(const View& view)
{
    const auto first = planPoster(levelView(view, 0));
    if (!first) return first.failure();
    int most = 0;
    while (most < kMostLevels && (view.density << (most + 1)) <= kMaxDensity &&
           planPoster(levelView(view, most + 1)))
        ++most;
    return most;
}

bool isFreeFolder(const std::string& folder)
{
    std::error_code error;
    const auto status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found) return true;
    return status.type() == fs::file_type::directory && fs::is_empty(folder, error) && !error;
}

Outcome<PosterEnd> writeTileFolder(WorkerPool& pool, const View& view, int levels,
                                   const std::string& folder, const PosterWatch& watch,
                                   Priority priority)
{
    if (auto failure = leafletInstalled()) return *failure;
    std::vector<PosterPlan> plans;
    for (int level = 0; level <= levels; ++level) {
        auto plan = planPoster(levelView(view, level));
        if (!plan) return plan.failure();
        plans.push_back(std::move(plan.value()));
    }
    const auto page = tilePage(view, levels, plans[0].width, plans[0].height);
    if (!page) return page.failure();
    auto hidden = HiddenFolder::create(folder);
    if (!hidden) return hidden.failure();
    TileLevels tiles{pool, view, plans, hidden.value().path(), watch, priority};
    const auto written = view.supersample == 1 ? tiles.fromDeepest() : tiles.levelByLevel();
    if (!written || written.value() == PosterEnd::Cancelled) return written;
    if (auto failure = copyLeaflet(hidden.value().path())) return *failure;
    if (auto failure = writePage(hidden.value().path(), page.value())) return *failure;
    if (auto failure = hidden.value().publish(folder)) return *failure;
    return PosterEnd::Written;
}

}  // namespace zentrel
