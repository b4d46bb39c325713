// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/picture_cache.h"

#include <algorithm>

namespace zentrel {
namespace {

bool sameValues(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameBits);
}

bool sameView(const DrawnView& view, const Pattern& pattern, const PreparedSweep& sweep)
{
    return sameColouring(*view.pattern, view.sweep.snapshot, pattern, sweep.snapshot) &&
           sameValues(view.sweep.grid.xs, sweep.grid.xs) &&
           sameValues(view.sweep.grid.ys, sweep.grid.ys);
}

}  // namespace

PictureCache::PictureCache(std::size_t bytes) : limit_(bytes) {}

std::size_t PictureCache::bytesOf(const DrawnView& view)
{
    return sizeof view + view.picture.colours.size() * sizeof(Colour) +
           (view.sweep.grid.xs.size() + view.sweep.grid.ys.size()) * sizeof(double);
}

void PictureCache::keep(std::shared_ptr<const DrawnView> view)
{
    const std::size_t size = bytesOf(*view);
    if (size > limit_) return;
    if (const auto same = find(*view->pattern, view->sweep)) {
        bytes_ -= bytesOf(*same);
        views_.pop_back();
    }
    while (bytes_ + size > limit_) {
        bytes_ -= bytesOf(*views_.front());
        views_.erase(views_.begin());
    }
    bytes_ += size;
    views_.push_back(std::move(view));
}

std::shared_ptr<const DrawnView> PictureCache::find(const Pattern& pattern,
                                                    const PreparedSweep& sweep)
{
    const auto found = std::find_if(views_.begin(), views_.end(), [&](const auto& view) {
        return sameView(*view, pattern, sweep);
    });
    if (found == views_.end()) return nullptr;
    std::rotate(found, found + 1, views_.end());
    return views_.back();
}

}  // namespace zentrel
