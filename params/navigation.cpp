// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/navigation.h"

#include "engine/field_value.h"
#include "engine/snapshot.h"
#include "params/field_edit.h"
#include "params/strict_value.h"

namespace zentrel {
namespace {

using namespace params;

// The size read from the fields as a navigation step: a whole number in
// -32768..32767.
Outcome<int> sizeStep(const FieldTexts& f, double size)
{
    Outcome<int> step = stepValue(size);
    if (!step) return fieldFailure(FieldRole::Size, FieldProblem::NoStep, f.size);
    return step;
}

Outcome<int> fieldSizeStep(const FieldTexts& f)
{
    const Outcome<double> size = reading(f, FieldRole::Size, fieldValue);
    if (!size) return size.failure();
    return sizeStep(f, size.value());
}

double sign(Direction d) { return d == Direction::Forward ? 1 : -1; }

FieldRole positionField(Axis axis)
{
    return axis == Axis::Across ? FieldRole::Across : FieldRole::Down;
}

// A 600 picture is moved as if 800 wide, any other as wide as it is drawn.
int acrossStep(int downStep)
{
    if (downStep == 600) return 800;
    return static_cast<int>(widthForSize(downStep));
}

struct CornerSigns {
    int across;
    int down;
};

CornerSigns signsOf(Corner corner)
{
    switch (corner) {
    case Corner::LowerRight:
        return {1, 1};
    case Corner::LowerLeft:
        return {-1, 1};
    case Corner::TopRight:
        return {1, -1};
    case Corner::TopLeft:
        return {-1, -1};
    }
    return {0, 0};
}

}  // namespace

Outcome<FieldTexts> moveAcross(FieldTexts f, Direction d)
{
    const Outcome<double> size = reading(f, FieldRole::Size, strictValue);
    if (!size) return size.failure();
    const Outcome<int> step = sizeStep(f, widthForSize(size.value()));
    if (!step) return step.failure();
    return moved(std::move(f), FieldRole::Across, fieldValue, sign(d) * (step.value() / 2.0));
}

Outcome<FieldTexts> moveDown(FieldTexts f, Direction d)
{
    const Outcome<int> step = fieldSizeStep(f);
    if (!step) return step.failure();
    return moved(std::move(f), FieldRole::Down, fieldValue, sign(d) * (step.value() / 2.0));
}

Outcome<FieldTexts> doublePosition(FieldTexts f, Axis axis)
{
    return doubled(std::move(f), positionField(axis));
}

Outcome<FieldTexts> halvePosition(FieldTexts f, Axis axis)
{
    return halved(std::move(f), positionField(axis));
}

// The steps come first, so a bad size fails "<<" and ">>" too.
Outcome<FieldTexts> stepXoomOut(FieldTexts f)
{
    const Outcome<int> step = fieldSizeStep(f);
    if (!step) return step.failure();
    return doubled(std::move(f), FieldRole::Xoom);
}

Outcome<FieldTexts> stepXoomIn(FieldTexts f)
{
    const Outcome<int> step = fieldSizeStep(f);
    if (!step) return step.failure();
    return halved(std::move(f), FieldRole::Xoom);
}

Outcome<FieldTexts> zoomIntoCorner(FieldTexts f, Corner corner)
{
    const Outcome<int> down = fieldSizeStep(f);
    if (!down) return down.failure();
    const int across = acrossStep(down.value());
    const CornerSigns signs = signsOf(corner);
    Outcome<FieldTexts> result = halved(std::move(f), FieldRole::Xoom);
    if (!result) return result;
    result =
        moved(std::move(result.value()), FieldRole::Across, strictValue, signs.across * across);
    if (!result) return result;
    return moved(std::move(result.value()), FieldRole::Down, strictValue,
                 signs.down * down.value());
}

}  // namespace zentrel
