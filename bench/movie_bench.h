// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel::bench {

// The movie row: a 10-second 1280 x 720 flight at 30 frames a second
// zooming 1000 x into "aqua", written as MP4, against drawing its frames
// alone; and the MP4's mean PSNR against the exact frames.
int printMovieRow();

}  // namespace zentrel::bench
