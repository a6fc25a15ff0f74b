// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The rules of verse_draws.h as inline code for the composer, which makes twenty
// draws per verse: calling out of line for each cost more than the rules
// themselves. verse_draws.cpp implements the public functions with these, so
// each rule is written once. Not part of the engine's interface.
//
// The rules take draws already checked with CheckedDraw.

#include "engine/generator_state.h"
#include "engine/grammar.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace wumpel::draws {

inline float CheckedDraw(float r)
{
    if (!(r >= 0.0F && r < 1.0F)) {
        throw std::out_of_range("random draw outside [0, 1)");
    }
    return r;
}

// With r in [0, 1) and scale and offset never negative the sum is at least zero,
// where truncating to an integer is floor without its cost. Truncating to a
// signed integer is one instruction, to an unsigned one a branch and several.
inline std::size_t OffsetFloor(double scale, float r, double offset)
{
    return static_cast<std::size_t>(
        static_cast<std::int64_t>(scale * static_cast<double>(r) + offset));
}

// L converted to float and then to double, checked and converted once for all of
// a verse's entry draws.
class EntryScale {
public:
    explicit EntryScale(std::int16_t lastEntryIndex)
    {
        if (lastEntryIndex < 0 || static_cast<std::size_t>(lastEntryIndex) >= WordListCapacity) {
            throw std::out_of_range("last entry index out of range");
        }
        m_scale = static_cast<double>(static_cast<float>(lastEntryIndex));
    }

    double Value() const { return m_scale; }

private:
    double m_scale = 0.0;
};

inline std::int16_t EntryIndex(EntryScale scale, float r)
{
    return static_cast<std::int16_t>(OffsetFloor(scale.Value(), r, 0.5));
}

using KindThresholdTable = std::array<float, ArticleKindCount - 1>;

// The smallest draws that give kinds 1, 2 and 3 by the logarithm rule.
const KindThresholdTable& KindThresholds();

// Written out rather than looped: this runs nine times a verse.
inline ArticleKind Kind(float r, const KindThresholdTable& thresholds)
{
    const int kind = static_cast<int>(r >= std::get<0>(thresholds)) +
                     static_cast<int>(r >= std::get<1>(thresholds)) +
                     static_cast<int>(r >= std::get<2>(thresholds));
    return static_cast<ArticleKind>(kind);
}

inline std::size_t PrepositionIndex(float r)
{
    return OffsetFloor(14.0, r, 0.6);
}

inline std::size_t VerbEndingIndex(float r)
{
    return OffsetFloor(7.0, r, 0.6);
}

} // namespace wumpel::draws
