// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Two vectors of an instruction set side by side. The formulas are long
// chains of maths calls, each waiting for the one before; two independent
// chains let the processor work on one while the other waits.

#include "engine/pattern.h"

namespace zentrel {

template <class Isa>
struct PairIsa {
    using Half = typename Isa::Vector;
    struct Vector {
        Half low, high;
    };
    static constexpr int kWidth = 2 * Isa::kWidth;
    struct Faults {
        typename Isa::Faults low, high;
    };

    template <class Op>
    static Vector both(Vector p, Op op)
    {
        return {op(p.low), op(p.high)};
    }
    template <class Op>
    static Vector both(Vector p, Vector q, Op op)
    {
        return {op(p.low, q.low), op(p.high, q.high)};
    }

    static Vector load(const double* p) { return {Isa::load(p), Isa::load(p + Isa::kWidth)}; }
    static Vector broadcast(double v) { return {Isa::broadcast(v), Isa::broadcast(v)}; }
    static void store(double* p, Vector v)
    {
        Isa::store(p, v.low);
        Isa::store(p + Isa::kWidth, v.high);
    }
    static Vector add(Vector p, Vector q) { return both(p, q, Isa::add); }
    static Vector subtract(Vector p, Vector q) { return both(p, q, Isa::subtract); }
    static Vector multiply(Vector p, Vector q) { return both(p, q, Isa::multiply); }
    static Vector divide(Vector p, Vector q) { return both(p, q, Isa::divide); }
    static Vector negate(Vector p) { return both(p, Isa::negate); }
    static Vector abs(Vector p) { return both(p, Isa::abs); }
    static Vector sin(Vector a) { return both(a, Isa::sin); }
    static Vector cos(Vector a) { return both(a, Isa::cos); }
    static Vector tan(Vector a) { return both(a, Isa::tan); }
    static Vector pow(Vector p, Vector q) { return both(p, q, Isa::pow); }

    static void note(Faults& f, Vector r)
    {
        Isa::note(f.low, r.low);
        Isa::note(f.high, r.high);
    }
    static void noteDivision(Faults& f, Vector p, Vector q, Vector r)
    {
        Isa::noteDivision(f.low, p.low, q.low, r.low);
        Isa::noteDivision(f.high, p.high, q.high, r.high);
    }
    static void notePower(Faults& f, Vector p, Vector q, Vector r)
    {
        Isa::notePower(f.low, p.low, q.low, r.low);
        Isa::notePower(f.high, p.high, q.high, r.high);
    }
    static int firstBadLane(const Faults& f)
    {
        const int low = Isa::firstBadLane(f.low);
        if (low >= 0) return low;
        const int high = Isa::firstBadLane(f.high);
        return high >= 0 ? Isa::kWidth + high : -1;
    }
    static void colours(Vector red, Vector green, Vector blue, Colour* out)
    {
        Isa::colours(red.low, green.low, blue.low, out);
        Isa::colours(red.high, green.high, blue.high, out + Isa::kWidth);
    }
};

}  // namespace zentrel
