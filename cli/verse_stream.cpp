// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_stream.h"

#include "cli/verse_bytes.h"
#include "engine/generator_state.h"
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

namespace wumpel::cli {

// The steps of "Übernehmen" and of each click, with the verse written as UTF-8
// straight from its draws instead of appended to VerseText: the window's text
// is never held, and no verse is converted. The tests compare the result with
// the window's text after the same clicks.
bool StreamVerses(std::u16string wordList, std::uint64_t count, RandomSource& random,
                  VerseWriter& writer)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, wordList);
    wordList.clear();
    wordList.shrink_to_fit();
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        return false;
    }
    const VerseBytes bytes(state);
    for (std::uint64_t verse = 0; verse < count; ++verse) {
        const VersePlan plan = DrawVerse(state, random);
        bytes.Write(plan, writer);
        LearnGenders(state, plan);
    }
    writer.Flush();
    return true;
}

} // namespace wumpel::cli
