// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzzer shares: how a property is checked, and how the bytes
// libFuzzer hands over become texts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/outcome.h"

namespace zentrel::fuzz {

// A property that must hold for every input. A violation aborts, which
// libFuzzer reports as a crash and keeps the input that caused it.
inline void require(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

// The same value, or failures of the same kind.
inline bool sameOutcome(const Outcome<double>& a, const Outcome<double>& b)
{
    if (a.ok() != b.ok()) return false;
    return a.ok() ? a.value() == b.value() : a.failure().fault == b.failure().fault;
}

inline std::string_view bytesAsText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The texts between zero bytes, at most `most` of them; the last one holds
// the rest of the input, zero bytes and all.
inline std::vector<std::string> textsAtZeros(std::string_view input, std::size_t most)
{
    std::vector<std::string> texts;
    while (texts.size() + 1 < most) {
        const std::size_t zero = input.find('\0');
        if (zero == std::string_view::npos) break;
        texts.emplace_back(input.substr(0, zero));
        input.remove_prefix(zero + 1);
    }
    texts.emplace_back(input);
    return texts;
}

}  // namespace zentrel::fuzz
