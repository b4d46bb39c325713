// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turns a pattern's formula into the column and pixel routines of the
// pattern table. A formula is a type with one static template
//
//     template <class V> static Mix<V> mix(const Snapshot& s, V x, V y);
//
// written in the order and grouping of its definition, and a pattern's
// source ends with
//
//     ZENTREL_PATTERN(object, Formula, "routine", "caption", SnapshotRule{...})
//
// object being the Pattern's name in C++ ("ariesPattern") and "routine" the
// name the program knows the pattern by ("aries"), which follows no rule of
// C++ names ("sizZle").
// The source is built once for each instruction set: built for AVX2
// (ZENTREL_BUILD_AVX2) or AVX-512 (ZENTREL_BUILD_AVX512) it gives only that
// set's column routine; built plainly it gives the Pattern itself, which
// names the others. A build that brings a ZENTREL_PATTERN of its own keeps
// it.

#include "engine/isa_pair.h"
#include "engine/lanes.h"

// A pattern's column routine for one instruction set, two vectors side by
// side.
#define ZENTREL_COLUMN_ROUTINE(name, Formula, Isa)                              \
    int name(const Snapshot& s, double x, const double* ys, int n, Colour* out) \
    {                                                                           \
        return columnColours<Formula, PairIsa<Isa>>(s, x, ys, n, out);          \
    }

#if defined(ZENTREL_PATTERN)

#elif defined(ZENTREL_BUILD_AVX2)

#include "engine/isa_avx2.h"

#define ZENTREL_PATTERN(object, Formula, routine, caption, ...) \
    ZENTREL_COLUMN_ROUTINE(object##ColumnAvx2, Formula, Avx2Isa)

#elif defined(ZENTREL_BUILD_AVX512)

#include "engine/isa_avx512.h"

#define ZENTREL_PATTERN(object, Formula, routine, caption, ...) \
    ZENTREL_COLUMN_ROUTINE(object##ColumnAvx512, Formula, Avx512Isa)

#else

#include "engine/isa_scalar.h"

namespace zentrel {

template <class Formula>
PixelResult pixelColour(const Snapshot& s, double x, double y)
{
    noted<PixelIsa> = {};
    const Mix<Lanes<PixelIsa>> m = Formula::mix(s, Lanes<PixelIsa>{x}, Lanes<PixelIsa>{y});
    return {colourOf(m.red.v, m.green.v, m.blue.v), noted<PixelIsa>.first};
}

}  // namespace zentrel

// The scalar column takes four values at a time, as two pairs.
#define ZENTREL_PATTERN(object, Formula, routine, caption, ...)                     \
    int object##ColumnAvx2(const Snapshot&, double, const double*, int, Colour*);   \
    int object##ColumnAvx512(const Snapshot&, double, const double*, int, Colour*); \
    ZENTREL_COLUMN_ROUTINE(object##ColumnScalar, Formula, PairIsa<ScalarIsa>)       \
    extern const Pattern object{                                                    \
        caption,                                                                    \
        routine,                                                                    \
        __VA_ARGS__,                                                                \
        {&object##ColumnScalar, &object##ColumnAvx2, &object##ColumnAvx512},        \
        &pixelColour<Formula>};

#endif
