// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/view_session.h"

#include <chrono>
#include <utility>

#include "engine/sweep.h"
#include "params/presets.h"
#include "patterns/pattern_table.h"

namespace zentrel {
namespace {

// The pattern's index in the table, or -1 for none.
int indexOf(const Pattern* pattern)
{
    for (int i = 0; i < kPatternCount; ++i)
        if (patternTable()[i] == pattern) return i;
    return -1;
}

double secondsNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Between pieces a frame is due a little before its period is up, so that
// a clock ticking at the period never skips one. A tick of the clock is the
// screen's frame itself: it starts one unless one started less than half a
// period before, between pieces. A tick that comes a little late (the
// window was busy as it fell due) must not push the next frame a whole tick
// further on, as a full period would.
constexpr double kFrameSlack = 0.95;
constexpr double kTickSlack = 0.5;

}  // namespace

ViewSession::ViewSession(WorkerPool& pool, SessionWindow& window, Canvas& canvas,
                         std::function<void()> pumpEvents)
    : window_(window),
      area_(canvas),
      drawing_(pool, area_, pumpEvents),
      explorer_(pool, area_, std::move(pumpEvents))
{
}

void ViewSession::choose(int index)
{
    chosenPattern_ = patternTable()[index];
    window_.markPattern(index);
}

ViewStep ViewSession::currentStep() const
{
    return ViewStep{indexOf(chosenPattern_), window_.fieldTexts(), shownView_.has_value()};
}

void ViewSession::recordView() { history_.record(currentStep()); }

std::optional<View> ViewSession::typedView() const
{
    if (!chosenPattern_) return std::nullopt;
    return viewWith(*chosenPattern_, window_.fieldTexts());
}

void ViewSession::applyFieldRule(const Outcome<FieldTexts>& result)
{
    if (!result) return window_.reportFailure({result.failure()});
    if (result.value() == window_.fieldTexts()) return;
    recordView();
    window_.writeFieldTexts(result.value());
}

void ViewSession::patternClicked(int index)
{
    const Pattern& pattern = *patternTable()[index];
    const FieldTexts fields = window_.fieldTexts();
    const View view = viewWith(pattern, fields);
    std::optional<View> outer;
    const DrawingEnd end = drawing_.draw(pattern, fields, [&] {
        stopExploring();
        if (chosenPattern_ && chosenPattern_ != &pattern) recordView();
        choose(index);
        outer = std::exchange(drawingView_, view);
        shownView_ = view;
    });
    if (end.kind == DrawingEnd::Kind::Refused) return;
    // A whole picture is kept for the moves that follow; a part of one is
    // no picture of any view.
    if (end.drawn)
        explorer_.remember(end.drawn);
    else
        explorer_.forget();
    drawingView_ = outer;
    // A drawing this one ran inside goes on over the same picture, unless
    // the picture was cleared or another view took its place meanwhile.
    if (outer && shownView_ == view) shownView_ = outer;
    if (end.failure) window_.reportFailure({*end.failure, &pattern});
}

void ViewSession::showView(const View& view)
{
    recordView();
    window_.writeFieldTexts(view.fields);
    const int index = indexOf(view.pattern);
    if (index < 0) return;
    // The view left is recorded above, its pattern with its fields; the
    // drawing would otherwise record the old pattern with the new fields.
    // The button is marked here too, for a drawing refused as too deeply
    // nested.
    choose(index);
    patternClicked(index);
}

void ViewSession::reset()
{
    applyFieldRule(resetFields());
    showNothing();
}

void ViewSession::panBy(double dx, double dy)
{
    moveByHand([&](const View& shown) { return panView(shown.fields, dx, dy); });
}

void ViewSession::zoomAt(PicturePoint point, double factor)
{
    moveByHand([&](const View& shown) {
        return zoomAround(shown.fields, {shown.pattern->rule, std::nullopt}, point, factor);
    });
}

void ViewSession::zoomInAround(PicturePoint point)
{
    moveByHand([&](const View& shown) {
        return zoomInCentredOn(shown.fields, {shown.pattern->rule, std::nullopt}, point);
    });
}

// The move is made from the view on the picture, where the hand is.
// The move is made from the view on the picture, where the hand is, or from
// the end of the step flying there.
void ViewSession::moveByHand(const std::function<Outcome<FieldTexts>(const View& shown)>& move)
{
    if (!shownView_) return;
    const View shown = step_ ? step_->target() : *shownView_;
    const Outcome<FieldTexts> moved = move(shown);
    if (!moved) return window_.reportFailure({moved.failure()});
    recordView();
    window_.writeFieldTexts(moved.value());
    travelTo(viewWith(*shown.pattern, moved.value()));
}

void ViewSession::travelTo(const View& view)
{
    step_.reset();
    if (smoothSteps_ && shownView_ && !held_)
        step_ = SmoothStep::between(*shownView_, view, secondsNow());
    if (!step_) return exploreTo(view);
    lastFrame_ = secondsNow() - framePeriod_;
    window_.startFrames();
}

void ViewSession::holdZoom(PicturePoint point, int direction)
{
    if (held_ || !shownView_) return;
    const View start = step_ ? step_->target() : *shownView_;
    step_.reset();
    held_.emplace(start, point, direction, secondsNow());
    heldRecorded_ = false;
    lastFrame_ = secondsNow() - framePeriod_;
    window_.startFrames();
}

void ViewSession::aimHeldZoom(PicturePoint point)
{
    if (held_) held_->aimAt(point);
}

void ViewSession::speedHeldZoom(double notches)
{
    if (held_) held_->speedUp(notches, secondsNow());
}

// While a picture is being explored its pieces take the frames, each once
// the frame before has its first pass in.
void ViewSession::motionFrame()
{
    if (exploring_) return;
    if (auto view = dueFrame(kTickSlack)) exploreTo(*view);
}

std::optional<View> ViewSession::dueFrame(double slack)
{
    if (!moving()) return std::nullopt;
    const double now = secondsNow();
    if (now - lastFrame_ < slack * framePeriod_) return std::nullopt;
    lastFrame_ = now;
    if (held_) return heldFrame();
    const View view = step_->viewAt(now);
    if (step_->over(now)) step_.reset();
    return view;
}

// The hold's view now, in the fields, and the picture shown scaled to it
// until the view's own pixels come; the view left is recorded once, as the
// hold first moves.
std::optional<View> ViewSession::heldFrame()
{
    const Outcome<View> view = held_->viewAt(secondsNow());
    if (!view) {
        held_.reset();
        window_.reportFailure({view.failure()});
        return std::nullopt;
    }
    if (view.value().fields == window_.fieldTexts()) return std::nullopt;
    if (!std::exchange(heldRecorded_, true)) recordView();
    window_.writeFieldTexts(view.value().fields);
    if (held_->lastFactor() != 1) window_.scalePicture(held_->point(), held_->lastFactor());
    return view.value();
}

void ViewSession::exploreTo(const View& view)
{
    drawing_.requestHalt();
    pendingView_ = view;
    // A redraw running already gives way at its next piece.
    if (exploring_) return;
    exploring_ = true;
    exploringStopped_ = false;
    while (pendingView_ && !exploringStopped_) {
        const View next = *pendingView_;
        pendingView_.reset();
        shownView_ = next;
        const auto end = explorer_.show(*next.pattern, next.fields, [this] {
            if (!pendingView_ && explorer_.firstPassIn()) pendingView_ = dueFrame(kFrameSlack);
            return pendingView_ || exploringStopped_;
        });
        if (end.kind != Explorer::End::Kind::Failed) continue;
        // Drawn column by column, the view fails where a button's drawing
        // does, and says so.
        exploring_ = false;
        if (end.failure->field) return window_.reportFailure({*end.failure});
        // The failing view is the one explored, whatever pattern was clicked
        // since (a drawing inside another leaves the outer one's picture).
        return patternClicked(indexOf(next.pattern));
    }
    exploring_ = false;
}

void ViewSession::preview(const View& view)
{
    const int index = indexOf(view.pattern);
    if (index < 0) return;
    if (chosenPattern_ != view.pattern) choose(index);
    window_.writeFieldTexts(view.fields);
    exploreTo(view);
}

void ViewSession::endPreview(const std::optional<View>& shown, const std::optional<View>& typed)
{
    if (shown)
        preview(*shown);
    else
        showNothing();
    if (!typed) return;
    choose(indexOf(typed->pattern));
    window_.writeFieldTexts(typed->fields);
}

void ViewSession::stopExploring()
{
    held_.reset();
    step_.reset();
    exploringStopped_ = true;
    pendingView_.reset();
}

void ViewSession::stepThroughHistory(int steps)
{
    const ViewStep current = currentStep();
    const auto target = steps < 0 ? history_.back(current) : history_.forward(current);
    if (!target) return;
    window_.writeFieldTexts(target->fields);
    if (target->pattern >= 0) choose(target->pattern);
    restore(*target);
}

void ViewSession::restore(const ViewStep& step)
{
    if (!step.pictured || !chosenPattern_) return showNothing();
    const View view = viewWith(*chosenPattern_, step.fields);
    // The picture stands alone on the area, as it did at that step.
    if (!leavesOldPixels(view)) return travelTo(view);
    clearArea();
    exploreTo(view);
}

// Whether the view's picture, drawn now, would leave pixels of an earlier
// one beside it; a view that cannot be drawn leaves the area as it is.
bool ViewSession::leavesOldPixels(const View& view) const
{
    const auto prepared = prepareSweep(*view.pattern, view.fields, Sampling{density_, {}});
    if (!prepared) return false;
    const SweepGrid& grid = prepared.value().grid;
    return !area_.within(static_cast<int>(grid.xs.size()), static_cast<int>(grid.ys.size()));
}

void ViewSession::clearArea()
{
    window_.clearPicture();
    area_.cleared();
    explorer_.forget();
}

void ViewSession::showNothing()
{
    drawing_.requestHalt();
    stopExploring();
    clearArea();
    shownView_.reset();
}

void ViewSession::setDensity(int density)
{
    drawing_.requestHalt();
    held_.reset();
    step_.reset();
    drawing_.setDensity(density);
    explorer_.setDensity(density);
    density_ = density;
    area_.cleared();
    shownView_.reset();
}

}  // namespace zentrel
