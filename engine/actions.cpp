// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"

#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <cstddef>

namespace wumpel {
namespace {

// With fewer than nine entries no verse can be composed, and the window says so.
bool TooFewEntries(const GeneratorState& state, VerseWindow& window)
{
    if (state.LastEntryIndex >= MinimumLastEntryIndex) {
        return false;
    }
    window.ReplaceOutput(TooFewWordsMessage);
    return true;
}

} // namespace

void ApplyWordList(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    InitWordTables(state);
    ParseWordList(state, window.ReadWordList());
    if (!TooFewEntries(state, window)) {
        StartNewText(state, window, random);
    }
}

// The new verse is composed behind the old text, which goes only once the
// verse is whole: a verse that fails leaves VerseText as it was.
void StartNewText(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    if (TooFewEntries(state, window)) {
        state.VerseText.clear();
        return;
    }
    const std::size_t oldLength = state.VerseText.size();
    ComposeVerse(state, random, state.VerseText);
    state.VerseText.erase(0, oldLength);
    window.ReplaceOutput(state.VerseText);
}

void AppendVerse(GeneratorState& state, VerseWindow& window, RandomSource& random)
{
    if (TooFewEntries(state, window)) {
        return;
    }
    ComposeVerse(state, random, state.VerseText);
    window.ReplaceOutput(state.VerseText);
}

} // namespace wumpel
