// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/snapshot.h"

#include <cmath>
#include <optional>

#include "engine/field_value.h"
#include "engine/number_text.h"

namespace zentrel {
namespace {

// Reads the fields in a pattern's order and keeps the first failure, named
// after the field it arose in.
class FieldReader {
public:
    explicit FieldReader(const FieldTexts& fields) : fields_(fields) {}

    double read(FieldRole field)
    {
        const Outcome<double> value = fieldValue(fieldText(fields_, field));
        if (value.ok()) return value.value();
        fail(field, FieldProblem::TooLarge);
        return 0;
    }

    // A value computed from a field must stay within the double range too.
    double checked(double value, FieldRole field)
    {
        if (!std::isfinite(value)) fail(field, FieldProblem::ResultTooLarge);
        return value;
    }

    // half(v): v read back from its number text, then halved.
    double half(double v, FieldRole field)
    {
        if (!std::isfinite(v)) return checked(v, field);
        const Outcome<double> back = fieldValue(numberText(v));
        if (back.ok()) return back.value() / 2;
        fail(field, FieldProblem::ResultTooLarge);
        return 0;
    }

    const std::optional<Failure>& failure() const { return failure_; }

private:
    void fail(FieldRole field, FieldProblem problem)
    {
        if (!failure_) failure_ = fieldFailure(field, problem, fieldText(fields_, field));
    }

    const FieldTexts& fields_;
    std::optional<Failure> failure_;
};

double scaled(double v, Scaling scaling)
{
    return scaling.op == Scaling::Op::Times ? v * scaling.factor : v / scaling.factor;
}

void placeOrigin(Origin origin, double across, double down, Placement& p, FieldReader& in)
{
    switch (origin) {
    case Origin::Centred:
        p.left = across - in.half(p.width, FieldRole::Size);
        p.top = down - in.half(p.size, FieldRole::Size);
        break;
    case Origin::CentredPlainHalves:
        p.left = across - p.width / 2;
        p.top = down - p.size / 2;
        break;
    case Origin::ExchangedHalves:
        p.left = across - p.size / 2;
        p.top = down - p.width / 2;
        break;
    case Origin::Corner:
        p.left = across;
        p.top = down;
        break;
    case Origin::CornerAcross:
        p.left = across;
        p.top = down - in.half(p.size, FieldRole::Size);
        break;
    case Origin::ShiftedCorner:
        p.left = across + 150;
        p.top = down - 150;
        break;
    case Origin::AheadAcross:
        p.left = across + in.half(p.width, FieldRole::Size);
        p.top = down;
        break;
    }
    in.checked(p.left, FieldRole::Across);
    in.checked(p.top, FieldRole::Down);
}

// Reads the position and size fields in the pattern's order.
Placement place(const SnapshotRule& rule, std::optional<double> width, FieldReader& in)
{
    Placement p;
    double across = 0;
    double down = 0;
    const auto readPositions = [&] {
        across = in.read(FieldRole::Across);
        down = in.read(FieldRole::Down);
    };
    if (rule.order == ReadOrder::PositionsFirst) readPositions();
    p.size = in.read(FieldRole::Size);
    p.width = width.value_or(widthForSize(p.size));
    if (rule.order == ReadOrder::SizeFirst) readPositions();
    placeOrigin(rule.origin, across, down, p, in);
    return p;
}

}  // namespace

double widthForSize(double size) { return size == 768 ? 1024 : size; }

Outcome<Snapshot> takeSnapshot(const SnapshotRule& rule, const FieldTexts& fields,
                               std::optional<double> width)
{
    FieldReader in(fields);
    Snapshot s{place(rule, width, in)};
    s.zoom = in.checked(scaled(in.read(FieldRole::Xoom), rule.zoom), FieldRole::Xoom);
    s.bright =
        in.checked(scaled(in.read(FieldRole::Brightness), rule.bright), FieldRole::Brightness);
    if (in.failure()) return *in.failure();
    return s;
}

Outcome<Placement> placePicture(const SnapshotRule& rule, const FieldTexts& fields,
                                std::optional<double> width)
{
    FieldReader in(fields);
    const Placement p = place(rule, width, in);
    if (in.failure()) return *in.failure();
    return p;
}

}  // namespace zentrel
