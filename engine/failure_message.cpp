// SPDX-License-Identifier: GPL-3.0-or-later
// Failure::message() lives apart from the rest of outcome.cpp: it writes
// numbers, and writing a number reads it back through the field conversion,
// which itself gives outcomes.

#include "engine/number_text.h"
#include "engine/outcome.h"

namespace zentrel {

std::string Failure::message() const
{
    std::string text = faultName(fault);
    if (!where.empty()) text += " " + where;
    if (pixel) text += " at x = " + numberText(pixel->x) + ", y = " + numberText(pixel->y);
    return text;
}

}  // namespace zentrel
