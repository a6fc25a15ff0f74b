// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/random_source.h"

#include <bit>
#include <chrono>
#include <random>

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

XoshiroState SeededState(std::uint64_t seed)
{
    XoshiroState state{};
    for (std::uint64_t& word : state) {
        word = SplitMix64(seed);
    }
    return state;
}

// The top bits of xoshiro256**'s next output, which are its best.
Draw NextDraw(XoshiroState& s)
{
    const std::uint64_t result = std::rotl(s[1] * 5U, 7) * 9U;
    const std::uint64_t t = s[1] << 17U;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = std::rotl(s[3], 45);
    return static_cast<Draw>(result >> (64U - DrawBits));
}

} // namespace

std::uint64_t SystemClockTicks()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

ClockRandomSource::ClockRandomSource(TickClock clock)
    : m_clock(clock),
      m_state(SeededState((std::uint64_t{std::random_device{}()} << 32U) ^ m_clock()))
{
}

// Folds the clock into the running state, so what came before still counts.
void ClockRandomSource::Reseed()
{
    std::uint64_t spread = m_clock();
    m_state[0] ^= SplitMix64(spread);
    m_state[1] ^= SplitMix64(spread);
    // The all-zero state is the one state xoshiro never leaves.
    if (m_state == XoshiroState{}) {
        m_state[0] = SplitMix64(spread);
    }
}

Draw ClockRandomSource::Next()
{
    return NextDraw(m_state);
}

SeededRandomSource::SeededRandomSource(std::uint64_t seed) : m_state(SeededState(seed)) {}

Draw SeededRandomSource::Next()
{
    return NextDraw(m_state);
}

} // namespace wumpel
