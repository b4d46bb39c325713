// SPDX-License-Identifier: GPL-3.0-or-later
// PNG, 8 or 16 bits a channel: the header and the view in text chunks, then the
// image data deflated in runs of rows on the picture's workers while the
// rows go on arriving, each run written out as an image data chunk in turn.

#include <zlib.h>

#include <cerrno>
#include <optional>

#include "picture/image_file.h"
#include "picture/run_queue.h"

namespace zentrel {
namespace {

// Raw bytes a run holds: many runs for the workers to share, few flushes and
// primings to cost size.
constexpr std::size_t kRunBytes = std::size_t{1} << 20;

void append(std::vector<unsigned char>& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

class PngFile final : public ImageFile {
public:
    using ImageFile::ImageFile;

private:
    bool start(const PictureHeader& header) override
    {
        height_ = header.height;
        runRows_ = std::max<std::size_t>(1, kRunBytes / std::max<std::size_t>(1, rowBytes_));
        if (!header.pool) ownPool_.emplace(1);
        WorkerPool& pool = header.pool ? *header.pool : *ownPool_;
        runsAhead_ = 2 * static_cast<std::size_t>(pool.threads()) + 2;
        queue_.emplace(pool, header.priority);
        return std::fwrite(kPngSignature, 1, sizeof kPngSignature, file_) == sizeof kPngSignature &&
               writeChunk("IHDR", pngImageHeader(width_, height_, depth_)) &&
               writeChunk("tEXt", softwareText()) && writeChunk("iTXt", viewText(header.recipe));
    }
    // The program in plain text.
    static std::vector<unsigned char> softwareText()
    {
        std::vector<unsigned char> data;
        append(data, kSoftwareKey);
        data.push_back(0);
        append(data, softwareName());
        return data;
    }
    // The recipe as UTF-8 international text, since the field texts may
    // hold any character: uncompressed, no language, no translated key.
    static std::vector<unsigned char> viewText(const std::string& recipe)
    {
        std::vector<unsigned char> data;
        append(data, kViewKey);
        data.insert(data.end(), {0, 0, 0, 0, 0});
        append(data, recipe);
        return data;
    }

    bool writeRow(const unsigned char* rgb) override
    {
        run_.insert(run_.end(), rgb, rgb + rowBytes_);
        ++rowsDone_;
        if (rowsDone_ - runStart_ < runRows_ && rowsDone_ < static_cast<std::size_t>(height_))
            return true;
        queueRun();
        // Bounded memory: so many runs wait at most, the oldest written first.
        while (queue_->size() > runsAhead_)
            if (!writeOldestRun()) return false;
        return true;
    }
    // Hands the run over and starts the next with its lead rows.
    void queueRun()
    {
        const std::size_t lead = std::min(runStart_, leadRowsFor(rowBytes_));
        const RowRun run{.rows = {},
                         .rowBytes = rowBytes_,
                         .pixelBytes = 3 * depth_ / 8,
                         .leadRows = lead,
                         .fromTop = runStart_ == lead,
                         .last = rowsDone_ == std::size_t(height_)};
        const std::size_t nextLead = std::min(rowsDone_, leadRowsFor(rowBytes_));
        std::vector<unsigned char> next(run_.end() - nextLead * rowBytes_, run_.end());
        queue_->push(std::move(run_), run);
        run_ = std::move(next);
        runStart_ = rowsDone_;
    }
    bool writeOldestRun()
    {
        const bool first = runsWritten_++ == 0;
        const DeflatedRun run = queue_->takeOldest();
        if (!run.ok) {
            errno = ENOMEM;
            return false;
        }
        adler_ = static_cast<std::uint32_t>(adler32_combine(adler_, run.adler, run.length));
        const bool last = queue_->size() == 0 && rowsDone_ == std::size_t(height_);
        std::vector<unsigned char> data;
        if (first) data.assign(std::begin(kZlibHeader), std::end(kZlibHeader));
        data.insert(data.end(), run.bytes.begin(), run.bytes.end());
        if (last) {
            const auto trailer = zlibTrailer(adler_);
            data.insert(data.end(), trailer.begin(), trailer.end());
        }
        return writeChunk("IDAT", data);
    }
    bool finish() override
    {
        while (queue_->size() > 0)
            if (!writeOldestRun()) return false;
        return writeChunk("IEND", {});
    }

    bool writeChunk(const char* type, const std::vector<unsigned char>& data)
    {
        const std::vector<unsigned char> chunk = pngChunk(type, data);
        return std::fwrite(chunk.data(), 1, chunk.size(), file_) == chunk.size();
    }

    int height_ = 0;
    std::size_t runRows_ = 1;
    std::size_t runsAhead_ = 1;       // runs that may wait to be written
    std::vector<unsigned char> run_;  // the run being gathered, lead rows first
    std::size_t runStart_ = 0;        // the picture row its own rows start at
    std::size_t rowsDone_ = 0;
    std::size_t runsWritten_ = 0;
    std::uint32_t adler_ = 1;
    std::optional<WorkerPool> ownPool_;
    std::optional<RunQueue> queue_;  // after the pool: it leaves first
};

}  // namespace

Outcome<std::unique_ptr<PictureSink>> openPngFile(const std::string& path,
                                                  const PictureHeader& header)
{
    return ImageFile::open<PngFile>(path, header);
}

}  // namespace zentrel
