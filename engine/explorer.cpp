#include "engine/explorer.h"

#include <algorithm>

#include "engine/canvas.h"
#include "engine/coarse_passes.h"
#include "engine/reuse.h"

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

std::optional<Failure> Explorer::compute(const Pattern& pattern, const PreparedSweep& sweep,
                                         std::span<const PixelSet> sets, int block,
                                         Picture& picture, const std::function<bool()>& stop,
                                         bool& stopped)
{
    return computePixels(pool_, pattern, sweep, sets, block, [&](const Piece& piece) {
        placePiece(picture, piece);
        canvas_.plotPiece(piece, picture.width, picture.height);
        canvas_.showIfDue();
        pumpEvents_();
        stopped = stop();
        return !stopped;
    });
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
    Picture picture = blankPicture(sweep.grid);
    std::optional<Failure> failure;
    bool stopped = false;
    const Overlap overlap = shown_ ? overlapOf(*shown_, pattern, sweep) : Overlap{};
    if (keepsAny(overlap)) {
        picture = keptPixels(*shown_, overlap);
        canvas_.plotPicture(picture);
        failure = compute(pattern, sweep, missingPixels(overlap), 1, picture, stop, stopped);
    } else {
        for (int block : kPassBlocks) {
            failure = compute(pattern, sweep, passPixels(picture.width, picture.height, block),
                              block, picture, stop, stopped);
            if (failure || stopped) break;
        }
    }
    canvas_.showAll();
    if (failure) return {End::Kind::Failed, std::move(failure)};
    if (stopped) return {End::Kind::Stopped, std::nullopt};
    remember(std::make_shared<const DrawnView>(DrawnView{&pattern, sweep, std::move(picture)}));
    return {End::Kind::Shown, std::nullopt};
}

}  // namespace zentrel
