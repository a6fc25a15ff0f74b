// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"
#include "tests/support/golden_runs.h"
#include "tests/support/line_breaks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel {
namespace {

using testing_support::GoldenRun;
using testing_support::GoldenRuns;

std::string ComposeVerses(std::string_view list, std::uint64_t seed, int count)
{
    GeneratorState state;
    InitWordTables(state);
    ParseWordList(state, testing_support::WithCrLf(list));
    SeededRandomSource random(seed);
    for (int verse = 0; verse < count; ++verse) {
        ComposeVerse(state, random, state.VerseText);
    }
    return state.VerseText;
}

// The engine's own text is wumpel-verse's output but for the line breaks, so
// the tool's recorded runs pin the composer too, byte for byte.
TEST(ComposeVerseGolden, EverySeedGivesTheVersesItAlwaysGave)
{
    for (const GoldenRun& run : GoldenRuns) {
        SCOPED_TRACE(run.Name);
        const std::string text =
            testing_support::WithLf(ComposeVerses(run.List, run.Seed, run.Count));
        EXPECT_EQ(text.size(), run.Bytes);
        EXPECT_EQ(testing_support::Fnv1a(text), run.Hash);
    }
}

} // namespace
} // namespace wumpel
