// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// A random draw r in [0, 1), and the rules that turn one draw into each of the
// composer's choices. A draw of DrawOne or more comes from a broken random
// source: every rule throws std::out_of_range for it.

#include "engine/generator_state.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace wumpel {

// A draw counts units of 2^-24, the spacing of single-precision numbers just
// below one: r = Draw / 2^24 exactly.
using Draw = std::uint32_t;
inline constexpr unsigned DrawBits = 24;
inline constexpr Draw DrawOne = Draw{1} << DrawBits;

// The rules work in double, as they are stated. r is exact there, and so is
// every product, as each multiplies r by a whole number below 2^6.
inline double DrawFraction(Draw r) noexcept
{
    return static_cast<double>(r) / DrawOne;
}

inline double DrawValue(Draw r)
{
    if (r >= DrawOne) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return DrawFraction(r);
}

// Every rule rounds down a value that is never negative, as conversion does.
template <typename Integer> Integer RoundDown(double nonNegative)
{
    return static_cast<Integer>(nonNegative);
}

// floor(L r + 0.5): 0 and L come up half as often as the indices between them.
// Inline with the other one-line rules, as a verse draws some twenty times.
inline std::int16_t DrawEntryIndex(std::int16_t lastEntryIndex, Draw r)
{
    const auto last = static_cast<float>(lastEntryIndex);
    return RoundDown<std::int16_t>(static_cast<double>(last) * DrawValue(r) + 0.5);
}

// floor(ln(50 r + 1)): kind 0 below r = (e - 1) / 50, kind 1 below (e^2 - 1) / 50,
// kind 2 below (e^3 - 1) / 50 and kind 3 above.
ArticleKind DrawArticleKind(Draw r);

// floor(n r + 0.6), for a preposition (n = 14) and a verb ending (n = 7): the
// first index comes up with 0.4 and the last, n, with 0.6 of the others' weight.
inline std::size_t DrawTableIndex(std::size_t n, Draw r)
{
    return RoundDown<std::size_t>(static_cast<double>(n) * DrawValue(r) + 0.6);
}

} // namespace wumpel
