// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/drawing.h"

#include "engine/sweep.h"
#include "explore/canvas.h"
#include "explore/picture_buffers.h"

namespace zentrel {
namespace {

// Counts a drawing in for as long as it runs, however it ends.
class NestingLevel {
public:
    explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
    ~NestingLevel() { --depth_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

private:
    int& depth_;
};

}  // namespace

DrawingController::DrawingController(WorkerPool& pool, Canvas& canvas,
                                     std::function<void()> pumpEvents)
    : pool_(pool), canvas_(canvas), pumpEvents_(std::move(pumpEvents))
{
}

DrawingEnd DrawingController::draw(const Pattern& pattern, const FieldTexts& fields,
                                   const std::function<void()>& started)
{
    if (nesting_ >= kMaxNesting) return {DrawingEnd::Kind::Refused, std::nullopt, nullptr};
    haltRequested_ = false;
    started();
    const NestingLevel level(nesting_);
    auto prepared = prepareSweep(pattern, fields, Sampling{density_, std::nullopt});
    if (!prepared) return {DrawingEnd::Kind::Failed, prepared.failure(), nullptr};
    // The picture is kept as it is computed, for the views that follow to
    // reuse.
    const SweepGrid& grid = prepared.value().grid;
    Picture toFill;
    toFill.colours = PictureBuffers::shared().take(grid.xs.size() * grid.ys.size());
    auto drawn = PictureBuffers::shared().own(
        DrawnView{&pattern, std::move(prepared.value()), std::move(toFill)});
    Picture& picture = drawn->picture;
    bool halted = false;
    auto failure =
        sweep(pool_, pattern, drawn->sweep, [&](int column, std::span<const Colour> colours) {
            canvas_.plotColumn(column, colours);
            appendColumn(picture, colours);
            canvas_.showIfDue();
            if (columnObserver) columnObserver(column);
            pumpEvents_();
            halted = haltRequested_;
            return !halted;
        });
    canvas_.showAll();
    if (failure) return {DrawingEnd::Kind::Failed, std::move(failure), nullptr};
    if (halted) return {DrawingEnd::Kind::Halted, std::nullopt, nullptr};
    return {DrawingEnd::Kind::Finished, std::nullopt, std::move(drawn)};
}

}  // namespace zentrel
