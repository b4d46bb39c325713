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
    double read(const std::string& text, const char* field)
    {
        return check(fieldValue(text), field);
    }

    // A value computed from a field must stay within the double range too.
    double checked(double value, const char* field)
    {
        if (!std::isfinite(value) && !failure_) failure_ = Failure{Fault::Overflow, where(field)};
        return value;
    }

    // half(v): v read back from its number text, then halved.
    double half(double v, const char* field)
    {
        if (!std::isfinite(v)) return checked(v, field);
        return check(fieldValue(numberText(v)), field) / 2;
    }

    const std::optional<Failure>& failure() const { return failure_; }

private:
    static std::string where(const char* field) { return std::string("in ") + field; }

    double check(const Outcome<double>& value, const char* field)
    {
        if (value.ok()) return value.value();
        if (!failure_) failure_ = Failure{value.failure().fault, where(field)};
        return 0;
    }

    std::optional<Failure> failure_;
};

double scaled(double v, Scaling scaling)
{
    return scaling.op == Scaling::Op::Times ? v * scaling.factor : v / scaling.factor;
}

void placeOrigin(Origin origin, double one, double two, Snapshot& s, FieldReader& in)
{
    const char* across = "TextOne";
    const char* down = "TextTwo";
    switch (origin) {
    case Origin::Centred:
        s.left = one - in.half(s.width, "TextThree");
        s.top = two - in.half(s.size, "TextThree");
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
        s.top = two - in.half(s.size, "TextThree");
        break;
    case Origin::ShiftedCorner:
        s.left = one + 150;
        s.top = two - 150;
        break;
    case Origin::AheadAcross:
        s.left = one + in.half(s.width, "TextThree");
        s.top = two;
        break;
    }
    in.checked(s.left, across);
    in.checked(s.top, down);
}

}  // namespace

double widthForSize(double size) { return size == 768 ? 1024 : size; }

Outcome<Snapshot> takeSnapshot(const SnapshotRule& rule, const FieldTexts& fields)
{
    FieldReader in;
    Snapshot s;
    double one = 0;
    double two = 0;
    const auto readPositions = [&] {
        one = in.read(fields.across, "TextOne");
        two = in.read(fields.down, "TextTwo");
    };
    if (rule.order == ReadOrder::PositionsFirst) readPositions();
    s.size = in.read(fields.size, "TextThree");
    s.width = widthForSize(s.size);
    if (rule.order == ReadOrder::SizeFirst) readPositions();
    placeOrigin(rule.origin, one, two, s, in);
    s.zoom = in.checked(scaled(in.read(fields.xoom, "TextFour"), rule.zoom), "TextFour");
    s.bright = in.checked(scaled(in.read(fields.brightness, "Textfive"), rule.bright), "Textfive");
    if (in.failure()) return *in.failure();
    return s;
}

}  // namespace zentrel
