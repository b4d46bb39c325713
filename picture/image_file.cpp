#include "picture/image_file.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace zentrel {

ImageFile::ImageFile(std::string path, StagedFile file, int width)
    : file_(file.stream()), width_(width), path_(std::move(path)), staged_(std::move(file))
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

Status ImageFile::writeRows(std::span<const Colour> rows)
{
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width_) * 3);
    for (std::size_t at = 0; at + width_ <= rows.size(); at += width_) {
        for (int c = 0; c < width_; ++c) {
            const Colour colour = rows[at + c];
            rgb[3 * c] = static_cast<unsigned char>(redOf(colour));
            rgb[3 * c + 1] = static_cast<unsigned char>(greenOf(colour));
            rgb[3 * c + 2] = static_cast<unsigned char>(blueOf(colour));
        }
        if (!writeRow(rgb.data())) return writeFailure();
    }
    return std::nullopt;
}

Status ImageFile::commit()
{
    if (!finish()) return writeFailure();
    return staged_.publish();
}

}  // namespace zentrel
