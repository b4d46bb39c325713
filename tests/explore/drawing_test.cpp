// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing on a canvas: its columns in order, its halt after a column,
// drawings started from the event pump run inside the one that pumps, and a
// failure ends it without a picture.

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "engine/worker_pool.h"
#include "explore/drawing.h"
#include "explore/picture_buffers.h"
#include "recording_canvas.h"
#include "support.h"
#include "test_patterns.h"

namespace zentrel {
namespace {

using test::F;
using Kind = DrawingEnd::Kind;

std::vector<int> upTo(int count)
{
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}

class Drawing : public ::testing::Test {
protected:
    DrawingEnd draw(const Pattern& pattern, const FieldTexts& fields)
    {
        return controller.draw(pattern, fields, [this] { ++starts; });
    }

    WorkerPool pool{3};
    test::RecordingCanvas canvas;
    std::function<void()> pump = [] {};
    DrawingController controller{pool, canvas, [this] { pump(); }};
    int starts = 0;
};

TEST_F(Drawing, PlotsEveryColumnInOrderAndKeepsThePicture)
{
    const FieldTexts fields = F("0", "0", "24");
    const DrawingEnd end = draw(test::healthy, fields);
    ASSERT_EQ(end.kind, Kind::Finished);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(canvas.columns, upTo(24));
    EXPECT_EQ(canvas.showAlls, 1);
    const Picture fresh = renderPicture(pool, test::healthy, fields).value();
    ASSERT_NE(end.drawn, nullptr);
    EXPECT_TRUE(test::samePicture(end.drawn->picture, fresh));
    EXPECT_TRUE(test::samePicture(canvas.shown, fresh));
    EXPECT_EQ(end.drawn->pattern, &test::healthy);
}

TEST_F(Drawing, DrawsTheSameViewFinerAtAHigherDensity)
{
    controller.setDensity(2);
    const FieldTexts fields = F("0", "0", "10");
    const DrawingEnd end = draw(test::healthy, fields);
    ASSERT_EQ(end.kind, Kind::Finished);
    EXPECT_EQ(canvas.columns, upTo(20));
    EXPECT_TRUE(test::samePicture(
        end.drawn->picture,
        renderPicture(pool, test::healthy, fields, Sampling{2, std::nullopt}).value()));
}

// Storage is handed on from drawing to drawing: one in the storage of a
// halted drawing, which held another view's picture before that, still ends
// on exactly the fresh picture.
TEST_F(Drawing, ADrawingInTheStorageOfAHaltedOneEndsOnTheFreshPicture)
{
    const FieldTexts fields = F("0", "0", "24");
    ASSERT_EQ(draw(test::healthy, F("500", "500", "24")).kind, Kind::Finished);
    controller.columnObserver = [this](int column) {
        if (column == 5) controller.requestHalt();
    };
    ASSERT_EQ(draw(test::healthy, fields).kind, Kind::Halted);
    controller.columnObserver = nullptr;
    const std::size_t spares = PictureBuffers::shared().spares();
    const DrawingEnd end = draw(test::healthy, fields);
    ASSERT_EQ(end.kind, Kind::Finished);
    EXPECT_EQ(PictureBuffers::shared().spares(), spares - 1);  // the halted drawing's
    EXPECT_TRUE(
        test::samePicture(end.drawn->picture, renderPicture(pool, test::healthy, fields).value()));
}

TEST_F(Drawing, HaltsAfterTheColumnWhereTheHaltCame)
{
    controller.columnObserver = [this](int column) {
        if (column == 5) controller.requestHalt();
    };
    const DrawingEnd end = draw(test::healthy, F("0", "0", "24"));
    EXPECT_EQ(end.kind, Kind::Halted);
    EXPECT_EQ(end.drawn, nullptr);
    EXPECT_EQ(canvas.columns, upTo(6));
    EXPECT_EQ(canvas.showAlls, 1);
    // The next drawing starts afresh.
    controller.columnObserver = nullptr;
    canvas.clearRecord();
    EXPECT_EQ(draw(test::healthy, F("0", "0", "8")).kind, Kind::Finished);
    EXPECT_EQ(canvas.columns, upTo(8));
}

TEST_F(Drawing, HaltsFromTheEventPumpToo)
{
    int pumped = 0;
    pump = [&] {
        if (++pumped == 3) controller.requestHalt();
    };
    EXPECT_EQ(draw(test::healthy, F("0", "0", "24")).kind, Kind::Halted);
    EXPECT_EQ(canvas.columns, upTo(3));
}

TEST_F(Drawing, StartedFromThePumpRunsWholeInsideTheDrawingThatPumps)
{
    std::vector<int> depths;
    std::optional<DrawingEnd> inner;
    controller.columnObserver = [&](int) { depths.push_back(controller.nesting()); };
    pump = [&] {
        if (!inner && canvas.columns.size() == 2) inner = draw(test::healthy, F("0", "0", "3"));
    };
    const DrawingEnd outer = draw(test::healthy, F("0", "0", "5"));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->kind, Kind::Finished);
    EXPECT_EQ(outer.kind, Kind::Finished);
    EXPECT_EQ(canvas.columns, (std::vector<int>{0, 1, 0, 1, 2, 2, 3, 4}));
    EXPECT_EQ(depths, (std::vector<int>{1, 1, 2, 2, 2, 1, 1, 1}));
    EXPECT_EQ(controller.nesting(), 0);
    EXPECT_EQ(starts, 2);
}

TEST_F(Drawing, AHaltStopsEveryRunningDrawingInnermostFirst)
{
    std::optional<DrawingEnd> inner;
    pump = [&] {
        if (!inner && controller.nesting() == 1)
            inner = draw(test::healthy, F("0", "0", "6"));
        else if (controller.nesting() == 2 && canvas.columns.size() == 3)
            controller.requestHalt();
    };
    const DrawingEnd outer = draw(test::healthy, F("0", "0", "6"));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->kind, Kind::Halted);
    EXPECT_EQ(outer.kind, Kind::Halted);
    // The outer drawing's first column, two of the inner one's, and then
    // nothing more of either.
    EXPECT_EQ(canvas.columns, (std::vector<int>{0, 0, 1}));
}

