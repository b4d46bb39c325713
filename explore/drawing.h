// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <memory>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "explore/drawn_view.h"

namespace zentrel {

class Canvas;
class WorkerPool;

// How a drawing ended.
struct DrawingEnd {
    enum class Kind {
        Refused,   // too deeply nested: nothing was drawn
        Finished,  // every column, or none to draw
        Halted,    // a halt came after a column
        Failed,    // the fields or the formulas failed
    };
    Kind kind;
    std::optional<Failure> failure;          // with Failed
    std::shared_ptr<const DrawnView> drawn;  // with Finished: the whole picture
};

// Runs drawings column by column onto a canvas, handing the events that
// arrive meanwhile to the event pump after every column. A click handled in
// the pump may start another drawing, which runs to its end inside the first
// one before the first goes on; a halt request stops them all, innermost
// first, each after its current column.
class DrawingController {
public:
    // Drawings started from inside a drawing wait on the stack, a few
    // kilobytes each; beyond this depth (about 1 MB of an 8 MB stack) a
    // drawing is refused rather than risk the stack.
    static constexpr int kMaxNesting = 256;

    DrawingController(WorkerPool& pool, Canvas& canvas, std::function<void()> pumpEvents);

    // Clears any halt request, calls started (the window marks the pattern's
    // button there), then draws the pattern with a snapshot of the fields.
    DrawingEnd draw(const Pattern& pattern, const FieldTexts& fields,
                    const std::function<void()>& started);

    // Running drawings stop after their current column.
    void requestHalt() { haltRequested_ = true; }
    bool haltRequested() const { return haltRequested_; }
    // Drawings running now, the innermost counted.
    int nesting() const { return nesting_; }
    // Values per unit of the formula coordinates across and down: a canvas
    // of more pixels than points draws the same view finer.
    void setDensity(int density) { density_ = density; }

    // Called after each column is plotted, before the event pump; lets a
    // test act at a precise column.
    std::function<void(int column)> columnObserver;

private:
    WorkerPool& pool_;
    Canvas& canvas_;
    std::function<void()> pumpEvents_;
    bool haltRequested_ = false;
    int nesting_ = 0;
    int density_ = 1;
};

}  // namespace zentrel
