// SPDX-License-Identifier: GPL-3.0-or-later
// The way back and forward: each step brings back the view and what was
// shown with it, its picture alone on the area or an empty area; a pasted
// or opened view is one step.

#include <gtest/gtest.h>

#include "params/presets.h"
#include "session_fixture.h"
#include "support.h"

namespace zentrel::test {
namespace {

using HistoryTest = SessionTest;

TEST_F(HistoryTest, APastedViewIsOneStepBack)
{
    const FieldTexts typed = F("2", "-5", "50", "0.3");
    window.fields = typed;
    session.patternClicked(kAqua);
    const View pasted = viewWith(patternAt(kTang), F("it's 3", "&H10", "40", "1e-2", " 90 "));
    session.showView(pasted);
    EXPECT_EQ(window.fields, pasted.fields);
    EXPECT_EQ(session.shownView(), pasted);
    EXPECT_EQ(window.marks.back(), kTang);

    session.stepThroughHistory(-1);
    EXPECT_EQ(session.typedView(), viewWith(patternAt(kAqua), typed));
    EXPECT_EQ(window.marks.back(), kAqua);
    EXPECT_TRUE(window.showsAlone(enginePicture(kAqua)));
    // Nothing lies further back.
    session.stepThroughHistory(-1);
    EXPECT_EQ(window.fields, typed);
    session.stepThroughHistory(1);
    EXPECT_EQ(session.typedView(), pasted);
    EXPECT_TRUE(window.showsAlone(enginePicture(kTang)));
}

TEST_F(HistoryTest, BackAfterAResetBringsThePictureBack)
{
    const FieldTexts drawn = F("1", "1", "60", "0.15");
    session.applyFieldRule(drawn);
    session.patternClicked(kAqua);
    session.reset();
    ASSERT_TRUE(window.blank());

    session.stepThroughHistory(-1);
    EXPECT_EQ(window.fields, drawn);
    EXPECT_EQ(session.shownView(), viewWith(patternAt(kAqua), drawn));
    EXPECT_TRUE(window.showsAlone(enginePicture(kAqua)));
    // Forward again to the reset fields, where nothing was shown.
    session.stepThroughHistory(1);
    EXPECT_EQ(window.fields, resetFields());
    EXPECT_TRUE(window.blank());
    EXPECT_EQ(session.shownView(), std::nullopt);
}

TEST_F(HistoryTest, BackToAViewWithoutAPictureEmptiesTheArea)
{
    const FieldTexts drawn = F("1", "1", "60", "0.15");
    session.applyFieldRule(drawn);
    session.patternClicked(kAqua);

    session.stepThroughHistory(-1);
    EXPECT_EQ(window.fields, FieldTexts{});
    EXPECT_TRUE(window.blank());
    EXPECT_EQ(session.shownView(), std::nullopt);
    // The hand has no picture to move.
    session.panBy(3, 3);
    EXPECT_EQ(window.fields, FieldTexts{});

    session.stepThroughHistory(1);
    EXPECT_EQ(window.fields, drawn);
    EXPECT_TRUE(window.showsAlone(enginePicture(kAqua)));
}

// A smaller picture drawn over a larger one leaves the larger one's edges;
// coming back to it by the history shows it alone, as its fields say.
TEST_F(HistoryTest, ASmallerPictureComesBackAloneOnTheArea)
{
    window.fields = F("1", "1", "60", "0.2");
    session.patternClicked(kAqua);
    const FieldTexts smaller = F("1", "1", "30", "0.2");
    session.applyFieldRule(smaller);
    session.patternClicked(kAqua);
    const Picture small = enginePicture(kAqua);
    ASSERT_FALSE(window.showsAlone(small));

    session.stepThroughHistory(-1);
    EXPECT_TRUE(window.showsAlone(enginePicture(kAqua)));
    session.stepThroughHistory(1);
    EXPECT_EQ(window.fields, smaller);
    EXPECT_TRUE(window.showsAlone(small));
}

TEST_F(HistoryTest, AStepDuringADrawingStopsIt)
{
    window.fields = F("1", "1", "60", "0.2");
    session.patternClicked(kAqua);
    session.applyFieldRule(F("1", "1", "60", "0.1"));
    atColumn(1, 9, [this] { session.stepThroughHistory(-1); });
    session.patternClicked(kTang);

    // Back to aqua's fields as tang was clicked, with aqua chosen then.
    EXPECT_EQ(window.fields, F("1", "1", "60", "0.1"));
    EXPECT_EQ(window.marks.back(), kAqua);
    EXPECT_EQ(session.shownView(), viewWith(patternAt(kAqua), window.fields));
    EXPECT_TRUE(window.showsAlone(enginePicture(kAqua)));
    EXPECT_EQ(session.drawing().nesting(), 0);
}

}  // namespace
}  // namespace zentrel::test
