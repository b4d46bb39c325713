// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_formats.h"

#include "picture/format_table.h"
#include "picture/image_file.h"

namespace zentrel {

PictureFormats::PictureFormats(std::vector<PictureFormat> rows) : rows_(std::move(rows)) {}

const PictureFormat* PictureFormats::named(std::string_view name) const
{
    return rowNamed(rows_, name);
}

const PictureFormat* PictureFormats::forPath(std::string_view path) const
{
    return rowForPath(rows_, path);
}

const PictureFormats& pictureFiles()
{
    // clang-format off
    static const PictureFormats files({
        {"png", {".png"}, "PNG", openPngFile},
        {"ppm", {".ppm"}, "binary PPM", openPpmFile},
    });
    // clang-format on
    return files;
}

PictureTarget::PictureTarget(const PictureFormat& format, std::string destination)
    : format(&format), destination(std::move(destination))
{
}

PictureTarget::PictureTarget(std::string path)
    : format(pictureFiles().forPath(path)), destination(std::move(path))
{
    if (!format) format = &pictureFiles().rows().front();
}

}  // namespace zentrel
