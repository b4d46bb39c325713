// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explorer.h"

#include <algorithm>

#include "explore/canvas.h"
#include "explore/coarse_passes.h"
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
    Picture picture = reusing ? keptPixels(*shown_, overlap) : blankPicture(sweep.grid);
    bool stopped = false;
    const PieceSink plot = plotter(picture, stop, stopped);
    std::optional<Failure> failure;
    if (reusing) {
        canvas_.plotPicture(picture);
        failure = computeMissing(pool_, pattern, sweep, overlap, plot);
    } else {
        firstPassIn_ = false;
        for (int block : kPassBlocks) {
            failure = drawPass(pool_, pattern, sweep, block, plot);
            if (failure || stopped) break;
            firstPassIn_ = true;
        }
    }
    firstPassIn_ = true;
    canvas_.showAll();
    if (failure) return {End::Kind::Failed, std::move(failure)};
    if (stopped) return {End::Kind::Stopped, std::nullopt};
    remember(std::make_shared<const DrawnView>(
        DrawnView{&pattern, std::move(prepared.value()), std::move(picture)}));
    return {End::Kind::Shown, std::nullopt};
}

}  // namespace zentrel
