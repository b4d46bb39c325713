// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/image_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace zentrel {
namespace {

constexpr std::size_t kWriteBackBytes = std::size_t{1} << 20;

}  // namespace

ImageFile::ImageFile(std::string path, StagedFile file, const PictureHeader& header)
    : file_(file.stream()),
      width_(header.width),
      depth_(header.depth),
      rowBytes_(static_cast<std::size_t>(header.width) * 3 * (header.depth / 8)),
      path_(std::move(path)),
      staged_(std::move(file))
{
}

const char* softwareName() { return "Zentrel " ZENTREL_VERSION; }

Outcome<std::unique_ptr<PictureSink>> ImageFile::started(std::unique_ptr<ImageFile> file,
                                                         const PictureHeader& header)
{
    if (!file->start(header)) return file->writeFailure();
    return std::unique_ptr<PictureSink>(std::move(file));
}

Failure ImageFile::writeFailure() const
{
    return Failure{Fault::CannotWrite, path_ + ": " + std::strerror(errno)};
}

template <class Pixel, class PutPixel>
Status ImageFile::writeEachRow(std::span<const Pixel> rows, const PutPixel& put)
{
    std::vector<unsigned char> bytes(rowBytes_);
    std::size_t sinceWriteBack = 0;
    for (std::size_t at = 0; at + width_ <= rows.size(); at += width_) {
        unsigned char* out = bytes.data();
        for (int c = 0; c < width_; ++c) out = put(rows[at + c], out);
        if (!writeRow(bytes.data())) return writeFailure();
        // A megabyte at a time, so that little waits at the end however
        // many rows the last band holds.
        if ((sinceWriteBack += rowBytes_) >= kWriteBackBytes) {
            if (auto failure = startWriteBack()) return failure;
            sinceWriteBack = 0;
        }
    }
    return bringOntoDisk();
}

// What has been written goes to the disk while the next rows are drawn, so
// that bringing the file onto the disk before it is named waits for little.
// It is only a head start: the file is still named complete and durable or
// not at all.
Status ImageFile::startWriteBack()
{
    if (std::fflush(file_) != 0) return writeFailure();
    // Advice alone: where the system cannot take it, the wait comes at the end.
    sync_file_range(fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
    return std::nullopt;
}

// The rows so far are brought onto the disk on the writer's thread while the
// next band is drawn: a file system records where a file's blocks went only
// when asked to sync, and for a whole poster at the end that took most of
// the serial time left. Whatever fails here fails the file, as the last sync
// would: a reported write error is reported once.
Status ImageFile::bringOntoDisk()
{
    if (std::fflush(file_) != 0 || fdatasync(fileno(file_)) != 0) return writeFailure();
    return std::nullopt;
}

Status ImageFile::writeRows(std::span<const Colour> rows)
{
    return writeEachRow(rows, [](Colour colour, unsigned char* out) {
        for (int part : {redOf(colour), greenOf(colour), blueOf(colour)})
            *out++ = static_cast<unsigned char>(part);
        return out;
    });
}

Status ImageFile::writeDeepRows(std::span<const DeepColour> rows)
{
    return writeEachRow(rows, [](const DeepColour& colour, unsigned char* out) {
        for (std::uint16_t part : {colour.red, colour.green, colour.blue}) {
            *out++ = static_cast<unsigned char>(part >> 8);
            *out++ = static_cast<unsigned char>(part);
        }
        return out;
    });
}

Status ImageFile::commit()
{
    if (!finish()) return writeFailure();
    return staged_.publish();
}

}  // namespace zentrel
