// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace zentrel {

// Which code computes the formulas: eight pixels at a time with AVX-512,
// four with AVX2, or one. All three call the same family of maths functions
// (1-ulp, with fused multiply-add), whose variants give the same bits, so
// every path draws the same picture.
enum class MathPath { Scalar, Avx2, Avx512 };

inline constexpr int kMathPaths = 3;

// "scalar", "avx2", "avx512": the names ZENTREL_SIMD takes.
std::string_view pathName(MathPath path);
std::optional<MathPath> pathNamed(std::string_view name);

// Whether this processor can run the path.
bool supported(MathPath path);
// The paths this processor can run, fastest first.
std::vector<MathPath> supportedPaths();

// The path in use: the fastest this processor offers, or the one that
// ZENTREL_SIMD names when the processor can run it. Chosen once, at first
// use.
MathPath mathPath();
// Switches to another path, for tests and the benchmark; false, and no
// change, when the processor cannot run it.
bool useMathPath(MathPath path);

// False only on a processor without fused multiply-add, where the scalar
// functions fall back to variants whose last bits may differ from those of
// other machines.
bool exactMaths();

}  // namespace zentrel
