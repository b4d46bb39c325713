// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-mathcount: prints, for every pattern, how many sin, cos, tan and
// pow calls one 1024 x 768 picture makes, followed by a sample of the very
// arguments of those calls, so that the benchmark can time the maths
// functions alone on them. It draws with the C library's functions (the
// counts are the same on every path); the definitions below take their place
// for this program only, count, keep every 16th argument, and hand on.
//
// Output, one line per pattern:
//   caption sins coss tans pows | s: a a a ... | c: a a ... | t: ... | p: base exp base exp ...

#include <dlfcn.h>

#include <cstdio>
#include <vector>

#include "engine/sweep.h"
#include "libm_patterns.h"

namespace {

struct Calls {
    long long sin = 0, cos = 0, tan = 0, pow = 0;
    std::vector<double> sinArgs, cosArgs, tanArgs, powArgs;
} calls;

constexpr long long kSampleEvery = 16;
constexpr std::size_t kMaxSamples = 4096;

void keep(long long count, std::vector<double>& sample, double a)
{
    if (count % kSampleEvery == 0 && sample.size() < kMaxSamples) sample.push_back(a);
}

void print(const char* label, const std::vector<double>& sample)
{
    std::printf(" %s", label);
    for (double a : sample) std::printf(" %.17g", a);
}

template <class F>
F libm(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

double sin(double a)
{
    static const auto real = libm<double (*)(double)>("sin");
    keep(calls.sin++, calls.sinArgs, a);
    return real(a);
}

double cos(double a)
{
    static const auto real = libm<double (*)(double)>("cos");
    keep(calls.cos++, calls.cosArgs, a);
    return real(a);
}

double tan(double a)
{
    static const auto real = libm<double (*)(double)>("tan");
    keep(calls.tan++, calls.tanArgs, a);
    return real(a);
}

double pow(double p, double q)
{
    static const auto real = libm<double (*)(double, double)>("pow");
    if (calls.pow++ % kSampleEvery == 0 && calls.powArgs.size() < 2 * kMaxSamples) {
        calls.powArgs.push_back(p);
        calls.powArgs.push_back(q);
    }
    return real(p, q);
}

void sincos(double a, double* s, double* c)
{
    static const auto real = libm<void (*)(double, double*, double*)>("sincos");
    keep(calls.sin++, calls.sinArgs, a);
    keep(calls.cos++, calls.cosArgs, a);
    real(a, s, c);
}

}  // extern "C"

int main()
{
    using namespace zentrel;
    const FieldTexts fields{"1", "1", "768", "0.15", "150"};
    for (const Pattern& pattern : bench::libmPatterns()) {
        calls = {};
        const auto [s, grid] = prepareSweep(pattern, fields).value();
        std::vector<Colour> column(grid.ys.size());
        for (double x : grid.xs) colourColumn(pattern, s, x, grid.ys, column.data());
        std::printf("%s %lld %lld %lld %lld", std::string(pattern.caption).c_str(), calls.sin,
                    calls.cos, calls.tan, calls.pow);
        print("s:", calls.sinArgs);
        print("c:", calls.cosArgs);
        print("t:", calls.tanArgs);
        print("p:", calls.powArgs);
        std::printf("\n");
    }
}
