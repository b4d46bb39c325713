// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "engine/field_texts.h"
#include "engine/outcome.h"
#include "engine/pattern.h"
#include "explore/drawn_view.h"
#include "explore/picture_cache.h"
#include "explore/pixel_pieces.h"

namespace zentrel {

class Canvas;
struct Overlap;
class WorkerPool;

// Drawings that follow the hand. A view the mouse or the history asks for is
// shown at once where its picture is known (drawn not long ago), with the
// pixels of the picture before moved into place where it was only moved,
// and otherwise coarse to fine; in every case each pixel is computed once
// and the final picture is the very one a pattern button draws.
class Explorer {
public:
    Explorer(WorkerPool& pool, Canvas& canvas, std::function<void()> pumpEvents);

    // Values per unit of the formula coordinates; a new density forgets
    // every picture.
    void setDensity(int density);
    // A whole picture drawn another way (a pattern button), now on the
    // canvas.
    void remember(std::shared_ptr<const DrawnView> drawn);
    // The canvas was cleared.
    void forget() { shown_.reset(); }

    struct End {
        enum class Kind { Shown, Stopped, Failed } kind;
        std::optional<Failure> failure;  // with Failed
    };

    // Shows the pattern's picture of the fields, pumping events between
    // pieces; stops there when stop() says so. A failure of the formulas
    // met on the way is not always the first in sweep order: draw the view
    // column by column to name that one.
    End show(const Pattern& pattern, const FieldTexts& fields, const std::function<bool()>& stop);

    // Whether the picture being shown has its first coarse pass in, or more:
    // a motion lets each of its frames get that far.
    bool firstPassIn() const { return firstPassIn_; }

private:
    // Places each piece in the picture and plots it with its block, pumping
    // events; stopped tells whether stop() ended it.
    PieceSink plotter(Picture& picture, const std::function<bool()>& stop, bool& stopped);
    Picture pictureToShow(const PreparedSweep& sweep, const Overlap* overlap) const;

    WorkerPool& pool_;
    Canvas& canvas_;
    std::function<void()> pumpEvents_;
    int density_ = 1;
    PictureCache cache_;
    std::shared_ptr<const DrawnView> shown_;  // the picture on the canvas
    bool firstPassIn_ = true;
};

}  // namespace zentrel
