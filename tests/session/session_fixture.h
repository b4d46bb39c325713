// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "engine/render.h"
#include "engine/worker_pool.h"
#include "fake_window.h"
#include "patterns/pattern_table.h"
#include "session/view_session.h"

namespace zentrel::test {

inline constexpr int kAqua = 0;
inline constexpr int kRiski = 16;
inline constexpr int kTang = 18;

inline const Pattern& patternAt(int index) { return *patternTable()[index]; }

// A session in a fake window, on the program's own pool of workers.
class SessionTest : public ::testing::Test {
protected:
    // Done by the event pump that the drawing runs next.
    void soon(std::function<void()> action) { window.queued.push_back(std::move(action)); }
    // Done once, by the event pump after the drawing at this depth has
    // plotted the column.
    void atColumn(int depth, int column, std::function<void()> action)
    {
        triggers_.push_back({depth, column, std::move(action)});
        session.drawing().columnObserver = [this](int plotted) {
            for (Trigger& t : triggers_)
                if (t.action && session.drawing().nesting() == t.depth && plotted == t.column)
                    soon(std::exchange(t.action, nullptr));
        };
    }
    // The engine's picture of the pattern and the fields shown.
    Picture enginePicture(int index) const
    {
        const auto picture = renderPicture(WorkerPool::shared(), patternAt(index), window.fields);
        EXPECT_TRUE(picture.ok()) << picture.failure().message();
        return picture ? picture.value() : Picture{};
    }

    struct Trigger {
        int depth;
        int column;
        std::function<void()> action;
    };
    std::vector<Trigger> triggers_;

    FakeWindow window;
    ViewSession session{WorkerPool::shared(), window, window, [this] { window.pumpEvents(); }};
};

}  // namespace zentrel::test
