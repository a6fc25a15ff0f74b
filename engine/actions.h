// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// What the user can ask of the engine, one click each. An action that fails (a
// broken random source, no memory) throws before it replaces the window's
// output, and leaves VerseText as it was.

#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"

#include <string_view>

namespace wumpel {

inline constexpr std::string_view TooFewWordsMessage =
    "es sind zu wenig wörter eingegeben, bitte ergänzen sie weitere";

// Fills the tables, parses the window's word list and, with at least nine
// entries, starts a new text; otherwise shows TooFewWordsMessage and keeps VerseText.
void ApplyWordList(GeneratorState& state, VerseWindow& window, RandomSource& random);

// Replaces VerseText by one new verse, or empties it and shows
// TooFewWordsMessage while the current list has fewer than nine entries.
void StartNewText(GeneratorState& state, VerseWindow& window, RandomSource& random);

// Appends one verse and shows all of VerseText, or shows TooFewWordsMessage
// (VerseText unchanged) while the current list has fewer than nine entries.
void AppendVerse(GeneratorState& state, VerseWindow& window, RandomSource& random);

} // namespace wumpel
