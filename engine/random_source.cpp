// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/random_source.h"

#include <chrono>
#include <random>

namespace wumpel {
namespace {

std::uint64_t ClockTicks()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The top bits, which are the generator's best.
Draw DrawFrom(Xoshiro256StarStar& generator)
{
    return static_cast<Draw>(generator.NextBits() >> (64U - DrawBits));
}

} // namespace

ClockRandomSource::ClockRandomSource()
    : m_generator((std::uint64_t{std::random_device{}()} << 32U) ^ ClockTicks())
{
}

void ClockRandomSource::Reseed()
{
    m_generator.Mix(ClockTicks());
}

Draw ClockRandomSource::Next()
{
    return DrawFrom(m_generator);
}

Draw SeededRandomSource::Next()
{
    return DrawFrom(m_generator);
}

} // namespace wumpel
