// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "engine/outcome.h"
#include "engine/sweep.h"
#include "engine/worker_pool.h"
#include "picture/picture_formats.h"
#include "picture/view.h"

// Posters: a view written to a picture file band by band, as finely as its
// density says and smoothed as its supersampling says, in bounded memory
// whatever the size.
namespace zentrel {

// What a poster of a view comes to: the sweep at density x supersample
// values per unit, and the size of the picture once each block of the
// view's supersample x supersample samples is averaged.
struct PosterPlan {
    PreparedSweep sweep;
    int width = 0;
    int height = 0;

    bool empty() const { return width == 0 || height == 0; }
};

// The plan, or why the view makes none: its fields or formulas fail, or the
// picture would be more than kMaxExtent pixels across or down
// (PosterTooLarge).
Outcome<PosterPlan> planPoster(const View& view);

// How far a poster has come, after each band of rows.
struct Progress {
    long long rowsDone;
    long long rows;
};

struct PosterWatch {
    std::function<void(const Progress&)> progress = [](const Progress&) {};
    // Asked after every column: true stops the poster, and nothing is written.
    std::function<bool()> cancelled = [] { return false; };
};

enum class PosterEnd { Written, Cancelled };

// Writes the planned poster of the view to the target (a file, by its path
// or a format of its own), with the view's recipe in it. Until it is
// complete nothing shows: a file has no name, so a failure, a cancel or the
// end of the program leaves nothing. The first failure of the formulas in
// sweep order, or the failure to write, is returned.
Outcome<PosterEnd> writePoster(WorkerPool& pool, const View& view, const PosterPlan& plan,
                               const PictureTarget& target, const PosterWatch& watch = {},
                               Priority priority = Priority::Interactive);

// The planned poster's rows into an open sink, top to bottom, the sink left
// uncommitted: for a picture that goes on further (a movie's frame).
Outcome<PosterEnd> renderPoster(WorkerPool& pool, const View& view, const PosterPlan& plan,
                                PictureSink& sink, const PosterWatch& watch = {},
                                Priority priority = Priority::Interactive);
// The same into a sink opened already for the plan's picture, committed once
// the poster is complete.
Outcome<PosterEnd> writePosterInto(WorkerPool& pool, const View& view, const PosterPlan& plan,
                                   PictureSink& sink, const PosterWatch& watch = {},
                                   Priority priority = Priority::Interactive);

}  // namespace zentrel
