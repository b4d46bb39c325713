// SPDX-License-Identifier: GPL-3.0-or-later
// The keyframes of a movie as the window gathers them: added, reordered and
// removed by hand, taken from the history, and made a path; and a movie's
// frames played in the window leave the history as it was.

#include <gtest/gtest.h>

#include "params/presets.h"
#include "session/movie_keyframes.h"
#include "session_fixture.h"
#include "support.h"

namespace zentrel::test {
namespace {

View aquaAt(const std::string& xoom) { return viewWith(patternAt(kAqua), F("1", "1", "40", xoom)); }

// The Xooms of the list's views, in order.
std::vector<std::string> xoomsOf(const KeyframeList& list)
{
    std::vector<std::string> xooms;
    for (const MovieKeyframe& keyframe : list.keyframes())
        xooms.push_back(keyframe.view.fields.xoom);
    return xooms;
}

struct Edit {
    const char* what;
    void (*apply)(KeyframeList&);
    std::vector<std::string> xooms;
};

TEST(KeyframeListTest, EditsKeepEveryKeyframeOnce)
{
    const Edit edits[] = {
        {"the same view twice in a row",
         [](KeyframeList& l) { l.add(aquaAt("4")); },
         {"1", "2", "4"}},
        {"down one", [](KeyframeList& l) { l.move(0, 1); }, {"2", "1", "4"}},
        {"last to first", [](KeyframeList& l) { l.move(2, 0); }, {"4", "1", "2"}},
        {"up to where it is", [](KeyframeList& l) { l.move(1, 1); }, {"1", "2", "4"}},
        {"beyond the end", [](KeyframeList& l) { l.move(0, 3); }, {"1", "2", "4"}},
        {"the middle removed", [](KeyframeList& l) { l.remove(1); }, {"1", "4"}},
        {"none removed past the end", [](KeyframeList& l) { l.remove(3); }, {"1", "2", "4"}},
    };
    for (const Edit& edit : edits) {
        KeyframeList list;
        for (const char* xoom : {"1", "2", "4"}) list.add(aquaAt(xoom));
        edit.apply(list);
        EXPECT_EQ(xoomsOf(list), edit.xooms) << edit.what;
    }
}

TEST(KeyframeListTest, TheSecondsGoWithTheirKeyframe)
{
    KeyframeList list;
    for (const char* xoom : {"1", "2", "4"}) list.add(aquaAt(xoom));
    list.setSeconds(0, 5);
    list.move(0, 2);
    EXPECT_EQ(list.keyframes()[2].seconds, 5);
    EXPECT_EQ(list.keyframes()[0].seconds, kDefaultFlightSeconds);
}

TEST(KeyframePathTest, TheListMakesAPathInTheMoviesSampling)
{
    KeyframeList list;
    for (const char* xoom : {"1", "0.5", "0.25"}) list.add(aquaAt(xoom));
    list.setSeconds(0, 3);
    list.setSeconds(2, 9);  // the last keyframe has no flight: its seconds do not count
    const auto path = pathOf(list, {2, 3, true});
    ASSERT_TRUE(path.ok()) << path.failure().message();
    const auto& keys = path.value().keyframes;
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(path.value().totalSeconds(), 3 + kDefaultFlightSeconds);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].view.fields, list.keyframes()[i].view.fields);
        EXPECT_EQ(keys[i].view.density, 2);
        EXPECT_EQ(keys[i].view.supersample, 3);
        EXPECT_EQ(keys[i].ease, i < 2);
        EXPECT_EQ(keys[i].line, static_cast<int>(i + 1));
    }
}

TEST(KeyframePathTest, APathNeedsTwoKeyframesAndFlightsOfSomeSeconds)
{
    KeyframeList list;
    EXPECT_FALSE(pathOf(list, {}).ok());
    list.add(aquaAt("1"));
    EXPECT_FALSE(pathOf(list, {}).ok());
    list.add(aquaAt("2"));
    EXPECT_TRUE(pathOf(list, {}).ok());
    for (double seconds : {0.0, -1.0, std::nan("")}) {
        list.setSeconds(0, seconds);
        const auto path = pathOf(list, {});
        ASSERT_FALSE(path.ok()) << seconds;
        EXPECT_EQ(path.failure().where.rfind("keyframe 1:", 0), 0u) << path.failure().where;
    }
}

