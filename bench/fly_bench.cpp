// SPDX-License-Identifier: GPL-3.0-or-later
#include "fly_bench.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/event_pump.h"
#include "app/frame_clock.h"
#include "app/picture_surface.h"
#include "engine/render.h"
#include "engine/worker_pool.h"
#include "patterns/pattern_table.h"
#include "session/view_session.h"
#include "timing.h"

namespace zentrel::bench {
namespace {

constexpr int kHeldMs = 3000;
constexpr double kPixels = 1024.0 * 768.0;

// The window's surface, session and frame clock, with the frames counted:
// a frame starts as the picture is scaled to it, and its pixels are those
// plotted until the next one starts.
class FlyingWindow : public SessionWindow, public Canvas {
public:
    FlyingWindow()
        : surface_(nullptr),
          session_(WorkerPool::shared(), *this, *this, app::EventPump()),
          clock_(session_, &surface_)
    {
        surface_.show();
    }

    FieldTexts fieldTexts() const override { return fields_; }
    void writeFieldTexts(const FieldTexts& texts) override { fields_ = texts; }
    void markPattern(int) override {}
    void clearPicture() override { surface_.clear(); }
    void reportFailure(const SessionFailure& failure) override
    {
        std::printf("  (the zoom failed: %s)\n", failure.failure.message().c_str());
    }
    void startFrames() override { clock_.start(); }
    void scalePicture(PicturePoint around, double factor) override
    {
        endFrame();
        ++frames_;
        surface_.scalePicture({around.column, around.row}, factor);
    }

    void plotColumn(int column, std::span<const Colour> colours) override
    {
        surface_.plotColumn(column, colours);
    }
    void showIfDue() override { surface_.showIfDue(); }
    void showAll() override { surface_.showAll(); }
    void plotPiece(const Piece& piece, int columns, int rows) override
    {
        framePixels_ += static_cast<double>(piece.rows.size());
        surface_.plotPiece(piece, columns, rows);
    }
    void plotPicture(const Picture& picture) override
    {
        framePixels_ = kPixels;
        surface_.plotPicture(picture);
    }

    struct Flight {
        double framesPerSecond = 0;
        double coarsest = 1;  // the share of the pixels computed
        double toExactMs = 0;
        FieldTexts last;
    };

    // Draws the pattern, holds the zoom on the middle for three seconds and
    // lets go.
    Flight fly(int pattern)
    {
        fields_ = kLargePicture;
        session_.patternClicked(pattern);
        frames_ = 0;
        coarsest_ = 1;
        framePixels_ = kPixels;
        QElapsedTimer sinceRelease;
        QEventLoop loop;
        QTimer::singleShot(kHeldMs, [&] {
            session_.releaseZoom();
            sinceRelease.start();
            loop.quit();
        });
        session_.holdZoom({512, 384}, 1);
        loop.exec();
        // A frame still refining finished inside the loop; one that had
        // not started yet is drawn now.
        while (session_.moving()) QEventLoop().processEvents();
        const double toExact = static_cast<double>(sinceRelease.nsecsElapsed()) / 1e6;
        return {frames_ * 1000.0 / kHeldMs, coarsest_, toExact, fields_};
    }

private:
    void endFrame()
    {
        if (frames_ > 0) coarsest_ = std::min(coarsest_, framePixels_ / kPixels);
        framePixels_ = 0;
    }

    app::PictureSurface surface_;
    ViewSession session_;
    app::FrameClock clock_;
    FieldTexts fields_;
    int frames_ = 0;
    double framePixels_ = 0;
    double coarsest_ = 1;
};

void printRow(const std::string& caption, double fps, double coarsest, double toExact, double fresh)
{
    std::printf("%-8s %8.1f %9.2f%% %8.1f %8.1f %6.2f\n", caption.c_str(), fps, 100 * coarsest,
                toExact, fresh, ratio(toExact, fresh));
}

}  // namespace

void printFlyRows()
{
    std::printf(
        "\nFlying: the middle button held for 3 s on the middle of each 1024 x 768 picture, "
        "frames paced by the screen; times in ms\n");
    std::printf(
        "frames/s (target 60 with AVX-512), the pixels computed in the coarsest frame shown, "
        "release to the exact picture against a fresh drawing (target 1.2 x)\n");
    std::printf("%-8s %8s %10s %8s %8s %6s\n", "pattern", "frames/s", "coarsest", "exact", "fresh",
                "/fresh");
    FlyingWindow window;
    double fps = 0, coarsest = 1, toExact = 0, fresh = 0;
    for (int i = 0; i < kPatternCount; ++i) {
        const Pattern& pattern = *patternTable()[i];
        const auto flight = window.fly(i);
        const double freshMs =
            medianMs(3, [&] { renderPicture(WorkerPool::shared(), pattern, flight.last).value(); });
        printRow(std::string(pattern.caption), flight.framesPerSecond, flight.coarsest,
                 flight.toExactMs, freshMs);
        fps += flight.framesPerSecond / kPatternCount;
        coarsest = std::min(coarsest, flight.coarsest);
        toExact += flight.toExactMs;
        fresh += freshMs;
    }
    printRow("all 19", fps, coarsest, toExact, fresh);
}

}  // namespace zentrel::bench
