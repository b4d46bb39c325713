// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel::bench {

// Rows on the nineteen thumbnails of the large picture's region at
// 192 x 144, on every core: all of them exact in one go (and on one thread,
// against which the cores' gain shows), and coarse to fine with the time
// until the first pass of every one shows.
void printThumbnailRows(int runs);

}  // namespace zentrel::bench
