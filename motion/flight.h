// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/outcome.h"
#include "motion/smooth_path.h"
#include "motion/view_geometry.h"
#include "picture/view.h"

// A flight from one view to another: the frames of a zoom movie, or of a
// smooth step in the window. The views must be of one extent (a movie's
// frames are all one size), and neither mirrored against the other nor
// zoomed to a point (a Xoom of 0), for the scale changes geometrically.
//
// The frames come in the first view's terms: its pattern, extents and
// sampling, its field texts changed as the path needs. Between two patterns
// the geometry is the same region of the formula coordinates for both: each
// frame is the first pattern's view of it and the second pattern's view of
// it, and the weight of the second, for a dissolve. The brightness field's
// value runs in a straight line from the first view's to the second's, the
// same for both patterns.
namespace zentrel {

// How the geometry runs between the two views.
enum class FlightPath {
    Still,       // one geometry: only the brightness or the pattern changes
    FixedPoint,  // one point of the picture stays where it is on screen, and
                 // the scale changes geometrically around it
    Smooth,      // the smooth zoom and pan of SmoothPath
};

struct FlightOptions {
    double rho = kSmoothRho;  // SmoothPath's trade of zoom for pan
    bool ease = false;        // starts and ends slowly: smoothstep on t
};

struct FlightFrame {
    View view;                   // the first pattern's view
    std::optional<View> second;  // between two patterns, the second's view
    double dissolve = 0;         // how much of the second shows, 0 to 1
};

class Flight {
public:
    // The flight, or why the two views have none (NotAView).
    static Outcome<Flight> between(const View& from, const View& to,
                                   const FlightOptions& options = {});

    // The frame at t, 0 to 1 (clamped): at 0 the first view's texts, at 1
    // the second's, exactly; a failure where a frame's texts cannot hold its
    // numbers (beyond the double range).
    Outcome<FlightFrame> frameAt(double t) const;

    // Where the frame at t looks, in the formula coordinates.
    ViewGeometry geometryAt(double t) const;

    FlightPath path() const { return path_; }
    // The smooth path's length S, for a Smooth flight; 0 otherwise.
    double smoothLength() const;
    // The point of the picture that stays still, in columns and rows from the
    // middle of the view, for a FixedPoint flight.
    double fixedColumn() const { return fixedColumn_; }
    double fixedRow() const { return fixedRow_; }

private:
    Flight(const View& from, const View& to, const ViewGeometry& a, const ViewGeometry& b,
           const FlightOptions& options);
    double progress(double t) const;
    ViewGeometry around(double p) const;
    ViewGeometry smoothly(double p) const;
    Outcome<View> showing(const View& reference, const ViewGeometry& g, double p) const;

    View from_;
    View to_;
    ViewGeometry a_;
    ViewGeometry b_;
    FlightOptions options_;
    FlightPath path_ = FlightPath::Still;
    double fixedColumn_ = 0;
    double fixedRow_ = 0;
    std::optional<SmoothPath> smooth_;
};

// Smoothstep: 3t^2 - 2t^3, slow at both ends, 0 at 0 and 1 at 1.
double eased(double t);

}  // namespace zentrel