using MovieHistoryTest = SessionTest;

// Three views left behind and the view now: the history offers them from
// any step, the oldest first.
TEST_F(MovieHistoryTest, KeyframesComeFromTheHistoryToTheViewNow)
{
    window.fields = F("1", "1", "40", "1");
    session.patternClicked(kAqua);
    session.applyFieldRule(halveXoom(window.fields));
    session.applyFieldRule(halveXoom(window.fields));
    session.patternClicked(kTang);
    const auto& earlier = session.history().earlier();
    ASSERT_EQ(earlier.size(), 3u);

    const KeyframeList all = keyframesFromHistory(earlier, 0, session.typedView());
    EXPECT_EQ(xoomsOf(all), (std::vector<std::string>{"1", "0.5", "0.25", "0.25"}));
    EXPECT_EQ(all.keyframes().back().view, session.typedView());
    EXPECT_EQ(all.keyframes().front().view.pattern, &patternAt(kAqua));

    const KeyframeList last = keyframesFromHistory(earlier, 2, session.typedView());
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last.keyframes()[0].view, viewWith(patternAt(kAqua), F("1", "1", "40", "0.25")));
    EXPECT_EQ(keyframesFromHistory(earlier, 9, std::nullopt).size(), 0u);
}

// A step of no pattern (fields typed before any was clicked) is no view.
TEST_F(MovieHistoryTest, AStepOfNoPatternIsPassedOver)
{
    window.fields = F("1", "1", "40", "1");
    session.applyFieldRule(halveXoom(window.fields));
    session.patternClicked(kAqua);
    ASSERT_EQ(session.history().earlier().size(), 1u);
    const KeyframeList list =
        keyframesFromHistory(session.history().earlier(), 0, session.typedView());
    EXPECT_EQ(xoomsOf(list), (std::vector<std::string>{"0.5"}));
}

// A movie's frames shown in the window: the fields follow them and the
// picture is theirs, but the way back knows nothing of them.
TEST_F(MovieHistoryTest, APreviewedFrameIsShownAndNotRecorded)
{
    window.fields = F("1", "1", "40", "1");
    session.patternClicked(kAqua);
    const std::size_t steps = session.history().backSteps();
    for (const View& frame : {viewWith(patternAt(kAqua), F("2", "2", "40", "0.7")),
                              viewWith(patternAt(kTang), F("3", "3", "40", "0.5"))}) {
        session.preview(frame);
        EXPECT_EQ(window.fields, frame.fields);
        EXPECT_EQ(session.shownView(), frame);
        EXPECT_EQ(session.typedView(), frame);
    }
    EXPECT_EQ(window.marks.back(), kTang);
    EXPECT_TRUE(window.showsAlone(enginePicture(kTang)));
    EXPECT_EQ(session.history().backSteps(), steps);

    // Back to the picture shown before and the fields typed since.
    const View shown = viewWith(patternAt(kAqua), F("1", "1", "40", "1"));
    const View typed = viewWith(patternAt(kAqua), F("1", "1", "40", "0.3"));
    session.endPreview(shown, typed);
    EXPECT_EQ(session.shownView(), shown);
    EXPECT_EQ(window.fields, typed.fields);
    EXPECT_EQ(window.marks.back(), kAqua);
    EXPECT_TRUE(window.showsAlone(
        renderPicture(WorkerPool::shared(), patternAt(kAqua), shown.fields).value()));
    EXPECT_EQ(session.history().backSteps(), steps);
    session.endPreview(std::nullopt, typed);
    EXPECT_TRUE(window.blank());
    EXPECT_EQ(session.shownView(), std::nullopt);
}

}  // namespace
}  // namespace zentrel::test
