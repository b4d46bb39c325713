// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "engine/outcome.h"
#include "picture/picture_sink.h"

// One level of a zoomable page: its picture cut into square tiles, each a
// PNG file folder/x/y.png (x the tile's column, y its row, from 0 at the top
// left), those of the right and bottom edges as wide and high as the
// picture leaves them. The rows are gathered a band of tiles at a time, so a
// level of any size takes the memory of one band.
namespace zentrel {

inline constexpr int kTileSize = 256;

// The level's sink: the folder is made, and each band's tiles are deflated
// on the header's workers and written as they come.
Outcome<std::unique_ptr<PictureSink>> openTileLevel(const std::string& folder,
                                                    const PictureHeader& header);

}  // namespace zentrel
