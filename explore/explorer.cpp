// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explorer.h"

#include <algorithm>

#include "explore/canvas.h"
#include "explore/coarse_passes.h"
#include "explore/picture_buffers.h"
#include "explore/reuse.h"

namespace zentrel {
namespace {

bool keepsAny(const Overlap& overlap)
{
    const auto kept = [](const std::vector<int>& old) {
        return std::any_of(old.begin(), old.end(), [](int i) { return i >= 0; });
    };
    return kept(overlap.oldColumns) && kept(overlap.oldRows);
}

}  // namespace

Explorer::Explorer(WorkerPool& pool, Canvas& canvas, std::function<void()> pumpEvents)
    : pool_(pool), canvas_(canvas), pumpEvents_(std::move(pumpEvents))
{
}

void Explorer::setDensity(int density)
{
    density_ = density;
    cache_ = PictureCache();
    shown_.reset();
}

void Explorer::remember(std::shared_ptr<const DrawnView> drawn)
{
    cache_.keep(drawn);
    shown_ = std::move(drawn);
}

PieceSink Explorer::plotter(Picture& picture, const std::function<bool()>& stop, bool& stopped)
{
    return [&, this](const Piece& piece) {
        placePiece(picture, piece);
        canvas_.plotPiece(piece, picture.width, picture.height);
        canvas_.showIfDue();
        pumpEvents_();
        stopped = stop();
        return !stopped;
    };
}

// The pixels of the shown picture that the overlap keeps, the others 0, or
// no pixel at all without an overlap: in storage of an earlier picture.
Picture Explorer::pictureToShow(const PreparedSweep& sweep, const Overlap* overlap) const
{
    std::vector<Colour> storage =
        PictureBuffers::shared().take(sweep.grid.xs.size() * sweep.grid.ys.size());
    if (overlap) return keptPixels(*shown_, *overlap, std::move(storage));
    return blankPicture(sweep.grid, std::move(storage));
}

Explorer::End Explorer::show(const Pattern& pattern, const FieldTexts& fields,
                             const std::function<bool()>& stop)
{
    auto prepared = prepareSweep(pattern, fields, Sampling{density_, std::nullopt});
    if (!prepared) return {End::Kind::Failed, prepared.failure()};
    const PreparedSweep& sweep = prepared.value();
    if (auto known = cache_.find(pattern, sweep)) {
        canvas_.plotPicture(known->picture);
        canvas_.showAll();
        shown_ = std::move(known);
        return {End::Kind::Shown, std::nullopt};
    }
    const Overlap overlap = shown_ ? overlapOf(*shown_, pattern, sweep) : Overlap{};
    const bool reusing = keepsAny(overlap);
    // Owned from the start, so that a view stopped or failed hands its
    // storage on to the next one.
    const auto drawn =
        PictureBuffers::shared().own(DrawnView{&pattern, std::move(prepared.value()), {}});
    drawn->picture = pictureToShow(drawn->sweep, reusing ? &overlap : nullptr);
    bool stopped = false;
    const PieceSink plot = plotter(drawn->picture, stop, stopped);
    std::optional<Failure> failure;
    if (reusing) {
        canvas_.plotPicture(drawn->picture);
        failure = computeMissing(pool_, pattern, drawn->sweep, overlap, plot);
    } else {
        firstPassIn_ = false;
        for (int block : kPassBlocks) {
            failure = drawPass(pool_, pattern, drawn->sweep, block, plot);
            if (failure || stopped) break;
            firstPassIn_ = true;
        }
    }
    firstPassIn_ = true;
    canvas_.showAll();
    if (failure) return {End::Kind::Failed, std::move(failure)};
    if (stopped) return {End::Kind::Stopped, std::nullopt};
    remember(drawn);
    return {End::Kind::Shown, std::nullopt};
}

}  // namespace zentrel
