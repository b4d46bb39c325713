// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "engine/outcome.h"
#include "engine/render.h"
#include "engine/sweep.h"
#include "picture/view.h"

namespace zentrel {

class WorkerPool;

// One pattern's thumbnail: its view, the sweep that view gives, and the
// pixels drawn so far.
struct Thumbnail {
    View view;
    PreparedSweep sweep;
    Picture picture;  // column after column; the pixels of the passes in
    int block = 0;    // the finest pass in (kPassBlocks), 0 before the first
    std::optional<Failure> failure;

    bool drawn() const { return block == 1 && !failure; }
};

// The thumbnail of each pattern at the main view's region (thumbnailView),
// prepared and not drawn yet; one whose view or sweep fails holds the
// failure and is never drawn.
std::vector<Thumbnail> thumbnailsOf(const View& main, std::span<const Pattern* const> patterns);

// One coarse pass (a block of kPassBlocks, coarsest first) of every
// thumbnail not failed, all of them together on the pool: the calling
// thread works too and returns once every pixel of the pass is in. A pixel
// that fails fails its thumbnail, with the first failure in column order.
void drawThumbnailPass(WorkerPool& pool, std::span<Thumbnail> thumbnails, int block);

// Every pixel of every thumbnail in one go, without coarse passes: the
// quickest way to the whole pictures.
void drawThumbnails(WorkerPool& pool, std::span<Thumbnail> thumbnails);

// The picture as it shows after its finest pass: each pixel the colour of
// the computed one at the top left of its block.
Picture shownPicture(const Thumbnail& thumbnail);

}  // namespace zentrel
