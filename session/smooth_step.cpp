// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/smooth_step.h"

#include <utility>

namespace zentrel {

SmoothStep::SmoothStep(Flight flight, const View& target, double now)
    : flight_(std::move(flight)), target_(target), start_(now)
{
}

std::optional<SmoothStep> SmoothStep::between(const View& from, const View& to, double now)
{
    if (from.pattern != to.pattern || from == to) return std::nullopt;
    Outcome<Flight> flight = Flight::between(from, to, FlightOptions{kSmoothRho, true});
    if (!flight) return std::nullopt;
    return SmoothStep(std::move(flight.value()), to, now);
}

View SmoothStep::viewAt(double now) const
{
    if (over(now)) return target_;
    const Outcome<FlightFrame> frame = flight_.frameAt((now - start_) / kSeconds);
    return frame ? frame.value().view : target_;
}

}  // namespace zentrel
