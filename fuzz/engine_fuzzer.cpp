// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Any UTF-16 text through the parser and the actions, with a seeded source:
// the list holds 0 to 26 entries, each taken from one line, and every action
// shows either the too-few-words message or whole verses of three lines and
// an empty line. Out-of-bounds reads are the sanitizers' to find.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"
#include "engine/word_list_parser.h"
#include "fuzz_input.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace wumpel::fuzzing {
namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::array<std::string_view, 8> VerbEndings = {
    " erklingt.", " versinkt.",    " stinkt.",   " hinkt.",
    " winkt.",    " verschlingt.", " schwingt.", " umringt."};

class FuzzWindow final : public VerseWindow {
public:
    explicit FuzzWindow(std::string wordList) : m_wordList(std::move(wordList)) {}

    std::string ReadWordList() const override { return m_wordList; }
    void ReplaceOutput(std::string_view text) override
    {
        m_output = text;
        ++m_replacements;
    }

    const std::string& Output() const { return m_output; }
    int Replacements() const { return m_replacements; }

private:
    std::string m_wordList;
    std::string m_output;
    int m_replacements = 0;
};

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

std::size_t Count(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Nouns hold no CR LF, so a verse's four line breaks are exactly the frame's.
void CheckVerse(std::string_view verse)
{
    Require(verse.starts_with("Wenn "), "first line opens with Wenn");
    Require(verse.ends_with("\r\n\r\n"), "verse ends with an empty line");
    Require(Count(verse, LineBreak) == 4, "three lines and an empty line");
    const std::size_t first = verse.find(LineBreak);
    const std::size_t second = verse.find(LineBreak, first + 2);
    const std::string_view line1 = verse.substr(0, first);
    const std::string_view line2 = verse.substr(first + 2, second - first - 2);
    const std::string_view line3 = verse.substr(second + 2, verse.size() - second - 6);
    Require(line1.ends_with(" springt"), "first line closes with springt");
    Require(line2.starts_with("und ") && line2.ends_with(" verschlingt,"), "second line frame");
    Require(line3.starts_with("dann "), "third line opens with dann");
    bool verbFound = false;
    for (const std::string_view verb : VerbEndings) {
        verbFound = verbFound || line3.ends_with(verb);
    }
    Require(verbFound, "third line closes with a verb ending");
}

// After each action the window shows the message or all of VerseText, which
// grew by exactly one well-formed verse.
void CheckAction(const GeneratorState& state, const FuzzWindow& window,
                 std::string_view textBefore, bool startsNewText)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        Require(window.Output() == TooFewWordsMessage, "too few words shows the message");
        Require(state.VerseText == textBefore, "too few words keeps VerseText");
        return;
    }
    Require(window.Output() == state.VerseText, "window shows all of VerseText");
    const std::string_view kept = startsNewText ? std::string_view{} : textBefore;
    Require(std::string_view(state.VerseText).starts_with(kept), "earlier verses kept");
    CheckVerse(std::string_view(state.VerseText).substr(kept.size()));
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
    const std::string text = input.RestAsUtf16();

    GeneratorState parsed;
    ParseWordList(parsed, text);
    CheckParsedList(parsed);

    GeneratorState state;
    FuzzWindow window(text);
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    CheckParsedList(state);
    Require(state.LastEntryIndex == parsed.LastEntryIndex, "the action parses as the parser");
    Require(window.Replacements() == 1, "one replacement per action");
    CheckAction(state, window, "", true);
    for (int i = 0; i < appends; ++i) {
        const std::string before = state.VerseText;
        AppendVerse(state, window, random);
        Require(window.Replacements() == i + 2, "one replacement per action");
        CheckAction(state, window, before, false);
    }
    return 0;
}
