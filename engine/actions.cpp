// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"

#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <cstddef>

namespace wumpel {

void ApplyWordList(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    InitWordTables(state);
    ParseWordList(state, window.ReadWordList());
    if (state.LastEntryIndex >= MinimumLastEntryIndex) {
        StartNewText(state, window, random);
    } else {
        window.ReplaceOutput(TooFewWordsMessage);
    }
}

// The new verse is composed behind the old text, which goes only once the
// verse is whole.
void StartNewText(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        state.VerseText.clear();
        window.ReplaceOutput(TooFewWordsMessage);
        return;
    }
    const std::size_t oldLength = state.VerseText.size();
    ComposeVerse(state, random, state.VerseText);
    state.VerseText.erase(0, oldLength);
    window.ReplaceOutput(state.VerseText);
}

void AppendVerse(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        window.ReplaceOutput(TooFewWordsMessage);
        return;
    }
    ComposeVerse(state, random, state.VerseText);
    window.ReplaceOutput(state.VerseText);
}

} // namespace wumpel
