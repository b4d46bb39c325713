// SPDX-License-Identifier: GPL-3.0-or-later
// The view session on its own: drawings halted and nested, the cap on
// nesting, the hand's redraws giving way to newer views, and a view that
// fails as it is redrawn.

#include <gtest/gtest.h>

#include "engine/sweep.h"
#include "params/mouse_navigation.h"
#include "session_fixture.h"
#include "support.h"

namespace zentrel::test {
namespace {

TEST_F(SessionTest, AHaltAfterAColumnLeavesExactlyThoseColumns)
{
    window.fields = F("3", "-7", "60", "0.5");
    atColumn(1, 19, [this] { session.halt(); });
    session.patternClicked(kAqua);

    const Picture aqua = enginePicture(kAqua);
    for (int c = 0; c < 20; ++c) EXPECT_TRUE(window.columnIs(c, aqua));
    for (int c = 20; c < 60; ++c) EXPECT_TRUE(window.columnIsBlank(c));
    EXPECT_TRUE(session.drawing().haltRequested());
    EXPECT_EQ(session.shownView(), viewWith(patternAt(kAqua), window.fields));

    // The next click draws the whole picture.
    session.patternClicked(kAqua);
    EXPECT_FALSE(session.drawing().haltRequested());
    EXPECT_TRUE(window.showsAlone(aqua));
}

TEST_F(SessionTest, AHaltWithNoDrawingChangesNothing)
{
    session.halt();
    EXPECT_TRUE(window.blank());
    EXPECT_EQ(session.shownView(), std::nullopt);
    EXPECT_TRUE(window.marks.empty());
}

TEST_F(SessionTest, APatternClickedWhileDrawingRunsNestedThenTheFirstGoesOn)
{
    window.fields = F("3", "-7", "60", "0.5");
    atColumn(1, 19, [this] { session.patternClicked(kTang); });
    session.patternClicked(kAqua);

    const Picture aqua = enginePicture(kAqua);
    const Picture tang = enginePicture(kTang);
    for (int c = 0; c < 20; ++c) EXPECT_TRUE(window.columnIs(c, tang));
    for (int c = 20; c < 60; ++c) EXPECT_TRUE(window.columnIs(c, aqua));
    EXPECT_EQ(window.marks, (std::vector<int>{kAqua, kTang}));
    // The picture is the first drawing's, which went on over it; the
    // pattern chosen is the last clicked.
    EXPECT_EQ(session.shownView(), viewWith(patternAt(kAqua), window.fields));
    EXPECT_EQ(session.typedView(), viewWith(patternAt(kTang), window.fields));
    EXPECT_EQ(session.drawing().nesting(), 0);
}

TEST_F(SessionTest, OneHaltStopsEveryNestedDrawing)
{
    window.fields = F("3", "-7", "60", "0.5");
    atColumn(1, 19, [this] { session.patternClicked(kTang); });
    atColumn(2, 5, [this] { session.halt(); });
    session.patternClicked(kAqua);

    const Picture aqua = enginePicture(kAqua);
    const Picture tang = enginePicture(kTang);
    for (int c = 0; c <= 5; ++c) EXPECT_TRUE(window.columnIs(c, tang));
    for (int c = 6; c < 20; ++c) EXPECT_TRUE(window.columnIs(c, aqua));
    for (int c = 20; c < 60; ++c) EXPECT_TRUE(window.columnIsBlank(c));
}

// The area cleared under two drawings holds no view's picture: the hand
// has nothing to move and the way back records no picture.
TEST_F(SessionTest, AResetInsideANestedDrawingLeavesNoPictureShown)
{
    window.fields = F("3", "-7", "60", "0.5");
    atColumn(1, 19, [this] { session.patternClicked(kTang); });
    atColumn(2, 5, [this] { session.reset(); });
    session.patternClicked(kAqua);

    EXPECT_TRUE(window.blank());
    EXPECT_EQ(window.fields, F("1", "1", "100", "1", "150"));
    EXPECT_EQ(session.shownView(), std::nullopt);
    session.panBy(10, 10);
    EXPECT_EQ(window.fields, F("1", "1", "100", "1", "150"));
    EXPECT_TRUE(window.blank());
}

TEST_F(SessionTest, NestingBeyondTheCapIsRefused)
{
    window.fields = F("1", "1", "1");
    int deepest = 0;
    int clicks = 0;
    session.drawing().columnObserver = [&](int) {
        deepest = std::max(deepest, session.drawing().nesting());
        if (clicks++ < DrawingController::kMaxNesting + 20)
            soon([this] { session.patternClicked(2); });
    };
    session.patternClicked(2);

    EXPECT_EQ(deepest, DrawingController::kMaxNesting);
    EXPECT_EQ(session.drawing().nesting(), 0);
    // A refused click marks no button.
    EXPECT_EQ(window.marks.size(), static_cast<std::size_t>(DrawingController::kMaxNesting));
    EXPECT_EQ(session.shownView(), viewWith(patternAt(2), window.fields));
}

// "aqua" is clicked while "riski" draws, and riski's picture is the one the
// hand moves; riski draws at this Xoom, but not at twice it.
TEST_F(SessionTest, AViewThatFailsWhenMovedIsDrawnColumnByColumnWithItsOwnPattern)
{
    window.fields = F("3", "-7", "120", "5e153");
    atColumn(1, 0, [this] { session.patternClicked(kAqua); });
    session.patternClicked(kRiski);
    ASSERT_TRUE(window.failures.empty());
    window.plottedColumns.clear();

    const FieldTexts before = window.fields;
    session.zoomAt({60, 60}, 0.5);
    const SnapshotRule rule = patternAt(kRiski).rule;
    EXPECT_EQ(window.fields, zoomAround(before, {rule, std::nullopt}, {60, 60}, 0.5).value());
    ASSERT_EQ(window.failures.size(), 1u);
    EXPECT_EQ(window.failures[0].drawing, &patternAt(kRiski));
    const auto expected = renderPicture(WorkerPool::shared(), patternAt(kRiski), window.fields);
    ASSERT_FALSE(expected.ok());
    EXPECT_EQ(window.failures[0].failure.message(), expected.failure().message());
    EXPECT_EQ(window.marks.back(), kRiski);
    // Riski's columns up to the failing one, as a sweep hands them over.
    std::vector<int> swept;
    sweep(WorkerPool::shared(), patternAt(kRiski), window.fields, [&](int column, auto) {
        swept.push_back(column);
        return true;
    });
    EXPECT_EQ(window.plottedColumns, swept);
}

TEST_F(SessionTest, AMoveThatWouldOverflowIsReportedAndChangesNothing)
{
    window.fields = F("3", "-7", "120", "1e308");
    session.patternClicked(kRiski);
    ASSERT_EQ(window.failures.size(), 1u);
    const FieldTexts shown = window.fields;
    session.zoomAt({5, 5}, 0.5);
    ASSERT_EQ(window.failures.size(), 2u);
    EXPECT_EQ(window.failures[1].drawing, nullptr);
    ASSERT_TRUE(window.failures[1].failure.field.has_value());
    EXPECT_EQ(window.failures[1].failure.field->role, FieldRole::Xoom);
    EXPECT_EQ(window.fields, shown);
}

struct GiveWayRow : NamedRow {
    // Done by the first event pump of the hand's redraw.
    void (*meanwhile)(ViewSession& session);
    // The pattern of the picture left, and its fields from those of the
    // first move.
    int pattern;
    FieldTexts (*fieldsAfter)(const FieldTexts& moved);
};

class GivingWay : public SessionTest, public ::testing::WithParamInterface<GiveWayRow> {};

// Two moves while the first redraw computes its first piece: the first
// redraw stops there, the middle view is never drawn, and the last move is
// made from the view on the picture.
const GiveWayRow kGiveWay[] = {
    {{"to_the_newest_move"},
     [](ViewSession& s) {
         s.panBy(5, 0);
         s.panBy(7, 3);
     },
     kRiski,
     [](const FieldTexts& moved) { return panView(moved, 7, 3).value(); }},
    {{"to_a_pattern_click"},
     [](ViewSession& s) { s.patternClicked(kTang); },
     kTang,
     [](const FieldTexts& moved) { return moved; }},
};

TEST_P(GivingWay, ARedrawGivesWayAtItsNextPiece)
{
    window.fields = F("3", "-7", "120", "0.4");
    session.patternClicked(kRiski);
    const FieldTexts moved = panView(window.fields, 10, 0).value();
    int piecesBefore = -1;
    soon([&] {
        piecesBefore = window.pieces;
        GetParam().meanwhile(session);
    });
    session.panBy(10, 0);

    EXPECT_EQ(piecesBefore, 1);
    EXPECT_EQ(window.fields, GetParam().fieldsAfter(moved));
    EXPECT_EQ(session.shownView(), viewWith(patternAt(GetParam().pattern), window.fields));
    EXPECT_TRUE(window.showsAlone(enginePicture(GetParam().pattern)));
    EXPECT_TRUE(window.failures.empty());
}

INSTANTIATE_TEST_SUITE_P(Session, GivingWay, ::testing::ValuesIn(kGiveWay), byName);

}  // namespace
}  // namespace zentrel::test
