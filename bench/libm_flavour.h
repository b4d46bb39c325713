// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds a pattern source with the C library's sin, cos, tan and pow, four
// pixels side by side, as the program computed before: the benchmark's
// measure of what the vector maths gained. Given to the compiler before the
// source itself; each pattern then gives object##ColumnLibm.

#include <cmath>

#include "engine/colour.h"
#include "engine/lanes.h"

namespace zentrel {

struct LibmIsa {
    struct Vector {
        double lane[4];
    };
    static constexpr int kWidth = 4;
    struct Faults {};  // not looked for: the benchmark draws healthy pictures

    template <class Op>
    static Vector each(Vector p, Vector q, Op op)
    {
        for (int i = 0; i < kWidth; ++i) p.lane[i] = op(p.lane[i], q.lane[i]);
        return p;
    }
    template <class Op>
    static Vector each(Vector p, Op op)
    {
        for (double& v : p.lane) v = op(v);
        return p;
    }

    static Vector load(const double* p) { return {{p[0], p[1], p[2], p[3]}}; }
    static Vector broadcast(double v) { return {{v, v, v, v}}; }
    static void store(double* p, Vector v)
    {
        for (int i = 0; i < kWidth; ++i) p[i] = v.lane[i];
    }
    static Vector add(Vector p, Vector q)
    {
        return each(p, q, [](double a, double b) { return a + b; });
    }
    static Vector subtract(Vector p, Vector q)
    {
        return each(p, q, [](double a, double b) { return a - b; });
    }
    static Vector multiply(Vector p, Vector q)
    {
        return each(p, q, [](double a, double b) { return a * b; });
    }
    static Vector divide(Vector p, Vector q)
    {
        return each(p, q, [](double a, double b) { return a / b; });
    }
    static Vector negate(Vector p)
    {
        return each(p, [](double a) { return -a; });
    }
    static Vector abs(Vector p)
    {
        return each(p, [](double a) { return std::fabs(a); });
    }
    static Vector sin(Vector p)
    {
        return each(p, [](double a) { return std::sin(a); });
    }
    static Vector cos(Vector p)
    {
        return each(p, [](double a) { return std::cos(a); });
    }
    static Vector tan(Vector p)
    {
        return each(p, [](double a) { return std::tan(a); });
    }
    static Vector pow(Vector p, Vector q)
    {
        return each(p, q, [](double a, double b) { return std::pow(a, b); });
    }

    static void note(Faults&, Vector) {}
    static void noteDivision(Faults&, Vector, Vector, Vector) {}
    static void notePower(Faults&, Vector, Vector, Vector) {}
    static int firstBadLane(Faults) { return -1; }
    static void colours(Vector red, Vector green, Vector blue, Colour* out)
    {
        for (int i = 0; i < kWidth; ++i)
            out[i] = colourOf(red.lane[i], green.lane[i], blue.lane[i]);
    }
};

}  // namespace zentrel

#define ZENTREL_PATTERN(object, Formula, routine, caption, ...)                               \
    int object##ColumnLibm(const Snapshot& s, double x, const double* ys, int n, Colour* out) \
    {                                                                                         \
        return columnColours<Formula, LibmIsa>(s, x, ys, n, out);                             \
    }
