// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The verse-form checker judges the engine's text for the engine's, the tool's
// and the monkey's tests; that is only worth something if it accepts
// every text the engine writes and rejects each way a verse can go wrong.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/verse_form_checker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace wumpel::testing_support {
namespace {

constexpr std::string_view FirstExampleList =
    "Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\nDie Liebe\r\n"
    "Der Tod\r\nDas Elend\r\nDie Güte\r\nDas Vergnügen\r\n";

constexpr std::string_view GoodVerse = "Wenn der Gott mit der Hölle über den Himmel springt\r\n"
                                       "und die Disko in dem Geld die Liebe verschlingt,\r\n"
                                       "dann der Tod hinter dem Elend als die Güte winkt.\r\n\r\n";

std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result(text);
    result.replace(result.find(from), from.size(), to);
    return result;
}

struct ListCase {
    const char* name;
    std::string list;
};

class EngineOutput : public testing::TestWithParam<ListCase> {};

TEST_P(EngineOutput, IsAccepted)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        GeneratorState state;
        SeededRandomSource random(seed);
        testing_support::FakeVerseWindow window;
        window.WordList = GetParam().list;
        ApplyWordList(state, window, random);
        for (int i = 0; i < 5; ++i) {
            AppendVerse(state, window, random);
        }
        ASSERT_EQ(window.Output, state.VerseText);
        EXPECT_EQ(VerseFormChecker(GetParam().list).check(state.VerseText), "") << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, EngineOutput,
    testing::Values(ListCase{"FirstExample", std::string(FirstExampleList)},
                    ListCase{"NineEntriesOneNounTwice",
                             "der Hund\r\nder Hund\r\ndie Katze\r\ndas Ei\r\nder Ast\r\ndie Tür\r\n"
                             "das Öl\r\nder Fuß\r\ndie Straße"},
                    ListCase{"ArticlesThatTellNoGender",
                             "ein Hund\r\nDIE Katze\r\n Ei\r\nder \r\nkein Ast\r\ndie Rote Tür\r\n"
                             "das Öl \r\nder Fuß\r\ndie Straße\r\n"},
                    ListCase{"ThirtyLines",
                             [] {
                                 std::string list;
                                 for (char c = 'A'; c < 'A' + 30; ++c) {
                                     list += "die ";
                                     list += c;
                                     list += "\r\n";
                                 }
                                 return list;
                             }()}),
    [](const testing::TestParamInfo<ListCase>& row) { return row.param.name; });

TEST(VerseFormChecker, AcceptsTheVerseOfTheExample)
{
    EXPECT_EQ(VerseFormChecker(FirstExampleList).check(GoodVerse), "");
    EXPECT_EQ(VerseFormChecker(FirstExampleList).check(std::string(GoodVerse) + GoodVerse.data()),
              "");
}

TEST(VerseFormChecker, AcceptsASlotWithoutArticle)
{
    EXPECT_EQ(VerseFormChecker(FirstExampleList)
                  .check(replaced(GoodVerse, "Wenn der Gott", "Wenn  Gott")),
              "");
}

TEST(VerseFormChecker, AcceptsANounTwiceWhenTwoEntriesHoldIt)
{
    const std::string list = std::string(FirstExampleList) + "der Gott\r\n";
    const std::string twice = replaced(GoodVerse, "als die Güte", "als der Gott");
    EXPECT_EQ(VerseFormChecker(list).check(twice), "");
    EXPECT_NE(VerseFormChecker(FirstExampleList).check(twice), "");
}

struct BrokenCase {
    const char* name;
    std::string text;
};

class BrokenVerse : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenVerse, IsRejected)
{
    EXPECT_NE(VerseFormChecker(FirstExampleList).check(GetParam().text), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenVerse,
    testing::Values(
        BrokenCase{"Nothing", ""}, BrokenCase{"TheMessage", std::string(TooFewWordsMessage)},
        BrokenCase{"ArticleOfTheWrongGender", replaced(GoodVerse, "der Gott", "die Gott")},
        BrokenCase{"ArticleOfTheWrongCase", replaced(GoodVerse, "mit der Hölle", "mit die Hölle")},
        BrokenCase{"NounNotInTheList", replaced(GoodVerse, "der Tod", "der Hund")},
        BrokenCase{"OneEntryTwice", replaced(GoodVerse, "als die Güte", "als der Gott")},
        BrokenCase{"WrongFrameWord", replaced(GoodVerse, "springt", "sprang")},
        BrokenCase{"UnknownPreposition", replaced(GoodVerse, " hinter ", " durch ")},
        BrokenCase{"VerbWithoutFullStop", replaced(GoodVerse, "winkt.", "winkt")},
        BrokenCase{"NoEmptyLine", std::string(GoodVerse.substr(0, GoodVerse.size() - 2))},
        BrokenCase{"HalfAVerseMore", std::string(GoodVerse) + "Wenn der Gott\r\n"},
        BrokenCase{"LineBreakAsLf", replaced(GoodVerse, "springt\r\n", "springt\n")}),
    [](const testing::TestParamInfo<BrokenCase>& row) { return row.param.name; });

} // namespace
} // namespace wumpel::testing_support
