// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/layout.h"

class QStyle;

namespace zentrel::app {

// Creates one control of the layout table on the window, with its name,
// place, caption, colours, font and tooltip. Labels come out as ClickLabel,
// buttons as QPushButton, fields as QLineEdit.
QWidget* createControl(const ControlSpec& spec, QWidget* window, QStyle* style);

QColor toColor(Rgb rgb);

// Sets a button's back colour, as pattern selection does at run time.
void setBackColour(QWidget* control, const QColor& colour);

}  // namespace zentrel::app
