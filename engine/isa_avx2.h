// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Four pixels at a time with AVX2 and the AVX2 variants of the maths
// functions. Only sources built for AVX2 include this.

#include <immintrin.h>
#include <sleef.h>

#include "engine/pattern.h"

namespace zentrel {

struct Avx2Isa {
    using Vector = __m256d;
    static constexpr int kWidth = 4;
    // A lane turns NaN once an infinite or NaN value was noted in it.
    using Faults = __m256d;

    static Vector load(const double* p) { return _mm256_loadu_pd(p); }
    static Vector broadcast(double v) { return _mm256_set1_pd(v); }
    static void store(double* p, Vector v) { _mm256_storeu_pd(p, v); }
    static Vector add(Vector p, Vector q) { return _mm256_add_pd(p, q); }
    static Vector subtract(Vector p, Vector q) { return _mm256_sub_pd(p, q); }
    static Vector multiply(Vector p, Vector q) { return _mm256_mul_pd(p, q); }
    static Vector divide(Vector p, Vector q) { return _mm256_div_pd(p, q); }
    static Vector negate(Vector p) { return _mm256_xor_pd(p, _mm256_set1_pd(-0.0)); }
    static Vector abs(Vector p) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), p); }
    static Vector sin(Vector a) { return Sleef_sind4_u10avx2(a); }
    static Vector cos(Vector a) { return Sleef_cosd4_u10avx2(a); }
    static Vector tan(Vector a) { return Sleef_tand4_u10avx2(a); }
    static Vector pow(Vector p, Vector q) { return Sleef_powd4_u10avx2(p, q); }

    // r - r is 0 for a finite r and NaN for an infinite or NaN one.
    static void note(Faults& f, Vector r) { f = _mm256_or_pd(f, _mm256_sub_pd(r, r)); }
    static void noteDivision(Faults& f, Vector, Vector, Vector r) { note(f, r); }
    static void notePower(Faults& f, Vector, Vector, Vector r) { note(f, r); }
    static int firstBadLane(Faults f)
    {
        const int lanes = _mm256_movemask_pd(_mm256_cmp_pd(f, f, _CMP_UNORD_Q));
        return lanes ? __builtin_ctz(lanes) : -1;
    }

    // The colour rule lane by lane: a NaN or negative component is 0, one
    // above 255 is 255, then halves round to even.
    static Vector component(Vector v)
    {
        const Vector clamped =
            _mm256_min_pd(_mm256_max_pd(v, _mm256_setzero_pd()), _mm256_set1_pd(255));
        return _mm256_round_pd(clamped, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    }
    static void colours(Vector red, Vector green, Vector blue, Colour* out)
    {
        const Vector packed = _mm256_add_pd(
            _mm256_add_pd(component(red), _mm256_mul_pd(component(green), _mm256_set1_pd(256))),
            _mm256_mul_pd(component(blue), _mm256_set1_pd(65536)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm256_cvtpd_epi32(packed));
    }
};

}  // namespace zentrel
