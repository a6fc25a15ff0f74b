// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

namespace wumpel::fuzzing {

// A broken invariant must stop the fuzzer with a finding, in any build mode.
inline void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Hands out the fuzzer's bytes as the values a run needs; once they run out,
// every value is zero, so each input means one run.
class FuzzInput {
public:
    explicit FuzzInput(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::uint8_t Byte()
    {
        if (m_bytes.empty()) {
            return 0;
        }
        const std::uint8_t byte = m_bytes.front();
        m_bytes = m_bytes.subspan(1);
        return byte;
    }

    std::uint64_t Word()
    {
        std::uint64_t word = 0;
        for (int i = 0; i < 8; ++i) {
            word = (word << 8U) | Byte();
        }
        return word;
    }

    std::span<const std::uint8_t> Rest() const { return m_bytes; }

private:
    std::span<const std::uint8_t> m_bytes;
};

} // namespace wumpel::fuzzing
