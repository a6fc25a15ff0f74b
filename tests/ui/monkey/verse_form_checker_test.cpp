// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The monkey's judgement of Text2 is only worth something if it accepts
// every text the engine writes and rejects each way a verse can go wrong.

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "tests/support/fake_verse_window.h"
#include "verse_form_checker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace wumpel::monkey {
namespace {

constexpr std::u16string_view FirstExampleList =
    u"Der Gott\r\nDie Hölle\r\nDer Himmel\r\ndie Disko\r\nDas Geld\r\nDie Liebe\r\n"
    u"Der Tod\r\nDas Elend\r\nDie Güte\r\nDas Vergnügen\r\n";

constexpr std::u16string_view GoodVerse =
    u"Wenn der Gott mit der Hölle über den Himmel springt\r\n"
    u"und die Disko in dem Geld die Liebe verschlingt,\r\n"
    u"dann der Tod hinter dem Elend als die Güte winkt.\r\n\r\n";

std::u16string replaced(std::u16string_view text, std::u16string_view from, std::u16string_view to)
{
    std::u16string result(text);
    result.replace(result.find(from), from.size(), to);
    return result;
}

struct ListCase {
    const char* name;
    std::u16string list;
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
    testing::Values(ListCase{"FirstExample", std::u16string(FirstExampleList)},
                    ListCase{
                        "NineEntriesOneNounTwice",
                        u"der Hund\r\nder Hund\r\ndie Katze\r\ndas Ei\r\nder Ast\r\ndie Tür\r\n"
                        u"das Öl\r\nder Fuß\r\ndie Straße"},
                    ListCase{"ArticlesThatTellNoGender",
                             u"ein Hund\r\nDIE Katze\r\n Ei\r\nder \r\nkein Ast\r\ndie Rote Tür\r\n"
                             u"das Öl \r\nder Fuß\r\ndie Straße\r\n"},
                    ListCase{"ThirtyLines",
                             [] {
                                 std::u16string list;
                                 for (char16_t c = u'A'; c < u'A' + 30; ++c) {
                                     list += u"die ";
                                     list += c;
                                     list += u"\r\n";
                                 }
                                 return list;
                             }()}),
    [](const testing::TestParamInfo<ListCase>& row) { return row.param.name; });

TEST(VerseFormChecker, AcceptsTheVerseOfTheExample)
{
    EXPECT_EQ(VerseFormChecker(FirstExampleList).check(GoodVerse), "");
    EXPECT_EQ(
        VerseFormChecker(FirstExampleList).check(std::u16string(GoodVerse) + GoodVerse.data()), "");
}

TEST(VerseFormChecker, AcceptsASlotWithoutArticle)
{
    EXPECT_EQ(VerseFormChecker(FirstExampleList)
                  .check(replaced(GoodVerse, u"Wenn der Gott", u"Wenn  Gott")),
              "");
}

TEST(VerseFormChecker, AcceptsANounTwiceWhenTwoEntriesHoldIt)
{
    const std::u16string list = std::u16string(FirstExampleList) + u"der Gott\r\n";
    const std::u16string twice = replaced(GoodVerse, u"als die Güte", u"als der Gott");
    EXPECT_EQ(VerseFormChecker(list).check(twice), "");
    EXPECT_NE(VerseFormChecker(FirstExampleList).check(twice), "");
}

struct BrokenCase {
    const char* name;
    std::u16string text;
};

class BrokenVerse : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenVerse, IsRejected)
{
    EXPECT_NE(VerseFormChecker(FirstExampleList).check(GetParam().text), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenVerse,
    testing::Values(
        BrokenCase{"Nothing", u""}, BrokenCase{"TheMessage", std::u16string(TooFewWordsMessage)},
        BrokenCase{"ArticleOfTheWrongGender", replaced(GoodVerse, u"der Gott", u"die Gott")},
        BrokenCase{"ArticleOfTheWrongCase",
                   replaced(GoodVerse, u"mit der Hölle", u"mit die Hölle")},
        BrokenCase{"NounNotInTheList", replaced(GoodVerse, u"der Tod", u"der Hund")},
        BrokenCase{"OneEntryTwice", replaced(GoodVerse, u"als die Güte", u"als der Gott")},
        BrokenCase{"WrongFrameWord", replaced(GoodVerse, u"springt", u"sprang")},
        BrokenCase{"UnknownPreposition", replaced(GoodVerse, u" hinter ", u" durch ")},
        BrokenCase{"VerbWithoutFullStop", replaced(GoodVerse, u"winkt.", u"winkt")},
        BrokenCase{"NoEmptyLine", std::u16string(GoodVerse.substr(0, GoodVerse.size() - 2))},
        BrokenCase{"HalfAVerseMore", std::u16string(GoodVerse) + u"Wenn der Gott\r\n"},
        BrokenCase{"LineBreakAsLf", replaced(GoodVerse, u"springt\r\n", u"springt\n")}),
    [](const testing::TestParamInfo<BrokenCase>& row) { return row.param.name; });

} // namespace
} // namespace wumpel::monkey
