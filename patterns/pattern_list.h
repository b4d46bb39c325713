#pragma once

// The routines of the nineteen patterns in button order, for code that does
// one thing for each: X(aries) X(blood) ... X(Tame).
#define ZENTREL_FOR_EACH_PATTERN(X)                                                                \
    X(aries)                                                                                       \
    X(blood)                                                                                       \
    X(celt) X(dune) X(eeee) X(fun) X(grin) X(hix) X(ice) X(joke) X(kraken) X(limbo) X(numb) X(ooh) \
        X(Punk) X(qwin) X(rook) X(sizZle) X(Tame)
