// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/xoshiro256_star_star.h"

#include <bit>

namespace wumpel {
namespace {

// SplitMix64 spreads any 64-bit value (a seed, a clock reading) over all bits.
std::uint64_t SplitMix64(std::uint64_t& x)
{
    x += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = x;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

} // namespace

Xoshiro256StarStar::Xoshiro256StarStar(std::uint64_t seed)
{
    for (std::uint64_t& word : m_state) {
        word = SplitMix64(seed);
    }
}

std::uint64_t Xoshiro256StarStar::NextBits()
{
    const std::uint64_t result = std::rotl(m_state[1] * 5U, 7) * 9U;
    const std::uint64_t t = m_state[1] << 17U;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = std::rotl(m_state[3], 45);
    return result;
}

void Xoshiro256StarStar::Mix(std::uint64_t value)
{
    std::uint64_t spread = value;
    m_state[0] ^= SplitMix64(spread);
    m_state[1] ^= SplitMix64(spread);
    // The all-zero state is the one state xoshiro never leaves.
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0) {
        m_state[0] = SplitMix64(spread);
    }
}

} // namespace wumpel
