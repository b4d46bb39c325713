// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/thumbnail_file.h"

#include <vector>

#include "picture/picture_formats.h"

namespace zentrel {

Status writePictureOfView(const Picture& picture, const View& carried, const std::string& path)
{
    const PictureTarget target(path);
    auto sink = target.format->open(
        target.destination, PictureHeader{picture.width, picture.height, recipeOf(carried)});
    if (!sink) return sink.failure();
    // The picture is kept column after column; files go row after row.
    std::vector<Colour> row(static_cast<std::size_t>(picture.width));
    for (int r = 0; r < picture.height; ++r) {
        for (int c = 0; c < picture.width; ++c) row[static_cast<std::size_t>(c)] = picture.at(c, r);
        if (const Status written = sink.value()->writeRows(row); written) return written;
    }
    return sink.value()->commit();
}

}  // namespace zentrel
