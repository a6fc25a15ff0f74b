// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace wumpel::monkey {

// The monkey's one source of chance. The same seed gives the same events on
// every machine (mt19937_64 is fully specified by the standard), so a failing run can be repeated
// from its printed seed.
class MonkeyRandom {
public:
    explicit MonkeyRandom(std::uint64_t seed) : m_generator(seed) {}

    std::uint64_t bits() { return m_generator(); }

    // Uniform in 0..bound-1; bound is small, so the modulo's bias is far below
    // anything a test could notice.
    int below(int bound) { return static_cast<int>(bits() % static_cast<std::uint64_t>(bound)); }

    int between(int low, int high) { return low + below(high - low + 1); }

    // An index into weights, each drawn in proportion to its weight.
    std::size_t pick(std::span<const int> weights);

private:
    std::mt19937_64 m_generator;
};

} // namespace wumpel::monkey
