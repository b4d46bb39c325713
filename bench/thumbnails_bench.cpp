// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails_bench.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/worker_pool.h"
#include "explore/coarse_passes.h"
#include "patterns/pattern_table.h"
#include "thumbnails/thumbnail_batch.h"
#include "timing.h"

namespace zentrel::bench {
namespace {

// The large picture's view, as the window has it after a click on "aqua".
View largeView() { return viewWith(*patternTable()[0], kLargePicture); }

std::vector<Thumbnail> prepared() { return thumbnailsOf(largeView(), patternTable()); }

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

void printThumbnailRows(int runs)
{
    WorkerPool& pool = WorkerPool::shared();
    const auto wholeOn = [&](WorkerPool& threads) {
        return medianMs(runs, [&] {
            std::vector<Thumbnail> thumbnails = prepared();
            drawThumbnails(threads, thumbnails);
        });
    };
    const double whole = wholeOn(pool);
    WorkerPool oneThread(1);
    const double alone = wholeOn(oneThread);
    double firstPass = 0;
    const double passes = medianMs(runs, [&] {
        const auto start = std::chrono::steady_clock::now();
        std::vector<Thumbnail> thumbnails = prepared();
        for (int block : kPassBlocks) {
            drawThumbnailPass(pool, thumbnails, block);
            if (block == kPassBlocks[0]) firstPass = msSince(start);
        }
    });
    std::printf("\nThe nineteen thumbnails of the large picture's region, 192 x 144, all cores\n");
    std::printf("%-24s %8.1f ms (on one thread %.1f ms)\n", "exact in one go", whole, alone);
    std::printf("%-24s %8.1f ms (the coarsest of all shown after %.1f ms)\n", "coarse to fine",
                passes, firstPass);
}

}  // namespace zentrel::bench
