// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "explore/drawing.h"
#include "explore/explorer.h"
#include "params/mouse_navigation.h"
#include "params/view_history.h"
#include "picture/view.h"
#include "session/held_zoom.h"
#include "session/plotted_area.h"
#include "session/session_window.h"
#include "session/smooth_step.h"

namespace zentrel {

class WorkerPool;

// What the window shows and draws, apart from its widgets: the pattern
// chosen last, the view whose picture is on the canvas and that of the
// drawing running, the views left behind, and the hand's redraws, each
// giving way to the next. The window hands every click on; all of it runs
// on the window's one thread, entered again from the event pump that the
// drawings run between columns and pieces.
class ViewSession {
public:
    ViewSession(WorkerPool& pool, SessionWindow& window, Canvas& canvas,
                std::function<void()> pumpEvents);

    // A pattern's button (its index in the table): the pattern is chosen
    // and drawn column by column from the fields, inside any drawing
    // running.
    void patternClicked(int index);
    // A field rule's texts for the fields, the view left kept for the way
    // back; a failure changes nothing and is reported.
    void applyFieldRule(const Outcome<FieldTexts>& result);
    // Running drawings stop after their current column.
    void halt() { drawing_.requestHalt(); }
    // "reset": the fields as they start, no drawing and no picture.
    void reset();

    // The hand on the picture moves from the view shown there, writes the
    // fields and shows the moved view as soon as it can.
    void panBy(double dx, double dy);
    void zoomAt(PicturePoint point, double factor);
    void zoomInAround(PicturePoint point);

    // Back (steps < 0) or forward one step, to the view and to what was
    // shown with it: its picture alone on the area, or no picture.
    void stepThroughHistory(int steps);
    // A view pasted or opened: its texts in the fields, its pattern drawn.
    void showView(const View& view);

    // A frame of a movie played in the window: its texts in the fields and
    // its picture shown as the hand's moves are, coarse to fine, giving way
    // to the next frame. Nothing is recorded for the way back.
    void preview(const View& view);
    // Back from the frames to the window as it was: the picture of the view
    // shown then (none: an empty area) and the fields as they were typed.
    void endPreview(const std::optional<View>& shown, const std::optional<View>& typed);
    // Holding a button or key: the view zooms toward the point (direction
    // 1) or away from it (-1) frame by frame until it is let go, the fields
    // following every frame, one step in the history for the whole hold,
    // and the picture refined to the exact one once the motion stops.
    void holdZoom(PicturePoint point, int direction);
    void aimHeldZoom(PicturePoint point);
    void speedHeldZoom(double notches);
    void releaseZoom() { held_.reset(); }
    // The window's frame clock, once a screen frame while moving() (the
    // window starts it on SessionWindow::startFrames).
    void motionFrame();
    bool moving() const { return held_ || step_; }
    void setFramePeriod(double seconds) { framePeriod_ = seconds; }
    // Whether the hand's steps and the history's are flown in short smooth
    // steps or jumped at once; either ends on the same view and picture.
    void setSmoothSteps(bool on) { smoothSteps_ = on; }
    bool smoothSteps() const { return smoothSteps_; }

    // Values per unit of the formula coordinates; the window's canvas is
    // empty once it has the new density.
    void setDensity(int density);

    // The view of the picture on the canvas, if one was drawn since the
    // area was last cleared.
    std::optional<View> shownView() const { return shownView_; }
    // The pattern chosen last and the fields as they stand; none before a
    // pattern was chosen.
    std::optional<View> typedView() const;
    DrawingController& drawing() { return drawing_; }
    const ViewHistory& history() const { return history_; }

private:
    void choose(int index);
    void recordView();
    ViewStep currentStep() const;
    void moveByHand(const std::function<Outcome<FieldTexts>(const View& shown)>& move);
    void exploreTo(const View& view);
    // A view jumped to by the hand or the history, flown to in a smooth
    // step where one joins it to the view shown.
    void travelTo(const View& view);
    // The view of a motion's frame, when one is due: slack periods after the
    // frame before.
    std::optional<View> dueFrame(double slack);
    std::optional<View> heldFrame();
    void stopExploring();
    void restore(const ViewStep& step);
    bool leavesOldPixels(const View& view) const;
    void clearArea();
    void showNothing();

    SessionWindow& window_;
    PlottedArea area_;
    DrawingController drawing_;
    Explorer explorer_;
    ViewHistory history_;
    int density_ = 1;
    const Pattern* chosenPattern_ = nullptr;
    // The view the hand asked for last, while a redraw gives way to it.
    std::optional<View> pendingView_;
    bool exploring_ = false;
    bool exploringStopped_ = false;
    // The view of the innermost drawing running; each drawing keeps the one
    // it runs inside and gives it back as it ends.
    std::optional<View> drawingView_;
    std::optional<View> shownView_;
    std::optional<HeldZoom> held_;
    bool heldRecorded_ = false;  // the hold's step is in the history
    std::optional<SmoothStep> step_;
    bool smoothSteps_ = false;  // the window chooses
    double framePeriod_ = 1.0 / 60;
    double lastFrame_ = 0;
};

}  // namespace zentrel
