// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The rules of verse_draws.h as inline code for the composer, which makes twenty
// draws per verse: calling out of line for each cost more than the rules
// themselves. verse_draws.cpp implements the public functions with these, so
// each rule is written once. Not part of the engine's interface.
//
// The rules take draws already checked with CheckedDraw. Each is the rule's
// floating-point formula worked out exactly for r = draw / 2^24, in integers:
// converting every draw to floating point and back cost more than all the rest
// of a duplicate entry's replacement.

#include "engine/draw.h"
#include "engine/generator_state.h"
#include "engine/grammar.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <tuple>

namespace wumpel::draws {

inline Draw CheckedDraw(Draw r)
{
    if (r >= DrawOne) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return r;
}

// A batch of draws checked at once: a draw of one or more has a bit set at
// DrawBits or above, and so has the union of any draws that include it. Forced
// inline, as GCC otherwise kept it out of line: a call for one OR and a compare.
template <std::size_t Count>
[[gnu::always_inline]] inline void CheckDraws(const std::array<Draw, Count>& values)
{
    CheckedDraw(std::apply([](auto... value) { return (value | ...); }, values));
}

// L, checked once for all of a verse's entry draws.
class EntryScale {
public:
    explicit EntryScale(std::int16_t lastEntryIndex)
    {
        if (lastEntryIndex < 0 || static_cast<std::size_t>(lastEntryIndex) >= WordListCapacity) {
            throw std::out_of_range("last entry index out of range");
        }
        m_scale = static_cast<std::uint32_t>(lastEntryIndex);
    }

    std::uint32_t Value() const { return m_scale; }

private:
    std::uint32_t m_scale = 0;
};

// floor(L r + 0.5) in double is exact here: L r has at most 29 significant bits.
// It is therefore (L draw + 2^23) / 2^24 rounded down, which needs no more than
// 30 bits.
inline std::int16_t EntryIndex(EntryScale scale, Draw r)
{
    return static_cast<std::int16_t>((scale.Value() * r + (DrawOne >> 1U)) >> DrawBits);
}

// The smallest draws that give kinds 1, 2 and 3 by the logarithm rule: the
// draws at or just above (e^k - 1) / 50. Constants, so that each kind takes
// three comparisons with immediates; a test holds them to the rule for every
// draw.
inline constexpr std::array<Draw, ArticleKindCount - 1> KindThresholds = {576560, 2143812, 6404044};

// Written out rather than looped: this runs nine times a verse.
inline ArticleKind Kind(Draw r)
{
    const int kind = static_cast<int>(r >= std::get<0>(KindThresholds)) +
                     static_cast<int>(r >= std::get<1>(KindThresholds)) +
                     static_cast<int>(r >= std::get<2>(KindThresholds));
    return static_cast<ArticleKind>(kind);
}

// floor(n r + 0.6) for a whole n below 16. n draw is a whole number and 0.6 * 2^24
// is 10066329.6, so n draw + 10066329.6 reaches a multiple of 2^24 exactly when
// n draw + 10066329 does. The rounding of the floating-point sum cannot cross a
// whole number either: the exact sum stays 0.4 / 2^24 or more away from one.
inline std::size_t OffsetIndex(std::uint32_t n, Draw r)
{
    constexpr std::uint32_t SixTenthsOfOne = 10066329;
    return (n * r + SixTenthsOfOne) >> DrawBits;
}

inline std::size_t PrepositionIndex(Draw r)
{
    return OffsetIndex(14, r);
}

inline std::size_t VerbEndingIndex(Draw r)
{
    return OffsetIndex(7, r);
}

} // namespace wumpel::draws
