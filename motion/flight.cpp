// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion/flight.h"

#include <algorithm>
#include <cmath>

#include "engine/field_value.h"
#include "engine/number_text.h"

namespace zentrel {
namespace {

Failure noFlight(const std::string& why) { return Failure{Fault::NotAView, why}; }

std::string extentText(const ViewGeometry& g)
{
    return numberText(g.columns) + " by " + numberText(g.rows);
}

// Why the two views have no flight between them, if they have none.
std::optional<Failure> refusal(const ViewGeometry& a, const ViewGeometry& b)
{
    if (a.columns != b.columns || a.rows != b.rows)
        return noFlight("the views differ in size, " + extentText(a) + " and " + extentText(b) +
                        ": the frames of a flight are all one size");
    if (a.scale == 0 || b.scale == 0)
        return noFlight("a view of Xoom 0 shows one point at every pixel: no zoom reaches it");
    if ((a.scale < 0) != (b.scale < 0))
        return noFlight(
            "one view is mirrored by a negative Xoom and the other is not: no zoom "
            "turns one into the other");
    return std::nullopt;
}

double brightnessOf(const View& view) { return fieldValue(view.fields.brightness).value(); }

}  // namespace

double eased(double t) { return t * t * (3 - 2 * t); }

Outcome<Flight> Flight::between(const View& from, const View& to, const FlightOptions& options)
{
    const Outcome<ViewGeometry> a = geometryOf(from);
    if (!a) return a.failure();
    const Outcome<ViewGeometry> b = geometryOf(to);
    if (!b) return b.failure();
    if (auto refused = refusal(a.value(), b.value())) return *refused;
    if (!(options.rho > 0) || !std::isfinite(options.rho))
        return noFlight("the trade of zoom for pan must be a number more than 0");
    return Flight(from, to, a.value(), b.value(), options);
}

// Between frames of one scale the similarity from one view to the other is a
// pan, with no point that stays; otherwise its fixed point lies d columns
// from the middle, where the centres ca + d sa and cb + d sb meet. A flight
// around it keeps that point still; only a point the picture shows will do,
// else the smooth path takes the views through a wider one.
Flight::Flight(const View& from, const View& to, const ViewGeometry& a, const ViewGeometry& b,
               const FlightOptions& options)
    : from_(from), to_(to), a_(a), b_(b), options_(options)
{
    if (a.centreX == b.centreX && a.centreY == b.centreY && a.scale == b.scale) return;
    if (a.scale != b.scale) {
        const double dScale = b.scale - a.scale;
        fixedColumn_ = (a.centreX - b.centreX) / dScale;
        fixedRow_ = (a.centreY - b.centreY) / dScale;
        if (std::abs(fixedColumn_) <= a.columns / 2 && std::abs(fixedRow_) <= a.rows / 2) {
            path_ = FlightPath::FixedPoint;
            return;
        }
    }
    fixedColumn_ = fixedRow_ = 0;
    path_ = FlightPath::Smooth;
    const double distance = std::hypot(b.centreX - a.centreX, b.centreY - a.centreY);
    smooth_.emplace(a.span(), b.span(), distance, options.rho);
}

double Flight::smoothLength() const { return smooth_ ? smooth_->length() : 0; }

double Flight::progress(double t) const
{
    const double p = std::clamp(t, 0.0, 1.0);
    return options_.ease ? eased(p) : p;
}

ViewGeometry Flight::around(double p) const
{
    const double scale = a_.scale * std::pow(b_.scale / a_.scale, p);
    ViewGeometry g = a_;
    g.scale = scale;
    g.centreX = a_.centreX + fixedColumn_ * (a_.scale - scale);
    g.centreY = a_.centreY + fixedRow_ * (a_.scale - scale);
    return g;
}

ViewGeometry Flight::smoothly(double p) const
{
    const PathPoint point = smooth_->at(p * smooth_->length());
    const double distance = std::hypot(b_.centreX - a_.centreX, b_.centreY - a_.centreY);
    const double along = point.u / distance;
    ViewGeometry g = a_;
    g.scale = std::copysign(point.w / a_.columns, a_.scale);
    g.centreX = a_.centreX + (b_.centreX - a_.centreX) * along;
    g.centreY = a_.centreY + (b_.centreY - a_.centreY) * along;
    return g;
}

ViewGeometry Flight::geometryAt(double t) const
{
    const double p = progress(t);
    if (p <= 0) return a_;
    if (p >= 1) return b_;
    switch (path_) {
    case FlightPath::Still:
        return a_;
    case FlightPath::FixedPoint:
        return around(p);
    case FlightPath::Smooth:
        return smoothly(p);
    }
    return a_;
}

// The reference's pattern showing the geometry, at the brightness of the
// progress; a brightness that does not change keeps its text.
Outcome<View> Flight::showing(const View& reference, const ViewGeometry& g, double p) const
{
    // Written so that either end gives that view's value to the bit.
    const double brightness = (1 - p) * brightnessOf(from_) + p * brightnessOf(to_);
    View view = reference;
    if (brightness != brightnessOf(reference)) {
        if (!std::isfinite(brightness))
            return fieldFailure(FieldRole::Brightness, FieldProblem::ResultTooLarge,
                                reference.fields.brightness);
        view.fields.brightness = numberText(brightness);
    }
    return viewShowing(view, g);
}

Outcome<FlightFrame> Flight::frameAt(double t) const
{
    const double p = progress(t);
    const bool twoPatterns = from_.pattern != to_.pattern;
    const ViewGeometry g = geometryAt(t);
    FlightFrame frame;
    if (p <= 0) {
        frame.view = from_;
    } else if (p >= 1 && !twoPatterns) {
        frame.view = to_;
    } else {
        Outcome<View> first = showing(from_, g, p);
        if (!first) return first.failure();
        frame.view = std::move(first.value());
    }
    if (!twoPatterns) return frame;
    if (p >= 1) {
        frame.second = to_;
    } else {
        Outcome<View> second = showing(to_, g, p);
        if (!second) return second.failure();
        frame.second = std::move(second.value());
    }
    frame.dissolve = p;
    return frame;
}

}  // namespace zentrel
