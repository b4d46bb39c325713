// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <png.h>

// For picture/ alone: what libpng is given to report with.
namespace zentrel {

// libpng reports its errors by longjmp; every call into it stays inside a
// function that set the jump buffer. It would also print them, and its
// warnings: the caller reports a failure once, in its own words.
extern "C" inline void stopWithoutPrinting(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}
extern "C" inline void ignoreWarning(png_structp, png_const_charp) {}

}  // namespace zentrel
