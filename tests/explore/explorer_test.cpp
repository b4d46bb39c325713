// SPDX-License-Identifier: GPL-3.0-or-later
// Views that follow the hand: a view drawn not long ago is shown at once, a
// moved one keeps the pixels it shares with the picture on the canvas and
// computes only the rest, a stop ends it, and whichever way it came, the
// final picture is the one a fresh drawing gives.

#include <gtest/gtest.h>

#include <vector>

#include "engine/worker_pool.h"
#include "explore/drawing.h"
#include "explore/explorer.h"
#include "recording_canvas.h"
#include "support.h"
#include "test_patterns.h"

namespace zentrel {
namespace {

using test::F;
using Kind = Explorer::End::Kind;

class Exploring : public ::testing::Test {
protected:
    // Shows the view and expects the canvas to hold its fresh picture.
    void show(const FieldTexts& fields)
    {
        canvas.clearRecord();
        const Explorer::End end = explorer.show(test::healthy, fields, [] { return false; });
        ASSERT_EQ(end.kind, Kind::Shown);
        const Picture fresh =
            renderPicture(pool, test::healthy, fields, Sampling{density, std::nullopt}).value();
        ASSERT_TRUE(test::samePicture(canvas.shown, fresh));
    }

    WorkerPool pool{3};
    test::RecordingCanvas canvas;
    int pumped = 0;
    Explorer explorer{pool, canvas, [this] { ++pumped; }};
    int density = 1;
};

TEST_F(Exploring, DrawsANewViewCoarseToFineComputingEachPixelOnce)
{
    show(F("0", "0", "20"));
    EXPECT_EQ(canvas.piecePixels, 20 * 20);
    EXPECT_EQ(canvas.pictures, 0);
    EXPECT_GT(pumped, 0);
}

TEST_F(Exploring, ShowsAViewDrawnNotLongAgoAtOnce)
{
    show(F("0", "0", "20"));
    show(F("500", "500", "20"));
    show(F("0", "0", "20"));
    EXPECT_EQ(canvas.pictures, 1);
    EXPECT_EQ(canvas.piecePixels, 0);
}

struct MoveRow : test::NamedRow {
    FieldTexts next;
    int computed;  // pixels the move leaves to compute
};

class ExploringMoves : public Exploring, public ::testing::WithParamInterface<MoveRow> {};

TEST_P(ExploringMoves, KeepThePixelsOfThePictureOnTheCanvas)
{
    show(F("10", "10", "20"));
    show(GetParam().next);
    EXPECT_EQ(canvas.piecePixels, GetParam().computed);
}

const MoveRow kMoves[] = {
    {{"right"}, F("13", "10", "20"), 3 * 20},
    {{"left"}, F("7", "10", "20"), 3 * 20},
    {{"down"}, F("10", "15", "20"), 5 * 20},
    {{"diagonally"}, F("12", "8", "20"), 2 * 20 + 18 * 2},
    // Nothing is shared: coarse to fine, every pixel.
    {{"far"}, F("40", "10", "20"), 20 * 20},
    // Another Xoom colours the same loop values differently.
    {{"zoomed"}, F("10", "10", "20", "2"), 20 * 20},
    // A fractional origin has other loop values.
    {{"by_a_fraction"}, F("10.5", "10", "20"), 20 * 20},
};
INSTANTIATE_TEST_SUITE_P(Rows, ExploringMoves, ::testing::ValuesIn(kMoves), test::byName);

TEST_F(Exploring, AMoveFromAViewShownAgainKeepsThatViewsPixels)
{
    show(F("0", "0", "20"));
    show(F("500", "500", "20"));
    show(F("0", "0", "20"));  // from the cache: this is the picture on the canvas now
    show(F("2", "0", "20"));
    EXPECT_EQ(canvas.piecePixels, 2 * 20);
}

TEST_F(Exploring, AMoveFromAPictureDrawnColumnByColumnKeepsItsPixels)
{
    DrawingController drawing(pool, canvas, [] {});
    const DrawingEnd end = drawing.draw(test::healthy, F("0", "0", "20"), [] {});
    ASSERT_EQ(end.kind, DrawingEnd::Kind::Finished);
    explorer.remember(end.drawn);
    show(F("0", "4", "20"));
    EXPECT_EQ(canvas.piecePixels, 4 * 20);
    // And the view drawn is kept as well.
    show(F("0", "0", "20"));
    EXPECT_EQ(canvas.pictures, 1);
    EXPECT_EQ(canvas.piecePixels, 0);
}

TEST_F(Exploring, AfterTheCanvasIsClearedNothingIsKept)
{
    show(F("0", "0", "20"));
    explorer.forget();
    show(F("1", "0", "20"));
    EXPECT_EQ(canvas.piecePixels, 20 * 20);
}

TEST_F(Exploring, ANewDensityForgetsEveryPicture)
{
    show(F("0", "0", "10"));
    density = 2;
    explorer.setDensity(2);
    show(F("0", "0", "10"));
    EXPECT_EQ(canvas.piecePixels, 20 * 20);
    show(F("1", "0", "10"));
    EXPECT_EQ(canvas.piecePixels, 2 * 20);
}

TEST_F(Exploring, StopsWhenToldAndKeepsNothingOfTheStoppedView)
{
    int pieces = 0;
    const Explorer::End end =
        explorer.show(test::healthy, F("0", "0", "20"), [&] { return ++pieces == 2; });
    EXPECT_EQ(end.kind, Kind::Stopped);
    EXPECT_EQ(pieces, 2);
    EXPECT_EQ(canvas.showAlls, 1);
    // Neither shown again at once nor reused: drawn whole.
    show(F("0", "0", "20"));
    EXPECT_EQ(canvas.pictures, 0);
    EXPECT_EQ(canvas.piecePixels, 20 * 20);
}

// Storage is handed on from view to view: a moved view in the storage of one
// stopped on its way shows at once the pixels it keeps and nothing else.
TEST_F(Exploring, AMovedViewInTheStorageOfAStoppedOneShowsOnlyWhatItKeeps)
{
    show(F("10", "10", "20"));
    int pieces = 0;
    explorer.show(test::healthy, F("300", "300", "20"), [&] { return ++pieces == 3; });
    ASSERT_NE(canvas.shown.at(0, 0), 0u);  // the stopped view's first pixel
    show(F("7", "10", "20"));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 20; ++r) ASSERT_EQ(canvas.lastPicture.at(c, r), 0u) << c << ", " << r;
    EXPECT_EQ(canvas.piecePixels, 3 * 20);
}

TEST_F(Exploring, AFailureEndsTheViewAndKeepsNothing)
{
    const FieldTexts fields = F("0", "0", "20", "5", "6");
    const auto never = [] { return false; };
    const Explorer::End end = explorer.show(test::dividesAtPoint, fields, never);
    EXPECT_EQ(end.kind, Kind::Failed);
    ASSERT_TRUE(end.failure);
    EXPECT_EQ(end.failure->fault, Fault::DivisionByZero);
    EXPECT_EQ(explorer.show(test::healthy, F("0", "0", "20", "1e999"), never).kind, Kind::Failed);
    canvas.clearRecord();
    EXPECT_EQ(explorer.show(test::dividesAtPoint, fields, never).kind, Kind::Failed);
    EXPECT_EQ(canvas.pictures, 0);
}

}  // namespace
}  // namespace zentrel
