#include "params/field_rules.h"

#include <cmath>
#include <string>
#include <string_view>

#include "engine/field_value.h"
#include "params/number_text.h"
#include "params/strict_value.h"

namespace zentrel {
namespace {

// One of the five fields: its name for messages and where its text lives.
struct Field {
    const char* name;
    std::string FieldTexts::*text;
};

constexpr Field kTextOne{"TextOne", &FieldTexts::one};
constexpr Field kTextTwo{"TextTwo", &FieldTexts::two};
constexpr Field kTextThree{"TextThree", &FieldTexts::three};
constexpr Field kTextFour{"TextFour", &FieldTexts::four};

// Either the forgiving field conversion or the strict one.
using Conversion = Outcome<double> (*)(std::string_view);

// A field text as a message quotes it; a pasted novel is cut short.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kLongest = 40;
    std::string shown = "\"";
    shown.append(text.substr(0, kLongest));
    if (text.size() > kLongest) shown += "...";
    shown += '"';
    return shown;
}

Failure failureIn(const Field& field, Fault fault, const std::string& problem)
{
    return Failure{fault, std::string("in ") + field.name + ": " + problem};
}

// Why a field text could not be read, in words for the person who typed it.
Failure unreadable(const Field& field, Fault fault, std::string_view text)
{
    if (fault == Fault::Overflow) return failureIn(field, fault, quoted(text) + " is too large a number");
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return failureIn(field, fault, "the field is empty, a number is needed");
    return failureIn(field, fault, quoted(text) + " is not a number");
}

Outcome<double> reading(const FieldTexts& f, const Field& field, Conversion convert)
{
    const std::string& text = f.*field.text;
    Outcome<double> value = convert(text);
    if (!value) return unreadable(field, value.failure().fault, text);
    return value;
}

// The size as a navigation step: a whole number in -32768..32767.
Outcome<int> sizeStep(double size)
{
    Outcome<int> step = stepValue(size);
    if (!step)
        return failureIn(kTextThree, Fault::Overflow,
                         "the size " + numberText(size) + " is outside -32768..32767");
    return step;
}

Outcome<int> fieldSizeStep(const FieldTexts& f)
{
    const Outcome<double> size = reading(f, kTextThree, fieldValue);
    if (!size) return size.failure();
    return sizeStep(size.value());
}

// Reads one field, changes its value and writes the number text back.
template <class Change>
Outcome<FieldTexts> rewritten(FieldTexts f, const Field& field, Conversion convert, Change change)
{
    const Outcome<double> value = reading(f, field, convert);
    if (!value) return value.failure();
    const double result = change(value.value());
    if (!std::isfinite(result))
        return failureIn(field, Fault::Overflow, "the new value would be too large");
    f.*field.text = numberText(result);
    return f;
}

const auto halved = [](double v) { return v / 2; };
const auto doubled = [](double v) { return v + v; };

// Moves a position field by a signed amount.
Outcome<FieldTexts> moved(FieldTexts f, const Field& field, Conversion convert, double by)
{
    return rewritten(std::move(f), field, convert, [by](double v) { return v + by; });
}

// ">" and "V" move forward, "<" and "^" back.
int direction(int index) { return index == 0 ? 1 : -1; }

bool within(int index, int last) { return index >= 0 && index <= last; }

// The corner buttons of cmdXX, indices 2 to 5: which way each position moves.
struct Corner {
    int across;
    int down;
};
constexpr Corner kCorners[] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

// A 600 picture is moved as if 800 wide, a 768 one as the 1024 it is drawn.
int acrossStep(int downStep)
{
    if (downStep == 600) return 800;
    if (downStep == 768) return 1024;
    return downStep;
}

}  // namespace

FieldTexts smallPreset(FieldTexts f)
{
    f.three = "300";
    return f;
}

FieldTexts mediumPreset(FieldTexts f)
{
    f.four = "0.2";
    f.three = "600";
    f.one = "150";
    f.two = "200";
    return f;
}

FieldTexts largePreset(FieldTexts f)
{
    f.three = "768";
    f.four = "0.15";
    return f;
}

FieldTexts resetFields()
{
    return FieldTexts{"1", "1", "100", "1", "150"};
}

Outcome<FieldTexts> halveXoom(FieldTexts f)
{
    return rewritten(std::move(f), kTextFour, fieldValue, halved);
}

Outcome<FieldTexts> doubleXoom(FieldTexts f)
{
    return rewritten(std::move(f), kTextFour, fieldValue, doubled);
}

Outcome<FieldTexts> checkSize(FieldTexts f)
{
    const Outcome<double> size = reading(f, kTextThree, fieldValue);
    if (!size) return size.failure();
    if (size.value() < 1 || size.value() > 1024) f.three = "100";
    return f;
}

Outcome<FieldTexts> horz(FieldTexts f, int index)
{
    if (!within(index, 1)) return f;
    const Outcome<double> size = reading(f, kTextThree, strictValue);
    if (!size) return size.failure();
    const Outcome<int> step = size.value() == 768 ? Outcome<int>(1024) : sizeStep(size.value());
    if (!step) return step.failure();
    return moved(std::move(f), kTextOne, fieldValue, direction(index) * (step.value() / 2.0));
}

Outcome<FieldTexts> verty(FieldTexts f, int index)
{
    if (!within(index, 1)) return f;
    const Outcome<int> step = fieldSizeStep(f);
    if (!step) return step.failure();
    return moved(std::move(f), kTextTwo, fieldValue, direction(index) * (step.value() / 2.0));
}

Outcome<FieldTexts> cmdblue(FieldTexts f, int index)
{
    if (!within(index, 3)) return f;
    const Field& field = index < 2 ? kTextTwo : kTextOne;
    if (index % 2 == 0) return rewritten(std::move(f), field, fieldValue, doubled);
    return rewritten(std::move(f), field, fieldValue, halved);
}

Outcome<FieldTexts> cmdXX(FieldTexts f, int index)
{
    if (!within(index, 5)) return f;
    // The steps come first, so a bad size fails "<<" and ">>" too.
    const Outcome<int> down = fieldSizeStep(f);
    if (!down) return down.failure();
    const int across = acrossStep(down.value());
    if (index == 0) return rewritten(std::move(f), kTextFour, fieldValue, doubled);
    Outcome<FieldTexts> result = rewritten(std::move(f), kTextFour, fieldValue, halved);
    if (index == 1 || !result) return result;
    const Corner corner = kCorners[index - 2];
    result = moved(std::move(result.value()), kTextOne, strictValue, corner.across * across);
    if (!result) return result;
    return moved(std::move(result.value()), kTextTwo, strictValue, corner.down * down.value());
}

}  // namespace zentrel
