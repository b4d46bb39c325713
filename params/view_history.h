// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "engine/field_texts.h"

namespace zentrel {

// A view as the history keeps it: the pattern's button index (-1 before any
// was clicked), the five field texts, and whether a picture was shown.
struct ViewStep {
    int pattern = -1;
    FieldTexts fields;
    bool pictured = false;

    bool operator==(const ViewStep&) const = default;
};

// The views left behind, to go back to and forward again as a browser does:
// a view recorded after going back drops the steps ahead. Bounded in steps
// (the oldest goes first) and in the length of a text, so that its memory
// stays within steps x 5 x kMaxTextLength bytes and a little.
class ViewHistory {
public:
    static constexpr std::size_t kDefaultSteps = 256;
    // No number needs a text this long; a view with a longer one (a paste
    // gone wrong) is not kept, rather than kept changed.
    static constexpr std::size_t kMaxTextLength = 1024;

    explicit ViewHistory(std::size_t steps = kDefaultSteps);

    // The view being left for another. The steps ahead go; a view that is
    // the newest step already is not recorded twice. False when the view is
    // not kept.
    bool record(const ViewStep& left);
    // The view to show instead of current, which is kept for the way back
    // (forward, or back); none at the end of the history.
    std::optional<ViewStep> back(const ViewStep& current);
    std::optional<ViewStep> forward(const ViewStep& current);

    std::size_t backSteps() const { return back_.size(); }
    std::size_t forwardSteps() const { return forward_.size(); }
    // The steps that lie back, the oldest first.
    const std::deque<ViewStep>& earlier() const { return back_; }

    // Whether a view can be kept: none of its texts is too long.
    static bool keepable(const ViewStep& view);

private:
    // Moves one step from one end to the other, keeping current at the end.
    std::optional<ViewStep> step(std::deque<ViewStep>& from, std::deque<ViewStep>& to,
                                 const ViewStep& current);

    std::size_t steps_;
    std::deque<ViewStep> back_;     // oldest first
    std::deque<ViewStep> forward_;  // the next step last
};

}  // namespace zentrel
