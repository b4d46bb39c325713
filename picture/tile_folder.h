// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"
#include "engine/worker_pool.h"
#include "picture/poster.h"
#include "picture/view.h"

// A zoomable web page of a view: a folder that any static web server or a
// plain file:// address opens, holding index.html, the map library Leaflet
// and the tiles {level}/{x}/{y}.png. Level z is the poster of the view at
// 2^z times its density, computed exactly at every level and cut into
// tiles; level 0 is the view itself.
namespace zentrel {

inline constexpr int kDefaultTileLevels = 4;

// The view whose poster level z is: 2^level times as dense, and 8 bits a
// channel, as browsers show them.
View levelView(const View& view, int level);

// The most levels the view allows, its deepest within kMaxDensity and the
// largest poster (at most 8); the failure of level 0 if it has none.
Outcome<int> mostTileLevels(const View& view);

// Whether the folder may receive a page: it does not exist, or is an
// empty folder. Pages are never mixed with what a folder holds.
bool isFreeFolder(const std::string& folder);

// Writes the page of levels 0 to levels (which the view allows) into the
// folder, level by level and each band by band, the tiles deflated on the
// pool. It is written under a hidden name beside the folder and named only
// once complete and on the disk; a failure or a cancel removes it. Progress
// counts the rows of all levels.
Outcome<PosterEnd> writeTileFolder(WorkerPool& pool, const View& view, int levels,
                                   const std::string& folder, const PosterWatch& watch = {},
                                   Priority priority = Priority::Interactive);

}  // namespace zentrel
