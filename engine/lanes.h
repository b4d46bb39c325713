// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic that pattern formulas are written in. A formula is written
// once, as a template over its number type, and runs on Lanes of some
// instruction set: one, four or eight pixels side by side, each operation the
// very same IEEE operation in every lane, so that all instruction sets give
// the same bits.
//
// An overflow, a division by zero or an invalid operation shows itself as
// the first infinite or NaN intermediate value (the fields are finite). Every
// intermediate is noted as it is computed, so a failure is found even where
// a later step absorbs the infinity.
//
// An instruction set Isa supplies: Vector and its width kWidth; load,
// broadcast and the arithmetic; the maths functions; Faults, what the notes
// gather, with note, noteDivision and notePower; firstBadLane; and colours,
// the colour rule for a whole vector.

#include "engine/pattern.h"
#include "engine/snapshot.h"

namespace zentrel {

template <class Isa>
struct Lanes {
    typename Isa::Vector v;
};

// What the notes of the current evaluation gathered, on this thread.
template <class Isa>
inline thread_local typename Isa::Faults noted{};

template <class Isa>
inline Lanes<Isa> checked(typename Isa::Vector r)
{
    Isa::note(noted<Isa>, r);
    return {r};
}

template <class Isa>
inline Lanes<Isa> lanes(double same)
{
    return {Isa::broadcast(same)};
}

#define ZENTREL_LANES_OPERATOR(op, name)                      \
    template <class Isa>                                      \
    inline Lanes<Isa> operator op(Lanes<Isa> p, Lanes<Isa> q) \
    {                                                         \
        return checked<Isa>(Isa::name(p.v, q.v));             \
    }                                                         \
    template <class Isa>                                      \
    inline Lanes<Isa> operator op(Lanes<Isa> p, double q)     \
    {                                                         \
        return p op lanes<Isa>(q);                            \
    }                                                         \
    template <class Isa>                                      \
    inline Lanes<Isa> operator op(double p, Lanes<Isa> q)     \
    {                                                         \
        return lanes<Isa>(p) op q;                            \
    }

ZENTREL_LANES_OPERATOR(+, add)
ZENTREL_LANES_OPERATOR(-, subtract)
ZENTREL_LANES_OPERATOR(*, multiply)
#undef ZENTREL_LANES_OPERATOR

template <class Isa>
inline Lanes<Isa> operator/(Lanes<Isa> p, Lanes<Isa> q)
{
    const auto r = Isa::divide(p.v, q.v);
    Isa::noteDivision(noted<Isa>, p.v, q.v, r);
    return {r};
}

template <class Isa>
inline Lanes<Isa> operator/(Lanes<Isa> p, double q)
{
    return p / lanes<Isa>(q);
}

template <class Isa>
inline Lanes<Isa> operator/(double p, Lanes<Isa> q)
{
    return lanes<Isa>(p) / q;
}

// The sign, the magnitude, and the sine, cosine and tangent of a finite
// value are finite: only the arithmetic and the power need a note.
template <class Isa>
inline Lanes<Isa> operator-(Lanes<Isa> p)
{
    return {Isa::negate(p.v)};
}

template <class Isa>
inline Lanes<Isa> abs(Lanes<Isa> p)
{
    return {Isa::abs(p.v)};
}

template <class Isa>
inline Lanes<Isa> sin(Lanes<Isa> a)
{
    return {Isa::sin(a.v)};
}

template <class Isa>
inline Lanes<Isa> cos(Lanes<Isa> a)
{
    return {Isa::cos(a.v)};
}

template <class Isa>
inline Lanes<Isa> tan(Lanes<Isa> a)
{
    return {Isa::tan(a.v)};
}

// p^q as the formulas mean it; 0^0 is 1.
template <class Isa>
inline Lanes<Isa> pow(Lanes<Isa> p, Lanes<Isa> q)
{
    const auto r = Isa::pow(p.v, q.v);
    Isa::notePower(noted<Isa>, p.v, q.v, r);
    return {r};
}

template <class Isa>
inline Lanes<Isa> pow(Lanes<Isa> p, double q)
{
    return pow(p, lanes<Isa>(q));
}

// The three colour components of a pixel before the clamp.
template <class V>
struct Mix {
    V red;
    V green;
    V blue;
};

// The rows ys[i..i + width) as lanes, the last one repeated past count. A
// whole group is loaded as it lies: gathered through memory it would wait for
// its own stores to land before the load could take them.
template <class Isa>
inline typename Isa::Vector rowsFrom(const double* ys, int i, int count)
{
    constexpr int N = Isa::kWidth;
    if (i + N <= count) return Isa::load(ys + i);
    double rows[N];
    for (int k = 0; k < N; ++k) rows[k] = ys[i + k < count ? i + k : count - 1];
    return Isa::load(rows);
}

// Colours the rows ys[0..count) of the column x into out[0..count), Isa's
// width at a time; a last group short of rows repeats its last row. Returns
// the index of the first row whose pixel failed, or -1, and then out holds
// the colours of the rows above it. Everything it calls is inlined into it,
// as a formula is one long expression over small vectors.
template <class Formula, class Isa>
[[gnu::flatten]] int columnColours(const Snapshot& s, double x, const double* ys, int count,
                                   Colour* out)
{
    constexpr int N = Isa::kWidth;
    const Lanes<Isa> xs = lanes<Isa>(x);
    for (int i = 0; i < count; i += N) {
        noted<Isa> = typename Isa::Faults{};
        const Mix<Lanes<Isa>> m = Formula::mix(s, xs, Lanes<Isa>{rowsFrom<Isa>(ys, i, count)});
        const int bad = Isa::firstBadLane(noted<Isa>);
        if (bad >= 0) return i + bad;
        Colour colours[N];
        Isa::colours(m.red.v, m.green.v, m.blue.v, colours);
        for (int k = 0; k < N && i + k < count; ++k) out[i + k] = colours[k];
    }
    return -1;
}

}  // namespace zentrel
