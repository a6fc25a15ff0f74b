// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The rules of verse_draws.h as inline code for the composer, which makes twenty
// draws per verse: calling out of line for each cost more than the rules
// themselves. verse_draws.cpp implements the public functions with these, so
// each rule is written once. Not part of the engine's interface.

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

// With r checked and scale and offset never negative the sum is at least zero,
// where truncating to an integer is floor without its cost.
inline std::size_t OffsetFloor(double scale, float r, double offset)
{
    return static_cast<std::size_t>(scale * static_cast<double>(CheckedDraw(r)) + offset);
}

inline std::int16_t EntryIndex(std::int16_t lastEntryIndex, float r)
{
    if (lastEntryIndex < 0 || static_cast<std::size_t>(lastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("last entry index out of range");
    }
    const auto scale = static_cast<double>(static_cast<float>(lastEntryIndex));
    return static_cast<std::int16_t>(OffsetFloor(scale, r, 0.5));
}

using KindThresholdTable = std::array<float, ArticleKindCount - 1>;

// The smallest draws that give kinds 1, 2 and 3 by the logarithm rule.
const KindThresholdTable& KindThresholds();

inline ArticleKind Kind(float r, const KindThresholdTable& thresholds)
{
    CheckedDraw(r);
    int kind = 0;
    for (const float threshold : thresholds) {
        kind += r >= threshold ? 1 : 0;
    }
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
