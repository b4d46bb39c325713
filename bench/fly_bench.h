// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel::bench {

// The fly row: a zoom held for three seconds on the middle of each
// 1024 x 768 picture, paced by the screen's frames as in the window: the
// frames shown a second, the share of the pixels computed in the coarsest
// frame shown, and the time from letting go to the exact picture against a
// fresh drawing of that view.
void printFlyRows();

}  // namespace zentrel::bench
