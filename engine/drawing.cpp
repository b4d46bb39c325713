#include "engine/drawing.h"

#include "engine/canvas.h"
#include "engine/sweep.h"

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
    if (nesting_ >= kMaxNesting) return {DrawingEnd::Kind::Refused, std::nullopt};
    haltRequested_ = false;
    started();
    const NestingLevel level(nesting_);
    bool halted = false;
    auto failure = sweep(pool_, pattern, fields, [&](int column, std::span<const Colour> colours) {
        canvas_.plotColumn(column, colours);
        canvas_.showIfDue();
        if (columnObserver) columnObserver(column);
        pumpEvents_();
        halted = haltRequested_;
        return !halted;
    }, Sampling{density_, std::nullopt});
    canvas_.showAll();
    if (failure) return {DrawingEnd::Kind::Failed, std::move(failure)};
    return {halted ? DrawingEnd::Kind::Halted : DrawingEnd::Kind::Finished, std::nullopt};
}

}  // namespace zentrel
