// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/actions.h"
#include "tests/engine/scripted_random_source.h"
#include "tests/support/fake_verse_window.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace wumpel {
namespace {

using testing_support::FakeVerseWindow;
using testing_support::ScriptedRandomSource;

constexpr std::string_view NineEntries =
    "der A\r\ndie B\r\ndas C\r\nder D\r\ndie E\r\ndas F\r\nder G\r\ndie H\r\ndas I\r\n";
constexpr std::string_view EightEntries =
    "der A\r\ndie B\r\ndas C\r\nder D\r\ndie E\r\ndas F\r\nder G\r\ndie H\r\n";
constexpr std::string_view OtherNineEntries =
    "der P\r\ndie Q\r\ndas R\r\nder S\r\ndie T\r\ndas U\r\nder V\r\ndie W\r\ndas X\r\n";

std::size_t VerseCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = text.find("\r\n\r\n"); pos != std::string_view::npos;
         pos = text.find("\r\n\r\n", pos + 4)) {
        ++count;
    }
    return count;
}

class ActionsTest : public testing::Test {
protected:
    GeneratorState state;
    FakeVerseWindow window;
    SeededRandomSource random{2026};
};

TEST_F(ActionsTest, ApplyWithNineEntriesShowsOneVerse)
{
    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    EXPECT_EQ(state.LastEntryIndex, 8);
    EXPECT_EQ(VerseCount(state.VerseText), 1U);
    EXPECT_EQ(window.Output, state.VerseText);
    EXPECT_EQ(window.Reads, 1U);
    EXPECT_EQ(window.Replacements, 1U);
}

TEST_F(ActionsTest, EachAppendAddsOneVerseAndShowsThemAll)
{
    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    for (std::size_t clicks = 1; clicks <= 4; ++clicks) {
        const std::string before = state.VerseText;
        AppendVerse(state, window, random);
        ASSERT_TRUE(state.VerseText.starts_with(before));
        EXPECT_EQ(VerseCount(state.VerseText), clicks + 1);
        EXPECT_EQ(window.Output, state.VerseText);
    }
    EXPECT_EQ(window.Reads, 1U) << "appending never reads the word list";
}

TEST_F(ActionsTest, StartNewTextGoesBackToOneVerse)
{
    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    AppendVerse(state, window, random);
    AppendVerse(state, window, random);
    StartNewText(state, window, random);
    EXPECT_EQ(VerseCount(state.VerseText), 1U);
    EXPECT_EQ(window.Output, state.VerseText);
}

TEST_F(ActionsTest, TooShortAListShowsTheMessageAndKeepsTheVerses)
{
    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    AppendVerse(state, window, random);
    const std::string verses = state.VerseText;

    window.WordList = EightEntries;
    ApplyWordList(state, window, random);
    EXPECT_EQ(window.Output, "es sind zu wenig wörter eingegeben, bitte ergänzen sie weitere");
    EXPECT_EQ(state.VerseText, verses);
    EXPECT_EQ(state.LastEntryIndex, 7) << "the short list has replaced the old one";

    // The kept verses are never shown again: both other actions refuse too.
    AppendVerse(state, window, random);
    EXPECT_EQ(window.Output, TooFewWordsMessage);
    EXPECT_EQ(state.VerseText, verses);
    StartNewText(state, window, random);
    EXPECT_EQ(window.Output, TooFewWordsMessage);
    EXPECT_TRUE(state.VerseText.empty());

    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    EXPECT_EQ(VerseCount(state.VerseText), 1U);
    EXPECT_EQ(window.Output, state.VerseText);
}

TEST_F(ActionsTest, EmptyWordListShowsTheMessage)
{
    window.WordList.clear();
    ApplyWordList(state, window, random);
    EXPECT_EQ(window.Output, TooFewWordsMessage);
    EXPECT_EQ(state.LastEntryIndex, -1);
    EXPECT_TRUE(state.VerseText.empty());
}

TEST_F(ActionsTest, ClicksBeforeAnyApplyShowTheMessage)
{
    AppendVerse(state, window, random);
    EXPECT_EQ(window.Output, TooFewWordsMessage);
    window.Output = " noch leer\r\n";
    StartNewText(state, window, random);
    EXPECT_EQ(window.Output, TooFewWordsMessage);
    EXPECT_TRUE(state.VerseText.empty());
}

TEST_F(ActionsTest, AppendUsesTheListTakenOverLast)
{
    window.WordList = NineEntries;
    ApplyWordList(state, window, random);
    window.WordList = OtherNineEntries;
    AppendVerse(state, window, random);
    AppendVerse(state, window, random);
    for (const char noun : std::string_view("PQRSTUVWX")) {
        EXPECT_EQ(state.VerseText.find(std::string(" ") + noun + " "), std::string::npos);
    }

    ApplyWordList(state, window, random);
    EXPECT_NE(state.VerseText.find(" P "), std::string::npos);
    EXPECT_EQ(state.VerseText.find(" A "), std::string::npos);
}

TEST(ActionFailure, AFailingDrawLeavesTheOutputAsItWas)
{
    GeneratorState state;
    FakeVerseWindow window;
    window.WordList = NineEntries;
    SeededRandomSource seeded{1};
    ApplyWordList(state, window, seeded);
    const std::string shown = window.Output;
    const std::string verses = state.VerseText;

    // The second of the nine entry draws is broken; the composer may take all
    // nine before it looks at any. A new text drops the old one only once the
    // new verse is whole.
    constexpr Draw Half = DrawOne / 2;
    for (const auto action : {AppendVerse, StartNewText}) {
        ScriptedRandomSource broken{Half, DrawOne + Half, Half, Half, Half, Half, Half, Half, Half};
        EXPECT_THROW(action(state, window, broken), std::out_of_range);
        EXPECT_EQ(window.Output, shown);
        EXPECT_EQ(state.VerseText, verses);
        EXPECT_EQ(window.Replacements, 1U);
    }
}

} // namespace
} // namespace wumpel
