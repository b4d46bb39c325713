// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include "engine/field_texts.h"
#include "engine/pattern.h"

namespace zentrel::bench {

// The pictures every row is about: 1024 x 768.
inline const FieldTexts kLargePicture{"1", "1", "768", "0.15", "150"};

using Work = std::function<void()>;

// The median time of runs runs of work, in milliseconds.
double medianMs(int runs, const Work& work);

// The median times of a and b, run in turn, so that a machine busy with
// other work slows both alike and their ratio holds.
std::pair<double, double> medianMsInTurn(int runs, const Work& a, const Work& b);

// a / b, or 0 where b is no time at all.
inline double ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

// A whole drawing of the large picture on all cores, column by column.
void drawOnAllCores(const Pattern& pattern);

// The median time of a whole drawing of the large picture on all cores.
double allCoresMs(int runs, const Pattern& pattern);

}  // namespace zentrel::bench
