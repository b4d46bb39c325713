// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel::bench {

// Rows on redrawing a 1024 x 768 picture with what is drawn already: a drag
// by a quarter of the picture through exact reuse, a wheel notch through the
// coarse passes, and a view found again in the cache, against fresh drawings
// of the same views.
void printRedrawRows(int runs);

}  // namespace zentrel::bench
