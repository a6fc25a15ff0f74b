// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"

#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

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

void StartNewText(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    state.VerseText.clear();
    AppendVerse(state, window, random);
}

void AppendVerse(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        window.ReplaceOutput(TooFewWordsMessage);
        return;
    }
    ComposeVerse(state, random);
    window.ReplaceOutput(state.VerseText);
}

} // namespace wumpel
