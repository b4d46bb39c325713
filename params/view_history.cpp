#include "params/view_history.h"

#include <algorithm>

namespace zentrel {

ViewHistory::ViewHistory(std::size_t steps) : steps_(std::max<std::size_t>(steps, 1)) {}

bool ViewHistory::keepable(const View& view)
{
    for (FieldRole role : {FieldRole::Across, FieldRole::Down, FieldRole::Size, FieldRole::Xoom,
                           FieldRole::Brightness})
        if (fieldText(view.fields, role).size() > kMaxTextLength) return false;
    return true;
}

bool ViewHistory::record(const View& left)
{
    forward_.clear();
    if (!keepable(left)) return false;
    if (back_.empty() || back_.back() != left) back_.push_back(left);
    if (back_.size() > steps_) back_.pop_front();
    return true;
}

std::optional<View> ViewHistory::back(const View& current)
{
    return step(back_, forward_, current);
}

std::optional<View> ViewHistory::forward(const View& current)
{
    return step(forward_, back_, current);
}

// Both ends together hold at most steps_ views: a step moves one view from
// one end to the other, and a view that cannot be kept takes no place.
std::optional<View> ViewHistory::step(std::deque<View>& from, std::deque<View>& to,
                                      const View& current)
{
    if (from.empty()) return std::nullopt;
    View next = std::move(from.back());
    from.pop_back();
    if (keepable(current)) to.push_back(current);
    return next;
}

}  // namespace zentrel
