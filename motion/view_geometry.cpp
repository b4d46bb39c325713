// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion/view_geometry.h"

#include <cmath>

#include "engine/field_value.h"
#include "engine/number_text.h"
#include "params/field_edit.h"

namespace zentrel {
namespace {

// The formula coordinate of the middle of an extent that starts just after
// origin.
double middle(double origin, double extent, double scale)
{
    return (origin + (extent + 1) / 2) * scale;
}

// The Xoom whose zoom, by the rule, is the given one.
double xoomFor(double zoom, Scaling rule)
{
    return rule.op == Scaling::Op::Times ? zoom / rule.factor : zoom * rule.factor;
}

Outcome<FieldTexts> withXoom(FieldTexts f, double xoom)
{
    if (!std::isfinite(xoom))
        return fieldFailure(FieldRole::Xoom, FieldProblem::ResultTooLarge, f.xoom);
    f.xoom = numberText(xoom);
    return f;
}

// The position field moved by delta, its text kept when delta is 0.
Outcome<FieldTexts> shifted(FieldTexts f, FieldRole role, double delta)
{
    if (delta == 0) return f;
    return params::moved(std::move(f), role, fieldValue, delta);
}

}  // namespace

double ViewGeometry::span() const { return std::abs(scale) * columns; }

Outcome<ViewGeometry> geometryOf(const View& view)
{
    if (!view.pattern) return Failure{Fault::NotAView, "no pattern is named"};
    const Outcome<Snapshot> taken =
        takeSnapshot(view.pattern->rule, view.fields, view.sampling().width);
    if (!taken) return taken.failure();
    const Snapshot& s = taken.value();
    const double scale = s.zoom / 200;
    return ViewGeometry{middle(s.left, s.width, scale), middle(s.top, s.size, scale), scale,
                        s.width, s.size};
}

Outcome<View> viewShowing(const View& reference, const ViewGeometry& geometry)
{
    const Outcome<ViewGeometry> own = geometryOf(reference);
    if (!own) return own.failure();
    View view = reference;
    if (geometry.scale != own.value().scale) {
        const Outcome<FieldTexts> xoomed =
            withXoom(view.fields, xoomFor(geometry.scale * 200, view.pattern->rule.zoom));
        if (!xoomed) return xoomed.failure();
        view.fields = xoomed.value();
    }
    // The zoom as the pattern reads the Xoom's text back, and the origin the
    // positions give at it.
    const Outcome<Snapshot> taken =
        takeSnapshot(view.pattern->rule, view.fields, view.sampling().width);
    if (!taken) return taken.failure();
    const Snapshot& s = taken.value();
    const double scale = s.zoom / 200;
    const bool sameScale = scale == own.value().scale;
    const auto delta = [&](double centre, double ownCentre, double origin, double extent) {
        if (sameScale && centre == ownCentre) return 0.0;
        return centre / scale - (extent + 1) / 2 - origin;
    };
    Outcome<FieldTexts> moved =
        shifted(view.fields, FieldRole::Across,
                delta(geometry.centreX, own.value().centreX, s.left, s.width));
    if (!moved) return moved.failure();
    moved = shifted(moved.value(), FieldRole::Down,
                    delta(geometry.centreY, own.value().centreY, s.top, s.size));
    if (!moved) return moved.failure();
    view.fields = moved.value();
    return view;
}

}  // namespace zentrel
