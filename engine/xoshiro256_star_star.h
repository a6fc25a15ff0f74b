// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace wumpel {

// xoshiro256**: small state, fast, and good enough for verses.
class Xoshiro256StarStar {
public:
    explicit Xoshiro256StarStar(std::uint64_t seed);

    std::uint64_t NextBits();
    // Folds a value into the current state, so what came before still counts.
    void Mix(std::uint64_t value);

private:
    std::array<std::uint64_t, 4> m_state{};
};

} // namespace wumpel
