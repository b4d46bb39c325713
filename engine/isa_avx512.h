// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Eight pixels at a time with AVX-512 (the foundation instructions alone)
// and the AVX-512 variants of the maths functions. Only sources built for
// AVX-512 include this.

#include <immintrin.h>
#include <sleef.h>

#include "engine/pattern.h"

namespace zentrel {

struct Avx512Isa {
    using Vector = __m512d;
    static constexpr int kWidth = 8;
    // A lane turns NaN once an infinite or NaN value was noted in it.
    using Faults = __m512d;

    static __m512i bits(Vector v) { return _mm512_castpd_si512(v); }
    static Vector real(__m512i i) { return _mm512_castsi512_pd(i); }
    static __m512i signBit()
    {
        return _mm512_set1_epi64(static_cast<long long>(0x8000000000000000ull));
    }

    static Vector load(const double* p) { return _mm512_loadu_pd(p); }
    static Vector broadcast(double v) { return _mm512_set1_pd(v); }
    static void store(double* p, Vector v) { _mm512_storeu_pd(p, v); }
    static Vector add(Vector p, Vector q) { return _mm512_add_pd(p, q); }
    static Vector subtract(Vector p, Vector q) { return _mm512_sub_pd(p, q); }
    static Vector multiply(Vector p, Vector q) { return _mm512_mul_pd(p, q); }
    static Vector divide(Vector p, Vector q) { return _mm512_div_pd(p, q); }
    static Vector negate(Vector p) { return real(_mm512_xor_si512(bits(p), signBit())); }
    static Vector abs(Vector p) { return real(_mm512_andnot_si512(signBit(), bits(p))); }
    static Vector sin(Vector a) { return Sleef_sind8_u10avx512f(a); }
    static Vector cos(Vector a) { return Sleef_cosd8_u10avx512f(a); }
    static Vector tan(Vector a) { return Sleef_tand8_u10avx512f(a); }
    static Vector pow(Vector p, Vector q) { return Sleef_powd8_u10avx512f(p, q); }

    // r - r is 0 for a finite r and NaN for an infinite or NaN one.
    static void note(Faults& f, Vector r)
    {
        f = real(_mm512_or_si512(bits(f), bits(_mm512_sub_pd(r, r))));
    }
    static void noteDivision(Faults& f, Vector, Vector, Vector r) { note(f, r); }
    static void notePower(Faults& f, Vector, Vector, Vector r) { note(f, r); }
    static int firstBadLane(Faults f)
    {
        const unsigned lanes = _mm512_cmp_pd_mask(f, f, _CMP_UNORD_Q);
        return lanes ? __builtin_ctz(lanes) : -1;
    }

    // The colour rule lane by lane: a NaN or negative component is 0, one
    // above 255 is 255, then halves round to even.
    static Vector component(Vector v)
    {
        const Vector clamped =
            _mm512_min_pd(_mm512_max_pd(v, _mm512_setzero_pd()), _mm512_set1_pd(255));
        return _mm512_roundscale_pd(clamped, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    }
    static void colours(Vector red, Vector green, Vector blue, Colour* out)
    {
        const Vector packed = _mm512_add_pd(
            _mm512_add_pd(component(red), _mm512_mul_pd(component(green), _mm512_set1_pd(256))),
            _mm512_mul_pd(component(blue), _mm512_set1_pd(65536)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm512_cvtpd_epi32(packed));
    }
};

}  // namespace zentrel
