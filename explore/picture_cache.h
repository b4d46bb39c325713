// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "explore/drawn_view.h"

namespace zentrel {

// The pictures of recent views, to show one again at once when its view
// comes back. Bounded in bytes; the view used longest ago goes first.
class PictureCache {
public:
    // About twenty pictures of 1024 x 768, or five at density 2.
    static constexpr std::size_t kDefaultBytes = std::size_t{64} << 20;

    explicit PictureCache(std::size_t bytes = kDefaultBytes);

    // Keeps a whole picture, in place of one of the same view; one larger
    // than the whole cache is not kept.
    void keep(std::shared_ptr<const DrawnView> view);
    // The picture the pattern draws for the sweep, if kept: the same
    // colouring and bit for bit the same loop values. It becomes the newest.
    std::shared_ptr<const DrawnView> find(const Pattern& pattern, const PreparedSweep& sweep);

    std::size_t bytes() const { return bytes_; }
    std::size_t size() const { return views_.size(); }

    // What a view takes in the cache.
    static std::size_t bytesOf(const DrawnView& view);

private:
    std::size_t limit_;
    std::size_t bytes_ = 0;
    std::vector<std::shared_ptr<const DrawnView>> views_;  // newest last
};

}  // namespace zentrel
