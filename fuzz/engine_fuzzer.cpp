// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Any bytes as the word list through the parser and the actions, with a
// seeded source: the front ends hand over UTF-8 only, but the engine must hold
// up whatever it is given. The list holds 0 to 26 entries, each taken from one
// line, and every action shows either the too-few-words message or one more
// verse of the list's entries, as the verse-form checker reads it.
// Out-of-bounds reads are the sanitizers' to find.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"
#include "engine/word_list_parser.h"
#include "fuzz_input.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/verse_form_checker.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wumpel::fuzzing {
namespace {

constexpr std::string_view LineBreak = "\r\n";
void CheckParsedList(const GeneratorState& state)
{
    Require(state.LastEntryIndex >= -1 && state.LastEntryIndex <= 25, "entry count 0..26");
    for (int i = 0; i <= state.LastEntryIndex; ++i) {
        const WordEntry& entry = state.WordList.at(static_cast<std::size_t>(i));
        Require(entry.Article.find(' ') == std::string::npos, "article without blank");
        Require(entry.Article.find(LineBreak) == std::string::npos, "article on one line");
        Require(entry.Noun.find(LineBreak) == std::string::npos, "noun on one line");
    }
}

// After each action the window shows the message or all of VerseText, which
// grew by exactly one well-formed verse.
void CheckAction(const GeneratorState& state, const testing_support::FakeVerseWindow& window,
                 std::string_view textBefore, bool startsNewText)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        Require(window.Output == TooFewWordsMessage, "too few words shows the message");
        Require(state.VerseText == textBefore, "too few words keeps VerseText");
        return;
    }
    Require(window.Output == state.VerseText, "window shows all of VerseText");
    const std::string_view kept = startsNewText ? std::string_view{} : textBefore;
    Require(std::string_view(state.VerseText).starts_with(kept), "earlier verses kept");
    const std::string_view verse = std::string_view(state.VerseText).substr(kept.size());
    Require(testing_support::VerseFormChecker(window.WordList).check(verse).empty(),
            "one verse of the list's entries");
}

} // namespace
} // namespace wumpel::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace wumpel;
    using namespace wumpel::fuzzing;

    FuzzInput input({data, size});
    const std::uint64_t seed = input.Word();
    const int appends = input.Byte() % 4;
    const std::span<const std::uint8_t> rest = input.Rest();
    const std::string text(reinterpret_cast<const char*>(rest.data()), rest.size());

    GeneratorState parsed;
    ParseWordList(parsed, text);
    CheckParsedList(parsed);

    GeneratorState state;
    testing_support::FakeVerseWindow window;
    window.WordList = text;
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    CheckParsedList(state);
    Require(state.LastEntryIndex == parsed.LastEntryIndex, "the action parses as the parser");
    Require(window.Replacements == 1, "one replacement per action");
    CheckAction(state, window, "", true);
    for (int i = 0; i < appends; ++i) {
        const std::string before = state.VerseText;
        AppendVerse(state, window, random);
        Require(window.Replacements == static_cast<std::size_t>(i) + 2,
                "one replacement per action");
        CheckAction(state, window, before, false);
    }
    return 0;
}
