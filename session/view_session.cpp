// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/view_session.h"

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
void ViewSession::moveByHand(const std::function<Outcome<FieldTexts>(const View& shown)>& move)
{
    if (!shownView_) return;
    const View shown = *shownView_;
    const Outcome<FieldTexts> moved = move(shown);
    if (!moved) return window_.reportFailure({moved.failure()});
    recordView();
    window_.writeFieldTexts(moved.value());
    exploreTo(viewWith(*shown.pattern, moved.value()));
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
        const auto end = explorer_.show(*next.pattern, next.fields,
                                        [this] { return pendingView_ || exploringStopped_; });
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
    if (leavesOldPixels(view)) clearArea();
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
    drawing_.setDensity(density);
    explorer_.setDensity(density);
    density_ = density;
    area_.cleared();
    shownView_.reset();
}

}  // namespace zentrel
