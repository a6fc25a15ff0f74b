// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/generator_state.h"
#include "engine/grammar.h"
#include "engine/random_source.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace wumpel {

inline constexpr std::size_t VerseSlotCount = 9;

// One verse as drawn, before anything is written: for each slot the entry, the
// gender its article is declined with and the article's cell in ArticleTable,
// then the preposition and the verb ending. Drawing and writing are apart so
// that a verse can be written in more than one form (the window's UTF-16, the
// command-line tool's UTF-8) from the very same draws.
struct VersePlan {
    std::array<std::int16_t, VerseSlotCount> Entries{};
    std::array<Gender, VerseSlotCount> Genders{};
    std::array<std::size_t, VerseSlotCount> ArticleCells{};
    std::size_t Preposition = 0;
    std::size_t VerbEnding = 0;
};

// Reseeds the source and makes all of one verse's draws: nine different entries,
// each slot's article declined for its case, the preposition and the verb
// ending. Changes nothing in the state. Throws std::out_of_range when
// LastEntryIndex < MinimumLastEntryIndex (nine different entries cannot be
// drawn from fewer) or when a draw or a stored gender is out of range.
VersePlan DrawVerse(const GeneratorState& state, RandomSource& random);

// What a drawn verse teaches: each of its entries keeps the gender it was
// declined with, which is the one a definite article told or the one it had.
// For the plan last drawn from this state; cannot fail for such a plan.
void LearnGenders(GeneratorState& state, const VersePlan& plan);

// Draws one verse, appends it to state.VerseText as three lines and an empty
// line, and learns its genders. If anything fails, VerseText and EntryGenders
// are left as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random);

} // namespace wumpel
