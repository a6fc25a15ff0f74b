// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_stream.h"

#include "cli/streaming_window.h"
#include "engine/actions.h"
#include "engine/generator_state.h"

#include <utility>

namespace wumpel::cli {

bool StreamVerses(std::u16string wordList, std::uint64_t count, RandomSource& random,
                  VerseWriter& writer)
{
    GeneratorState state;
    StreamingWindow window(std::move(wordList), writer);
    ApplyWordList(state, window, random);
    if (window.ShowsTooFewWords()) {
        return false;
    }
    state.VerseText.clear();
    for (std::uint64_t verse = 1; verse < count; ++verse) {
        AppendVerse(state, window, random);
        state.VerseText.clear();
    }
    writer.Flush();
    return true;
}

} // namespace wumpel::cli
