// SPDX-License-Identifier: GPL-3.0-or-later
#include "redraw_bench.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "explore/picture_cache.h"
#include "explore/reuse.h"
#include "params/mouse_navigation.h"
#include "patterns/pattern_table.h"
#include "timing.h"

namespace zentrel::bench {
namespace {

// A drag by a quarter of the width: 256 of the 1024 columns are new.
FieldTexts draggedByAQuarter() { return panView(kLargePicture, 256, 0).value(); }

// One wheel notch in at the middle: no pixel of the old picture is kept.
FieldTexts zoomedIn(const Pattern& pattern)
{
    return zoomAround(kLargePicture, {pattern.rule, std::nullopt}, {512, 384}, 2).value();
}

std::shared_ptr<const DrawnView> drawn(const Pattern& pattern, const FieldTexts& fields)
{
    return std::make_shared<const DrawnView>(
        DrawnView{&pattern, prepareSweep(pattern, fields).value(),
                  renderPicture(pattern, fields, defaultThreadCount()).value()});
}

void drag(const DrawnView& old, const Pattern& pattern, const FieldTexts& dragged)
{
    redrawReusing(WorkerPool::shared(), old, pattern, prepareSweep(pattern, dragged).value())
        .value();
}

// The passes from the fields, to the one of the given block.
void drawPasses(const Pattern& pattern, const FieldTexts& fields, int lastBlock)
{
    const PreparedSweep sweep = prepareSweep(pattern, fields).value();
    Picture picture = blankPicture(sweep.grid);
    for (int block : kPassBlocks) {
        drawPass(WorkerPool::shared(), pattern, sweep, block, [&](const Piece& piece) {
            placePiece(picture, piece);
            return true;
        });
        if (block == lastBlock) return;
    }
}

// Finding a view again when the cache is full of 1024 x 768 pictures, from
// its fields. Found in the order they were kept, each is the one used longest
// ago, the last one a search comes to.
double cacheFindMs(int runs)
{
    const Pattern& pattern = *patternTable()[0];
    PictureCache cache;
    std::vector<FieldTexts> kept;
    for (FieldTexts f = kLargePicture; cache.size() == kept.size(); f = panView(f, 1, 0).value()) {
        cache.keep(drawn(pattern, f));
        kept.push_back(f);
    }
    kept.erase(kept.begin());  // the one that made room
    std::size_t next = 0;
    return medianMs(runs * 20, [&] {
        cache.find(pattern, prepareSweep(pattern, kept[next++ % kept.size()]).value());
    });
}

struct RedrawTimes {
    double dragFresh = 0, drag = 0, wheelFresh = 0, firstPass = 0, passes = 0;

    RedrawTimes& operator+=(const RedrawTimes& t)
    {
        dragFresh += t.dragFresh, drag += t.drag, wheelFresh += t.wheelFresh;
        firstPass += t.firstPass, passes += t.passes;
        return *this;
    }
};

RedrawTimes redrawTimes(int runs, const Pattern& pattern)
{
    RedrawTimes t;
    const auto old = drawn(pattern, kLargePicture);
    const FieldTexts dragged = draggedByAQuarter();
    std::tie(t.dragFresh, t.drag) = medianMsInTurn(
        runs, [&] { renderPicture(WorkerPool::shared(), pattern, dragged).value(); },
        [&] { drag(*old, pattern, dragged); });
    const FieldTexts wheel = zoomedIn(pattern);
    std::tie(t.wheelFresh, t.passes) = medianMsInTurn(
        runs, [&] { renderPicture(WorkerPool::shared(), pattern, wheel).value(); },
        [&] { drawPasses(pattern, wheel, 1); });
    t.firstPass = medianMs(runs, [&] { drawPasses(pattern, wheel, kPassBlocks[0]); });
    return t;
}

void printRow(const std::string& caption, const RedrawTimes& t)
{
    std::printf("%-8s %8.1f %8.1f %6.2f %8.1f %8.1f %8.1f %6.2f\n", caption.c_str(), t.dragFresh,
                t.drag, ratio(t.drag, t.dragFresh), t.wheelFresh, t.firstPass, t.passes,
                ratio(t.passes, t.wheelFresh));
}

}  // namespace

void printRedrawRows(int runs)
{
    std::printf(
        "\nRedrawing with what is drawn, 1024 x 768 on all cores, every way to a whole "
        "picture in memory; times in ms\n");
    std::printf(
        "drag: a quarter of the picture through exact reuse (target 0.3 x fresh); "
        "wheel: one notch in, the first coarse pass (target 25 ms) and all passes "
        "(target 1.1 x fresh)\n");
    std::printf("%-8s %8s %8s %6s %8s %8s %8s %6s\n", "pattern", "fresh", "drag", "/fresh", "fresh",
                "pass 8", "passes", "/fresh");
    RedrawTimes total;
    for (const Pattern* pattern : patternTable()) {
        const RedrawTimes t = redrawTimes(runs, *pattern);
        printRow(std::string(pattern->caption), t);
        total += t;
    }
    printRow("all 19", total);
    std::printf("\nBack to a view in the cache: %.3f ms (target 25 ms)\n", cacheFindMs(runs));
}

}  // namespace zentrel::bench
