// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "picture/view.h"

// Whether the window can show a view that comes from outside (pasted,
// opened, dropped): it shows it whole or not at all, so a view it cannot
// draw is refused before any field changes.
namespace zentrel::app {

// The most a field holds; a longer text would be cut and read as another
// view.
inline constexpr int kLongestFieldText = 32767;

// Why the window cannot show the view, in the person's words; nothing when
// it can.
std::optional<QString> refusalOf(const View& view);

}  // namespace zentrel::app
