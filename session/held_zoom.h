// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/outcome.h"
#include "params/mouse_navigation.h"
#include "picture/view.h"

namespace zentrel {

// A zoom that goes on while a button or key is held: the view shown as the
// hold began, zoomed around a point of the picture at a steady rate, each
// view the one the wheel would give for the zoom reached (so the point's
// formula coordinates stay under it). Times are in seconds, on any clock
// that only goes forward.
class HeldZoom {
public:
    // Twice as near (or far) a second.
    static constexpr double kDoublingsPerSecond = 1;
    // The wheel's notches change the rate within these.
    static constexpr double kSlowest = 1.0 / 8;
    static constexpr double kFastest = 8;

    // Toward the picture (direction 1) or away from it (-1).
    HeldZoom(const View& start, PicturePoint point, int direction, double now);

    // The view at the time now, and the factor from the one asked for last.
    Outcome<View> viewAt(double now);
    double lastFactor() const { return lastFactor_; }
    PicturePoint point() const { return point_; }
    // Goes on toward another point from the view asked for last.
    void aimAt(PicturePoint point);
    // Each notch forward doubles the rate, each notch back halves it.
    void speedUp(double notches, double now);

private:
    double doublingsAt(double now) const;

    View start_;
    PicturePoint point_;
    int direction_;
    double rate_ = kDoublingsPerSecond;
    double doublings_ = 0;  // reached by the time since_
    double since_;
    View last_;
    double lastAt_;
    double lastDoublings_ = 0;
    double lastFactor_ = 1;
};

}  // namespace zentrel
