// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "motion/flight.h"
#include "picture/view.h"

namespace zentrel {

// A jump from one view to another of the same pattern shown as a short
// flight between them, eased at both ends, ending on the very view jumped
// to. Times are in seconds.
class SmoothStep {
public:
    static constexpr double kSeconds = 0.15;

    // None where no flight joins the views (other patterns or extents, a
    // mirrored or pointlike view): the jump is made at once then.
    static std::optional<SmoothStep> between(const View& from, const View& to, double now);

    // The frame's view at the time now; the view jumped to once the time is
    // up, or where a frame's texts cannot hold its numbers.
    View viewAt(double now) const;
    bool over(double now) const { return now - start_ >= kSeconds; }
    const View& target() const { return target_; }

private:
    SmoothStep(Flight flight, const View& target, double now);

    Flight flight_;
    View target_;
    double start_;
};

}  // namespace zentrel
