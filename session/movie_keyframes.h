// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "engine/outcome.h"
#include "motion/keyframe_path.h"
#include "params/view_history.h"
#include "picture/view.h"

// The keyframes of a movie as the window gathers them: views added one by
// one or taken from the history, each with the seconds of the flight from
// it to the next, put in order and taken out by hand.
namespace zentrel {

inline constexpr double kDefaultFlightSeconds = 2;

struct MovieKeyframe {
    View view;
    double seconds = kDefaultFlightSeconds;  // of the flight to the next

    bool operator==(const MovieKeyframe&) const = default;
};

class KeyframeList {
public:
    const std::vector<MovieKeyframe>& keyframes() const { return keyframes_; }
    std::size_t size() const { return keyframes_.size(); }
    bool empty() const { return keyframes_.empty(); }

    // A view the same as the last keyframe's is not added twice: a flight
    // to itself would show nothing.
    void add(const View& view, double seconds = kDefaultFlightSeconds);
    void remove(std::size_t index);
    // The keyframe at from goes to the place to, the others closing up.
    void move(std::size_t from, std::size_t to);
    void setSeconds(std::size_t index, double seconds);
    void clear() { keyframes_.clear(); }

private:
    std::vector<MovieKeyframe> keyframes_;
};

// The views a movie of the history runs through: the steps back from the
// one at first (0 the oldest kept) and the view now, those without a
// pattern passed over.
KeyframeList keyframesFromHistory(const std::deque<ViewStep>& earlier, std::size_t first,
                                  const std::optional<View>& now);

// How every frame of a movie is drawn.
struct MovieLook {
    int density = 1;
    int supersample = 1;
    bool ease = false;
};

// The path of the keyframes, each view with the movie's density and
// supersampling, or why there is none (NotAView): fewer than two keyframes,
// or a flight of no seconds.
Outcome<KeyframePath> pathOf(const KeyframeList& list, const MovieLook& look);

}  // namespace zentrel
