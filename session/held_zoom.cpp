// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/held_zoom.h"

#include <algorithm>
#include <cmath>

namespace zentrel {

HeldZoom::HeldZoom(const View& start, PicturePoint point, int direction, double now)
    : start_(start), point_(point), direction_(direction), since_(now), last_(start), lastAt_(now)
{
}

double HeldZoom::doublingsAt(double now) const
{
    return doublings_ + rate_ * std::max(0.0, now - since_);
}

Outcome<View> HeldZoom::viewAt(double now)
{
    const double doublings = doublingsAt(now);
    const Outcome<FieldTexts> zoomed =
        zoomAround(start_.fields, {start_.pattern->rule, std::nullopt}, point_,
                   std::exp2(direction_ * doublings));
    if (!zoomed) return zoomed.failure();
    last_.fields = zoomed.value();
    lastFactor_ = std::exp2(direction_ * (doublings - lastDoublings_));
    lastDoublings_ = doublings;
    lastAt_ = now;
    return last_;
}

// The zoom starts again from the view asked for last, at the time it was
// asked for, so that no time is lost or counted twice.
void HeldZoom::aimAt(PicturePoint point)
{
    start_ = last_;
    point_ = point;
    doublings_ = lastDoublings_ = 0;
    since_ = lastAt_;
}

void HeldZoom::speedUp(double notches, double now)
{
    doublings_ = doublingsAt(now);
    since_ = now;
    rate_ = std::clamp(rate_ * std::exp2(notches), kSlowest, kFastest);
}

}  // namespace zentrel
