// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/draw.h"

#include <array>
#include <cstdint>

namespace wumpel {

// The composer's only source of chance: reseeded at the start of every verse,
// then drawn from once per decision.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void Reseed() = 0;
    // Uniform over [0, DrawOne).
    virtual Draw Next() = 0;

protected:
    // Copied only as a whole concrete source, never sliced through the base.
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource& operator=(const RandomSource&) = default;
};

// Both sources run xoshiro256**: small, fast, and good enough for verses.
using XoshiroState = std::array<std::uint64_t, 4>;

// A clock's reading in ticks; the program's clock is the system's finest.
using TickClock = std::uint64_t (*)();
std::uint64_t SystemClockTicks();

// The program's source: every reseed mixes the clock into the running state, so
// two verses composed within one clock tick still differ.
class ClockRandomSource final : public RandomSource {
public:
    // Any clock may be given, so that a test can hold it within one tick.
    explicit ClockRandomSource(TickClock clock = SystemClockTicks);

    void Reseed() override;
    Draw Next() override;

private:
    TickClock m_clock;
    XoshiroState m_state;
};

// Reproducible: a fixed start state, and reseeding mixes nothing in.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed);

    void Reseed() override {}
    Draw Next() override;

private:
    XoshiroState m_state;
};

} // namespace wumpel
