// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_formats.h"

#include <algorithm>

#include "picture/image_file.h"

namespace zentrel {
namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

bool endsWith(std::string_view path, std::string_view ending)
{
    return path.size() >= ending.size() &&
           sameLetters(path.substr(path.size() - ending.size()), ending);
}

}  // namespace

PictureFormats::PictureFormats(std::vector<PictureFormat> rows) : rows_(std::move(rows)) {}

const PictureFormat* PictureFormats::named(std::string_view name) const
{
    for (const PictureFormat& row : rows_)
        if (sameLetters(row.name, name)) return &row;
    return nullptr;
}

const PictureFormat* PictureFormats::forPath(std::string_view path) const
{
    for (const PictureFormat& row : rows_)
        for (const std::string& ending : row.extensions)
            if (endsWith(path, ending)) return &row;
    return nullptr;
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
