// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/outcome.h"

namespace zentrel::cli {

// What zentrel-render exits with.
enum ExitStatus { kWritten = 0, kCannotWrite = 1, kBadCommand = 2, kFormulaFailed = 3 };

// The status a failure ends the render with. A field that cannot become a
// usable number is the command line's fault, whatever it amounts to; a
// formula that fails while drawing is the formulas'.
ExitStatus exitStatusOf(const Failure& failure);

}  // namespace zentrel::cli
