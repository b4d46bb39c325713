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

void placeOrigin(Origin origin, double one, double two, Snapshot& s, FieldReader& in)
{
    switch (origin) {
    case Origin::Centred:
        s.left = one - in.half(s.width, FieldRole::Size);
        s.top = two - in.half(s.size, FieldRole::Size);
        break;
    case Origin::CentredPlainHalves:
        s.left = one - s.width / 2;
        s.top = two - s.size / 2;
        break;
    case Origin::ExchangedHalves:
        s.left = one - s.size / 2;
        s.top = two - s.width / 2;
        break;
    case Origin::Corner:
        s.left = one;
        s.top = two;
        break;
    case Origin::CornerAcross:
        s.left = one;
        s.top = two - in.half(s.size, FieldRole::Size);
        break;
    case Origin::ShiftedCorner:
        s.left = one + 150;
        s.top = two - 150;
        break;
    case Origin::AheadAcross:
        s.left = one + in.half(s.width, FieldRole::Size);
        s.top = two;
        break;
    }
    in.checked(s.left, FieldRole::Across);
    in.checked(s.top, FieldRole::Down);
}

}  // namespace

double widthForSize(double size) { return size == 768 ? 1024 : size; }

Outcome<Snapshot> takeSnapshot(const SnapshotRule& rule, const FieldTexts& fields,
                               std::optional<double> width)
{
    FieldReader in(fields);
    Snapshot s;
    double one = 0;
    double two = 0;
    const auto readPositions = [&] {
        one = in.read(FieldRole::Across);
        two = in.read(FieldRole::Down);
    };
    if (rule.order == ReadOrder::PositionsFirst) readPositions();
    s.size = in.read(FieldRole::Size);
    s.width = width.value_or(widthForSize(s.size));
    if (rule.order == ReadOrder::SizeFirst) readPositions();
    placeOrigin(rule.origin, one, two, s, in);
    s.zoom = in.checked(scaled(in.read(FieldRole::Xoom), rule.zoom), FieldRole::Xoom);
    s.bright =
        in.checked(scaled(in.read(FieldRole::Brightness), rule.bright), FieldRole::Brightness);
    if (in.failure()) return *in.failure();
    return s;
}

}  // namespace zentrel
