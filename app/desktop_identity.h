// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace zentrel::app {

// The program's icon at every size it was drawn at.
QIcon zentrelIcon();

// Names the program to the desktop so that task bars and window switchers
// show "Zentrel" with its icon: the application's name (the window's class),
// the desktop entry it belongs to, and its icon. Call it before the window
// is created.
void setDesktopIdentity();

}  // namespace zentrel::app
