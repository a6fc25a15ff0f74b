// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/draw.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

namespace wumpel {

// The composer's only source of chance: reseeded at the start of every verse,
// then drawn from once per decision.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void Reseed() = 0;
    // Uniform over [0, DrawOne).
    virtual Draw Next() = 0;
    // Fills values with the draws that as many calls of Next() would give, in
    // order. The composer takes most of a verse's draws this way: one call for
    // a batch costs less than a call per draw.
    virtual void NextValues(std::span<Draw> values);

protected:
    // Copying only as a whole concrete source, never sliced through the base.
    RandomSource() = default;
    RandomSource(const RandomSource&) = default;
    RandomSource(RandomSource&&) = default;
    RandomSource& operator=(const RandomSource&) = default;
    RandomSource& operator=(RandomSource&&) = default;
};

// xoshiro256**: small state, fast, and good enough for verses.
class Xoshiro256StarStar {
public:
    explicit Xoshiro256StarStar(std::uint64_t seed);

    // Inline, as the composer draws through its sources directly when it can.
    std::uint64_t NextBits()
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
    // Folds a value into the current state, so what came before still counts.
    void Mix(std::uint64_t value);
    // The top bits, which are the generator's best.
    Draw NextDraw() { return static_cast<Draw>(NextBits() >> (64U - DrawBits)); }
    void NextDraws(std::span<Draw> values)
    {
        for (Draw& value : values) {
            value = NextDraw();
        }
    }

private:
    std::array<std::uint64_t, 4> m_state{};
};

// The program's source: every reseed mixes the clock into the running state, so
// two verses composed within one clock tick still differ.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();

    void Reseed() override;
    Draw Next() override { return m_generator.NextDraw(); }
    void NextValues(std::span<Draw> values) override { m_generator.NextDraws(values); }

private:
    Xoshiro256StarStar m_generator;
};

// Reproducible: a fixed start state, and reseeding mixes nothing in.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : m_generator(seed) {}

    void Reseed() override {}
    Draw Next() override { return m_generator.NextDraw(); }
    void NextValues(std::span<Draw> values) override { m_generator.NextDraws(values); }

private:
    Xoshiro256StarStar m_generator;
};

} // namespace wumpel
