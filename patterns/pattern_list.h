// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The nineteen patterns in button order, for code that does one thing for
// each: X(ariesPattern) X(bloodPattern) ... X(tamePattern).
// clang-format off
#define ZENTREL_FOR_EACH_PATTERN(X) \
    X(ariesPattern)                 \
    X(bloodPattern)                 \
    X(celtPattern)                  \
    X(dunePattern)                  \
    X(eeeePattern)                  \
    X(funPattern)                   \
    X(grinPattern)                  \
    X(hixPattern)                   \
    X(icePattern)                   \
    X(jokePattern)                  \
    X(krakenPattern)                \
    X(limboPattern)                 \
    X(numbPattern)                  \
    X(oohPattern)                   \
    X(punkPattern)                  \
    X(qwinPattern)                  \
    X(rookPattern)                  \
    X(sizzlePattern)                \
    X(tamePattern)
// clang-format on
