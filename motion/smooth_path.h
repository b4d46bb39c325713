// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The optimal path of a zoom and pan between two views, after van Wijk and
// Nuij ("Smooth and efficient zooming and panning", 2003): the view widens
// as it pans and narrows as it arrives, so that a far pan costs little more
// than a zoom out and in. A view is its centre's distance u along the line
// from the first centre to the second and its width w; the path is
// measured so that a zoom by e runs a length of 1 / rho and a pan by one
// view width at that width a length of rho. rho weighs the two: the larger,
// the further out the path zooms.
namespace zentrel {

// The trade of zoom for pan that the authors found pleasing.
inline const double kSmoothRho = std::sqrt(2.0);

struct PathPoint {
    double u = 0;  // along the line from the first centre, 0 to distance
    double w = 0;  // the width of the view
};

class SmoothPath {
public:
    // From a view of width w0 to one of width w1 whose centre lies distance
    // further on; widths and rho positive, distance not negative.
    SmoothPath(double w0, double w1, double distance, double rho = kSmoothRho);

    // The length S of the whole path.
    double length() const { return length_; }
    // The view at length s of the path, 0 to length().
    PathPoint at(double s) const;

private:
    double w0_;
    double w1_;
    double distance_;
    double rho_;
    // The ends' parameters r0 and r1 on the path's hyperbola, where the
    // centres are apart; a zoom alone (centres together) has none.
    bool zoomOnly_;
    double r0_ = 0;
    double length_ = 0;
};

}  // namespace zentrel
