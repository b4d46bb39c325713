// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/render.h"
#include "explore/drawn_view.h"

namespace zentrel {

// The storage of the pictures that drawings fill, handed on from a picture
// no longer wanted (a view the cache let go of, a drawing halted) to the
// next drawing of the same size. Memory fresh from the system costs a page
// fault for every few kilobytes the first time it is written, which for a
// picture of the window is more than the per-column work of a cheap
// pattern; storage written before costs nothing of the kind.
class PictureBuffers {
public:
    // Pictures kept for the next drawings beyond those in use.
    static constexpr std::size_t kSpares = 2;

    // The store every drawing of the program shares; it lasts as long as
    // the program, so a picture may be let go of at any time.
    static PictureBuffers& shared();

    // No colours yet, room for count of them: the storage given back last
    // of those of about that size, where there is one.
    std::vector<Colour> take(std::size_t count);
    // The storage is kept for a later take; beyond kSpares, the one given
    // back first goes.
    void giveBack(std::vector<Colour> colours);
    // The view, its picture's storage given back when the last owner lets
    // go of it.
    std::shared_ptr<DrawnView> own(DrawnView view);

    std::size_t spares() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::vector<Colour>> spares_;  // given back last at the end
};

}  // namespace zentrel
