// SPDX-License-Identifier: GPL-3.0-or-later
// The history of views: back and forward as a browser goes, and its bounds
// in steps and in the length of a text.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "params/view_history.h"
#include "support.h"

namespace zentrel {
namespace {

using test::F;

// Views told apart by their pattern and position.
ViewStep view(int n) { return {n % 19, F(std::to_string(n), "1", "150")}; }

TEST(ViewHistory, GoesBackAndForwardAsABrowserDoes)
{
    ViewHistory history;
    for (int n = 0; n < 3; ++n) EXPECT_TRUE(history.record(view(n)));
    // Showing view 3.
    EXPECT_EQ(history.back(view(3)), view(2));
    EXPECT_EQ(history.back(view(2)), view(1));
    EXPECT_EQ(history.forward(view(1)), view(2));
    EXPECT_EQ(history.forward(view(2)), view(3));
    EXPECT_EQ(history.forward(view(3)), std::nullopt);
    EXPECT_EQ(history.backSteps(), 3u);
}

TEST(ViewHistory, ARecordAfterGoingBackDropsTheStepsAhead)
{
    ViewHistory history;
    history.record(view(0));
    history.record(view(1));
    ASSERT_EQ(history.back(view(2)), view(1));
    EXPECT_EQ(history.forwardSteps(), 1u);
    history.record(view(1));  // left for view 5
    EXPECT_EQ(history.forwardSteps(), 0u);
    EXPECT_EQ(history.forward(view(5)), std::nullopt);
    EXPECT_EQ(history.back(view(5)), view(1));
    EXPECT_EQ(history.back(view(1)), view(0));
    EXPECT_EQ(history.back(view(0)), std::nullopt);
}

TEST(ViewHistory, TheSameViewTwiceInARowIsOneStep)
{
    ViewHistory history;
    history.record(view(7));
    history.record(view(7));
    EXPECT_EQ(history.backSteps(), 1u);
}

TEST(ViewHistory, KeepsTheNewest256StepsAndNoMore)
{
    ViewHistory history;
    ASSERT_EQ(ViewHistory::kDefaultSteps, 256u);
    for (int n = 0; n < 1000; ++n) history.record(view(n));
    EXPECT_EQ(history.backSteps(), 256u);
    ViewStep current = view(1000);
    for (int n = 999; n >= 1000 - 256; --n) {
        const std::optional<ViewStep> back = history.back(current);
        ASSERT_EQ(back, view(n));
        current = *back;
    }
    EXPECT_EQ(history.back(current), std::nullopt);
    // Back at the oldest, everything else lies ahead, and no more than that.
    EXPECT_EQ(history.forwardSteps(), 256u);
}

TEST(ViewHistory, BothWaysTogetherStayWithinTheBound)
{
    ViewHistory history(4);
    for (int n = 0; n < 10; ++n) history.record(view(n));
    ViewStep current = view(10);
    for (int step = 0; step < 50; ++step) {
        const std::optional<ViewStep> next =
            step % 3 ? history.back(current) : history.forward(current);
        if (next) current = *next;
        EXPECT_LE(history.backSteps() + history.forwardSteps(), 4u);
    }
}

TEST(ViewHistory, AViewWithATextTooLongIsNotKept)
{
    ViewHistory history;
    ViewStep longest = view(1);
    longest.fields.brightness = std::string(ViewHistory::kMaxTextLength, '5');
    ViewStep tooLong = view(2);
    tooLong.fields.xoom = std::string(ViewHistory::kMaxTextLength + 1, '1');
    EXPECT_TRUE(history.record(longest));
    EXPECT_FALSE(history.record(tooLong));
    EXPECT_EQ(history.backSteps(), 1u);
    // Left by going back, it is not kept for the way forward either.
    EXPECT_EQ(history.back(tooLong), longest);
    EXPECT_EQ(history.forwardSteps(), 0u);
}

}  // namespace
}  // namespace zentrel
