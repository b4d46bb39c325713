// SPDX-License-Identifier: GPL-3.0-or-later
// Built once for each instruction set, like the pattern formulas: plainly it
// gives the dispatch and the scalar calls, for AVX2 or AVX-512 that set's.

#include "maths_floor.h"

#include "engine/lanes.h"

#if defined(ZENTREL_BUILD_AVX2)
#include "engine/isa_avx2.h"
#elif defined(ZENTREL_BUILD_AVX512)
#include "engine/isa_avx512.h"
#else
#include "engine/isa_scalar.h"
#endif

namespace zentrel::bench {
namespace {

// Values are taken kWidth at a time; pow takes bases and exponents apart.
template <class Isa>
double sumWith(MathsFunction f, const double* values, std::size_t count, int repeats)
{
    constexpr std::size_t N = Isa::kWidth;
    double base[N];
    double exponent[N];
    auto sum = Isa::broadcast(0);
    for (int r = 0; r < repeats; ++r)
        for (std::size_t i = 0; i + N <= count; i += N) {
            if (f == MathsFunction::Pow) {
                for (std::size_t k = 0; k < N; ++k) {
                    base[k] = values[2 * (i + k)];
                    exponent[k] = values[2 * (i + k) + 1];
                }
                sum = Isa::add(sum, Isa::pow(Isa::load(base), Isa::load(exponent)));
                continue;
            }
            const auto v = Isa::load(values + i);
            sum = Isa::add(sum, f == MathsFunction::Sin   ? Isa::sin(v)
                                : f == MathsFunction::Cos ? Isa::cos(v)
                                                          : Isa::tan(v));
        }
    double lanes[N];
    for (std::size_t k = 0; k < N; ++k) lanes[k] = 0;
    Isa::store(lanes, sum);
    double total = 0;
    for (double v : lanes) total += v;
    return total;
}

}  // namespace

#if defined(ZENTREL_BUILD_AVX2)
double sumOfCallsAvx2(MathsFunction f, const double* values, std::size_t count, int repeats)
{
    return sumWith<Avx2Isa>(f, values, count, repeats);
}
#elif defined(ZENTREL_BUILD_AVX512)
double sumOfCallsAvx512(MathsFunction f, const double* values, std::size_t count, int repeats)
{
    return sumWith<Avx512Isa>(f, values, count, repeats);
}
#else
double sumOfCallsAvx2(MathsFunction, const double*, std::size_t, int);
double sumOfCallsAvx512(MathsFunction, const double*, std::size_t, int);

double sumOfCalls(MathPath path, MathsFunction f, const double* values, std::size_t count,
                  int repeats)
{
    switch (path) {
    case MathPath::Avx512:
        return sumOfCallsAvx512(f, values, count, repeats);
    case MathPath::Avx2:
        return sumOfCallsAvx2(f, values, count, repeats);
    case MathPath::Scalar:
        break;
    }
    return sumWith<ScalarIsa>(f, values, count, repeats);
}
#endif

}  // namespace zentrel::bench
