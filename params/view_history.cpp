// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/view_history.h"

#include <algorithm>

namespace zentrel {

ViewHistory::ViewHistory(std::size_t steps) : steps_(std::max<std::size_t>(steps, 1)) {}

bool ViewHistory::keepable(const ViewStep& view)
{
    for (FieldRole role : {FieldRole::Across, FieldRole::Down, FieldRole::Size, FieldRole::Xoom,
                           FieldRole::Brightness})
        if (fieldText(view.fields, role).size() > kMaxTextLength) return false;
    return true;
}

bool ViewHistory::record(const ViewStep& left)
{
    forward_.clear();
    if (!keepable(left)) return false;
    if (back_.empty() || back_.back() != left) back_.push_back(left);
    if (back_.size() > steps_) back_.pop_front();
    return true;
}

std::optional<ViewStep> ViewHistory::back(const ViewStep& current)
{
    return step(back_, forward_, current);
}

std::optional<ViewStep> ViewHistory::forward(const ViewStep& current)
{
    return step(forward_, back_, current);
}

// Both ends together hold at most steps_ views: a step moves one view from
// one end to the other, and a view that cannot be kept takes no place.
std::optional<ViewStep> ViewHistory::step(std::deque<ViewStep>& from, std::deque<ViewStep>& to,
                                          const ViewStep& current)
{
    if (from.empty()) return std::nullopt;
    ViewStep next = std::move(from.back());
    from.pop_back();
    if (keepable(current)) to.push_back(current);
    return next;
}

}  // namespace zentrel
