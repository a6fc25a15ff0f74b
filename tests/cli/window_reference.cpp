// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "window_reference.h"

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/line_breaks.h"

namespace wumpel::testing_support {

std::string WindowOutput(std::string_view wordList, std::uint64_t seed, int count)
{
    GeneratorState state;
    FakeVerseWindow window;
    window.WordList = WithCrLf(wordList);
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    for (int click = 1; click < count; ++click) {
        AppendVerse(state, window, random);
    }
    return WithLf(window.Output);
}

} // namespace wumpel::testing_support
