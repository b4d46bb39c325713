// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/picture_buffers.h"

#include <algorithm>

namespace zentrel {
namespace {

// Storage at most half as large again as asked for: a picture in the cache
// is counted by its colours, so one much larger than its picture would let
// the cache hold more than it says.
bool fits(const std::vector<Colour>& spare, std::size_t count)
{
    return spare.capacity() >= count && spare.capacity() - count <= count / 2;
}

}  // namespace

PictureBuffers& PictureBuffers::shared()
{
    // Never destroyed: pictures held by other objects that outlive main
    // may still give their storage back.
    static PictureBuffers* const buffers = new PictureBuffers;
    return *buffers;
}

std::vector<Colour> PictureBuffers::take(std::size_t count)
{
    {
        std::lock_guard lock(mutex_);
        const auto found = std::find_if(spares_.rbegin(), spares_.rend(),
                                        [&](const auto& spare) { return fits(spare, count); });
        if (found != spares_.rend()) {
            std::vector<Colour> colours = std::move(*found);
            spares_.erase(std::next(found).base());
            colours.clear();
            return colours;
        }
    }
    std::vector<Colour> colours;
    colours.reserve(count);
    return colours;
}

void PictureBuffers::giveBack(std::vector<Colour> colours)
{
    if (colours.capacity() == 0) return;
    std::lock_guard lock(mutex_);
    spares_.push_back(std::move(colours));
    if (spares_.size() > kSpares) spares_.erase(spares_.begin());
}

std::shared_ptr<DrawnView> PictureBuffers::own(DrawnView view)
{
    return std::shared_ptr<DrawnView>(new DrawnView(std::move(view)), [this](DrawnView* done) {
        giveBack(std::move(done->picture.colours));
        delete done;
    });
}

std::size_t PictureBuffers::spares() const
{
    std::lock_guard lock(mutex_);
    return spares_.size();
}

}  // namespace zentrel
