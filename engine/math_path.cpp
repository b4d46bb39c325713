// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/math_path.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "engine/isa_scalar.h"

// The header declares the fused multiply-add variants only to builds that
// target that instruction themselves; this source picks them at run time.
#define FP_FAST_FMA
#include <sleef.h>
#undef FP_FAST_FMA

namespace zentrel {
namespace {

MathPath fastestSupported() { return supportedPaths().front(); }

// ZENTREL_SIMD forces a path where the processor allows it.
MathPath initialPath()
{
    const char* forced = std::getenv("ZENTREL_SIMD");
    if (!forced || !*forced) return fastestSupported();
    const auto path = pathNamed(forced);
    if (path && supported(*path)) return *path;
    std::fprintf(stderr,
                 "zentrel: ZENTREL_SIMD=%s is not a path this processor runs (%s); using %s\n",
                 forced, "avx512, avx2 or scalar", pathName(fastestSupported()).data());
    return fastestSupported();
}

std::atomic<MathPath>& currentPath()
{
    static std::atomic<MathPath> path{initialPath()};
    return path;
}

}  // namespace

std::string_view pathName(MathPath path)
{
    switch (path) {
    case MathPath::Scalar:
        return "scalar";
    case MathPath::Avx2:
        return "avx2";
    case MathPath::Avx512:
        return "avx512";
    }
    return "scalar";
}

std::optional<MathPath> pathNamed(std::string_view name)
{
    for (MathPath path : {MathPath::Scalar, MathPath::Avx2, MathPath::Avx512})
        if (pathName(path) == name) return path;
    return std::nullopt;
}

bool supported(MathPath path)
{
    // The vector variants use fused multiply-add as well.
    switch (path) {
    case MathPath::Scalar:
        return true;
    case MathPath::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case MathPath::Avx512:
        return __builtin_cpu_supports("avx512f");
    }
    return false;
}

std::vector<MathPath> supportedPaths()
{
    std::vector<MathPath> paths;
    for (MathPath path : {MathPath::Avx512, MathPath::Avx2, MathPath::Scalar})
        if (supported(path)) paths.push_back(path);
    return paths;
}

MathPath mathPath() { return currentPath().load(std::memory_order_relaxed); }

bool useMathPath(MathPath path)
{
    if (!supported(path)) return false;
    currentPath().store(path, std::memory_order_relaxed);
    return true;
}

bool exactMaths() { return __builtin_cpu_supports("fma"); }

namespace {

const ScalarMaths kWithFma{
    [](double a) { return Sleef_sind1_u10purecfma(a); },
    [](double a) { return Sleef_cosd1_u10purecfma(a); },
    [](double a) { return Sleef_tand1_u10purecfma(a); },
    [](double p, double q) { return Sleef_powd1_u10purecfma(p, q); },
};

const ScalarMaths kWithoutFma{
    [](double a) { return Sleef_sind1_u10purec(a); },
    [](double a) { return Sleef_cosd1_u10purec(a); },
    [](double a) { return Sleef_tand1_u10purec(a); },
    [](double p, double q) { return Sleef_powd1_u10purec(p, q); },
};

}  // namespace

extern const ScalarMaths kScalarMaths = exactMaths() ? kWithFma : kWithoutFma;

}  // namespace zentrel
