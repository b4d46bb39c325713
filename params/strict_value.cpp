// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/strict_value.h"

#include <cmath>

#include "engine/field_value.h"

namespace zentrel {

Outcome<double> strictValue(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    const NumberScan scan = scanNumber(text, false);
    if (scan.kind == NumberScan::Kind::None || scan.end != text.size())
        return Failure{Fault::TypeMismatch, ""};
    return scannedValue(scan);
}

Outcome<int> stepValue(double v)
{
    const double step = std::nearbyint(v);
    if (!(step >= -32768 && step <= 32767)) return Failure{Fault::Overflow, ""};
    return static_cast<int>(step);
}

}  // namespace zentrel
