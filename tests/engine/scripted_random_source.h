// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/random_source.h"

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace wumpel::testing_support {

// The draw standing for r in [0, 1), or the one just below it: tests name draws
// by the number they stand for.
constexpr Draw DrawAt(float r)
{
    return static_cast<Draw>(static_cast<double>(r) * DrawOne);
}

// Hands out exactly the draws a test lists, so a test can name every choice the
// composer makes. Running out is a test failure, not a silent wrap-around.
class ScriptedRandomSource final : public RandomSource {
public:
    ScriptedRandomSource() = default;
    ScriptedRandomSource(std::initializer_list<Draw> draws) : m_draws(draws) {}

    // Element by element: GCC 12 at -O3 misreads a range insert here as an overflow.
    void Append(std::initializer_list<Draw> draws) { Append(std::vector<Draw>(draws)); }
    void Append(const std::vector<Draw>& draws)
    {
        for (const Draw draw : draws) {
            m_draws.push_back(draw);
        }
    }

    void Reseed() override { ++m_reseeds; }
    Draw Next() override
    {
        if (m_next >= m_draws.size()) {
            throw std::logic_error("scripted random source ran out of draws");
        }
        return m_draws.at(m_next++);
    }

    std::size_t Remaining() const { return m_draws.size() - m_next; }
    std::size_t Reseeds() const { return m_reseeds; }

private:
    std::vector<Draw> m_draws;
    std::size_t m_next = 0;
    std::size_t m_reseeds = 0;
};

} // namespace wumpel::testing_support
