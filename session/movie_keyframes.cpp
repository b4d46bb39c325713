// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/movie_keyframes.h"

#include <cmath>
#include <string>

#include "patterns/pattern_table.h"

namespace zentrel {

void KeyframeList::add(const View& view, double seconds)
{
    if (!keyframes_.empty() && keyframes_.back().view == view) return;
    keyframes_.push_back({view, seconds});
}

void KeyframeList::remove(std::size_t index)
{
    if (index < keyframes_.size()) keyframes_.erase(keyframes_.begin() + index);
}

void KeyframeList::move(std::size_t from, std::size_t to)
{
    if (from >= keyframes_.size() || to >= keyframes_.size() || from == to) return;
    MovieKeyframe moving = keyframes_[from];
    keyframes_.erase(keyframes_.begin() + from);
    keyframes_.insert(keyframes_.begin() + to, std::move(moving));
}

void KeyframeList::setSeconds(std::size_t index, double seconds)
{
    if (index < keyframes_.size()) keyframes_[index].seconds = seconds;
}

KeyframeList keyframesFromHistory(const std::deque<ViewStep>& earlier, std::size_t first,
                                  const std::optional<View>& now)
{
    KeyframeList list;
    for (std::size_t i = first; i < earlier.size(); ++i) {
        const ViewStep& step = earlier[i];
        if (step.pattern < 0 || step.pattern >= kPatternCount) continue;
        list.add(viewWith(*patternTable()[step.pattern], step.fields));
    }
    if (now) list.add(*now);
    return list;
}

Outcome<KeyframePath> pathOf(const KeyframeList& list, const MovieLook& look)
{
    if (list.size() < 2)
        return Failure{Fault::NotAView, "A movie needs two keyframes or more to fly between."};
    KeyframePath path;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const MovieKeyframe& from = list.keyframes()[i];
        const bool last = i + 1 == list.size();
        if (!last && !(from.seconds > 0 && std::isfinite(from.seconds)))
            return Failure{Fault::NotAView, "keyframe " + std::to_string(i + 1) +
                                                ": the flight to the next needs more than 0 "
                                                "seconds"};
        Keyframe keyframe;
        keyframe.view = from.view;
        keyframe.view.density = look.density;
        keyframe.view.supersample = look.supersample;
        keyframe.line = static_cast<int>(i + 1);
        keyframe.seconds = last ? 0 : from.seconds;
        keyframe.ease = !last && look.ease;
        path.keyframes.push_back(keyframe);
    }
    return path;
}

}  // namespace zentrel
