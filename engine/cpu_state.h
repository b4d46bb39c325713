// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zentrel {

// After 256-bit vector code has run on a thread (as toolkit drawing code
// may), the processor keeps the upper halves of its vector registers dirty,
// and every later non-VEX instruction, the formulas' maths included, can pay
// a heavy transition penalty. Clearing that state costs one instruction.
inline void clearUpperVectorState()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) __asm__ __volatile__("vzeroupper" ::: "memory");
#endif
}

}  // namespace zentrel
