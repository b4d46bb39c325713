#pragma once

#include "engine/pattern.h"

// The nineteen pattern routines, one source each, in button order.
namespace zentrel {

extern const Pattern aries;   // "aqua"
extern const Pattern blood;   // "brains"
extern const Pattern celt;    // "crumbs"
extern const Pattern dune;    // "deyes"
extern const Pattern eeee;    // "eels"
extern const Pattern fun;     // "fey"
extern const Pattern grin;    // "gall"
extern const Pattern hix;     // "hari"
extern const Pattern ice;     // "icening"
extern const Pattern joke;    // "jay"
extern const Pattern kraken;  // "kanga"
extern const Pattern limbo;   // "louis"
extern const Pattern numb;    // "nyet"
extern const Pattern ooh;     // "oogli"
extern const Pattern Punk;    // "pug"
extern const Pattern qwin;    // "quasi"
extern const Pattern rook;    // "riski"
extern const Pattern sizZle;  // "shim"
extern const Pattern Tame;    // "tang"

}  // namespace zentrel
