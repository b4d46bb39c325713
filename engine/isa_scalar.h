// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One value at a time, with the scalar variants of the maths functions:
// ScalarIsa for columns, PixelIsa to name the failure of a single pixel that
// a column found.

#include <cmath>
#include <optional>

#include "engine/colour.h"
#include "engine/outcome.h"

namespace zentrel {

struct ScalarMaths {
    double (*sin)(double);
    double (*cos)(double);
    double (*tan)(double);
    double (*pow)(double, double);
};

// The fused multiply-add variants, or on a processor without fused
// multiply-add the plain ones; chosen when the program starts.
extern const ScalarMaths kScalarMaths;

// The arithmetic and the maths, one value at a time.
struct ScalarArithmetic {
    using Vector = double;
    static constexpr int kWidth = 1;

    static double load(const double* p) { return *p; }
    static double broadcast(double v) { return v; }
    static void store(double* p, double v) { *p = v; }
    static double add(double p, double q) { return p + q; }
    static double subtract(double p, double q) { return p - q; }
    static double multiply(double p, double q) { return p * q; }
    static double divide(double p, double q) { return p / q; }
    static double negate(double p) { return -p; }
    static double abs(double p) { return std::fabs(p); }
    static double sin(double a) { return kScalarMaths.sin(a); }
    static double cos(double a) { return kScalarMaths.cos(a); }
    static double tan(double a) { return kScalarMaths.tan(a); }
    static double pow(double p, double q) { return kScalarMaths.pow(p, q); }

    static void colours(double red, double green, double blue, Colour* out)
    {
        *out = colourOf(red, green, blue);
    }
};

// Notes only whether a value was infinite or NaN, as the vector paths do.
struct ScalarIsa : ScalarArithmetic {
    // NaN once an infinite or NaN value was noted: r - r is 0 for a finite r.
    using Faults = double;

    static void note(Faults& f, double r) { f += r - r; }
    static void noteDivision(Faults& f, double, double, double r) { note(f, r); }
    static void notePower(Faults& f, double, double, double r) { note(f, r); }
    static int firstBadLane(Faults f) { return std::isnan(f) ? 0 : -1; }
};

// Notes what kind of failure the first infinite or NaN value was.
struct PixelIsa : ScalarArithmetic {
    struct Faults {
        std::optional<Fault> first;
    };

    static void note(Faults& f, double r)
    {
        if (!std::isfinite(r) && !f.first)
            f.first = std::isnan(r) ? Fault::InvalidOperation : Fault::Overflow;
    }
    // A finite non-zero number divided by zero is a division by zero; 0 / 0
    // is invalid.
    static void noteDivision(Faults& f, double p, double q, double r)
    {
        if (q == 0 && p != 0 && std::isfinite(p) && !f.first) f.first = Fault::DivisionByZero;
        note(f, r);
    }
    // 0 raised to a negative power divides by zero.
    static void notePower(Faults& f, double p, double q, double r)
    {
        if (p == 0 && q < 0 && !f.first) f.first = Fault::DivisionByZero;
        note(f, r);
    }
};

}  // namespace zentrel
