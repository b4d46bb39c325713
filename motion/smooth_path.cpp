// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion/smooth_path.h"

#include <algorithm>

namespace zentrel {
namespace {

// Centres closer than this, in view widths, are one: the hyperbola's
// parameters would lose every digit to rounding.
constexpr double kSameCentre = 1e-9;

// r_i = ln(-b_i + sqrt(b_i^2 + 1)), written as -asinh(b_i), which keeps its
// digits for large b_i, where
//   b_i = (w1^2 - w0^2 + (-1)^i rho^4 u^2) / (2 w_i rho^2 u).
// The terms are taken apart, so that squares of widths or distances beyond
// the double range do not overflow where b does not.
double endParameter(double wi, double w0, double w1, double distance, double rho, double sign)
{
    const double rho2 = rho * rho;
    const double over = 2 * rho2 * distance;
    const double b =
        w1 / over * (w1 / wi) - w0 / over * (w0 / wi) + sign * rho2 * distance / (2 * wi);
    return -std::asinh(b);
}

}  // namespace

SmoothPath::SmoothPath(double w0, double w1, double distance, double rho)
    : w0_(w0),
      w1_(w1),
      distance_(distance),
      rho_(rho),
      zoomOnly_(distance <= kSameCentre * std::max(w0, w1))
{
    if (zoomOnly_) {
        length_ = std::abs(std::log(w1 / w0)) / rho;
        return;
    }
    r0_ = endParameter(w0, w0, w1, distance, rho, 1);
    const double r1 = endParameter(w1, w0, w1, distance, rho, -1);
    length_ = (r1 - r0_) / rho;
}

PathPoint SmoothPath::at(double s) const
{
    if (zoomOnly_) {
        // w = w0 e^(k rho s), k = +-1 as the view widens or narrows; the
        // centres, one to the path, share its progress.
        const double progress = length_ > 0 ? s / length_ : 0;
        const double k = w1_ < w0_ ? -1 : 1;
        return {distance_ * progress, w0_ * std::exp(k * rho_ * s)};
    }
    const double rho2 = rho_ * rho_;
    const double x = rho_ * s + r0_;
    const double u = w0_ / rho2 * (std::cosh(r0_) * std::tanh(x) - std::sinh(r0_));
    const double w = w0_ * std::cosh(r0_) / std::cosh(x);
    return {u, w};
}

}  // namespace zentrel
