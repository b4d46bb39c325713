// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "picture/view.h"

namespace zentrel::app {

// "aqua-0.15.png": the pattern and the Xoom, with what a file name cannot
// hold or would hide (a slash, a leading dot, spaces) made a dash.
QString proposedName(const View& view);

// The proposed name in the folder, or, when a file has it, the first of
// "aqua-0.15 (2).png", "aqua-0.15 (3).png"... that none has.
QString freePath(const QString& folder, const View& view);

}  // namespace zentrel::app