TEST_F(Drawing, RefusesADrawingNestedBeyondTheCap)
{
    int deepest = 0;
    int refused = 0;
    int finished = 0;
    // Every drawing of one column starts another from its pump.
    pump = [&] {
        deepest = std::max(deepest, controller.nesting());
        const DrawingEnd end = draw(test::healthy, F("0", "0", "1"));
        if (end.kind == Kind::Refused) ++refused;
        if (end.kind == Kind::Finished) ++finished;
    };
    EXPECT_EQ(draw(test::healthy, F("0", "0", "1")).kind, Kind::Finished);
    EXPECT_EQ(deepest, DrawingController::kMaxNesting);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(finished, DrawingController::kMaxNesting - 1);
    // A refused drawing is not started: no button is marked for it.
    EXPECT_EQ(starts, DrawingController::kMaxNesting);
    EXPECT_EQ(controller.nesting(), 0);
}

struct FailureRow : test::NamedRow {
    const Pattern* pattern;
    FieldTexts fields;
};

class DrawingFailure : public Drawing, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(DrawingFailure, EndsFailedWithTheRendersFailureAndNoPicture)
{
    const FailureRow& row = GetParam();
    const DrawingEnd end = draw(*row.pattern, row.fields);
    EXPECT_EQ(end.kind, Kind::Failed);
    EXPECT_EQ(end.drawn, nullptr);
    ASSERT_TRUE(end.failure);
    const Outcome<Picture> fresh = renderPicture(pool, *row.pattern, row.fields);
    ASSERT_FALSE(fresh);
    EXPECT_EQ(end.failure->message(), fresh.failure().message());
    EXPECT_EQ(controller.nesting(), 0);
}

const FailureRow kFailures[] = {
    // A division by zero at x = 4, y = 3: the fourth column.
    {{"formula"}, &test::dividesAtPoint, F("0", "0", "8", "4", "3")},
    {{"formula_in_the_first_column"}, &test::dividesAtPoint, F("0", "0", "8", "1", "3")},
    {{"field"}, &test::healthy, F("0", "0", "8", "1e999")},
    {{"position"}, &test::healthy, F("1e16", "0", "8")},
};
INSTANTIATE_TEST_SUITE_P(Rows, DrawingFailure, ::testing::ValuesIn(kFailures), test::byName);

}  // namespace
}  // namespace zentrel
