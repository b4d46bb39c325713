// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/field_texts.h"
#include "engine/outcome.h"

// What the navigation buttons do to the five field texts: move the view by
// half a picture, double or halve a position, step the Xoom, or zoom into a
// corner and move there. All of the texts change, or on a failure none.
namespace zentrel {

// Forward moves the view right or down, so the picture moves left or up.
enum class Direction { Forward, Back };

// ">" and "<": half the width, taken from the size read strictly (768 moves
// by half of 1024).
Outcome<FieldTexts> moveAcross(FieldTexts f, Direction d);
// "V" and "^": half the size.
Outcome<FieldTexts> moveDown(FieldTexts f, Direction d);

enum class Axis { Across, Down };

// "x" and "/" beside a position field.
Outcome<FieldTexts> doublePosition(FieldTexts f, Axis axis);
Outcome<FieldTexts> halvePosition(FieldTexts f, Axis axis);

// "<<" and ">>" ("Log Xoom"): the Xoom doubled or halved, once the size has
// made a valid step.
Outcome<FieldTexts> stepXoomOut(FieldTexts f);
Outcome<FieldTexts> stepXoomIn(FieldTexts f);

enum class Corner { LowerRight, LowerLeft, TopRight, TopLeft };

// The four green buttons: the Xoom halved, then the view moved by a whole
// picture toward the corner (a 600 picture moves 800 across, a 768 one 1024).
Outcome<FieldTexts> zoomIntoCorner(FieldTexts f, Corner corner);

}  // namespace zentrel
