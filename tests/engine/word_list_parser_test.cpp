// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wumpel {
namespace {

struct ParseCase {
    const char* name;
    std::u16string text;
    std::vector<std::pair<std::u16string, std::u16string>> entries; // article, noun
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

std::u16string Lines(int count)
{
    std::u16string text;
    for (int i = 0; i < count; ++i) {
        text += u"der N";
        text += static_cast<char16_t>(u'A' + i % 26);
        text += u"\r\n";
    }
    return text;
}

class ParseWordListTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseWordListTest, YieldsTheListedEntries)
{
    const ParseCase& c = GetParam();
    GeneratorState state;
    ParseWordList(state, c.text);
    ASSERT_EQ(state.LastEntryIndex, static_cast<std::int16_t>(c.entries.size()) - 1);
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        EXPECT_EQ(state.WordList.at(i).Article, c.entries.at(i).first) << "entry " << i;
        EXPECT_EQ(state.WordList.at(i).Noun, c.entries.at(i).second) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseWordListTest,
    testing::Values(
        ParseCase{"EmptyText", u"", {}}, ParseCase{"OnlyALineBreak", u"\r\n", {}},
        ParseCase{"OneLineWithoutBreak", u"der Hund", {{u"der", u"Hund"}}},
        ParseCase{"OneLineWithBreak", u"der Hund\r\n", {{u"der", u"Hund"}}},
        ParseCase{"FirstTwoExampleLines",
                  u"Der Gott\r\nDie Hölle\r\n",
                  {{u"der", u"Gott"}, {u"die", u"Hölle"}}},
        ParseCase{"TrailingEmptyLine", u"der A\r\ndie B\r\n\r\n", {{u"der", u"A"}, {u"die", u"B"}}},
        ParseCase{"ArticleIsLowerCased", u"DAS Haus\r\n", {{u"das", u"Haus"}}},
        ParseCase{"Latin1CapitalsAreLowerCased", u"DÄS ÖL\r\n", {{u"däs", u"ÖL"}}},
        ParseCase{"EveryLatin1CapitalIsLowerCased", u"ÀÉÎÕÜÞ x\r\n", {{u"àéîõüþ", u"x"}}},
        ParseCase{"OnlyCapitalsAreLowerCased",
                  u"\u00D7\u00DF@[`{\u0100 x\r\n",
                  {{u"\u00D7\u00DF@[`{\u0100", u"x"}}},
        ParseCase{"NounKeepsItsCase", u"die wurst\r\n", {{u"die", u"wurst"}}},
        ParseCase{"NounKeepsInnerBlanks", u"der Rote Hahn\r\n", {{u"der", u"Rote Hahn"}}},
        ParseCase{"NounKeepsTrailingBlanks", u"der Hahn  \r\n", {{u"der", u"Hahn  "}}},
        ParseCase{"LeadingBlankGivesEmptyArticle", u" Hahn\r\n", {{u"", u"Hahn"}}},
        ParseCase{"ArticleAndBlankGiveEmptyNoun", u"der \r\n", {{u"der", u""}}},
        ParseCase{"FinalLoneBlankIsAnEntry", u"der A\r\n ", {{u"der", u"A"}, {u"", u""}}},
        ParseCase{"FinalLineWithoutBlankEndsTheList",
                  u"der A\r\ndie B\r\nStrolch",
                  {{u"der", u"A"}, {u"die", u"B"}}},
        ParseCase{"LoneLineFeedIsPartOfTheNoun", u"der A\nB\r\n", {{u"der", u"A\nB"}}},
        ParseCase{"LoneCarriageReturnIsPartOfTheArticle", u"d\rer A\r\n", {{u"d\rer", u"A"}}},
        ParseCase{"TrailingLoneCarriageReturnStaysInTheNoun", u"der A\r", {{u"der", u"A\r"}}},
        ParseCase{
            "LinesJoinedByLineFeedsAreOneEntry", u"der A\ndie B\n", {{u"der", u"A\ndie B\n"}}},
        // Lines without a blank before a later entry are no entries and are skipped.
        ParseCase{"EmptyLinesBetweenEntriesAreSkipped",
                  u"der A\r\n\r\n\r\ndie B\r\n",
                  {{u"der", u"A"}, {u"die", u"B"}}},
        ParseCase{"StrayWordBetweenEntriesIsSkipped",
                  u"der A\r\nHund\r\ndie B\r\n",
                  {{u"der", u"A"}, {u"die", u"B"}}},
        ParseCase{"LeadingEmptyLineIsSkipped", u"\r\ndas C", {{u"das", u"C"}}},
        ParseCase{"SkippedLinesTakeNoSlot", u"x\r\ny\r\nz\r\nder A\r\n", {{u"der", u"A"}}}));

TEST(ParseWordList, KeepsAtMostTwentySixEntries)
{
    GeneratorState state;
    ParseWordList(state, Lines(30));
    EXPECT_EQ(state.LastEntryIndex, 25);
    EXPECT_EQ(state.WordList.at(25).Noun, u"NZ");

    ParseWordList(state, Lines(26));
    EXPECT_EQ(state.LastEntryIndex, 25);
    ParseWordList(state, Lines(25));
    EXPECT_EQ(state.LastEntryIndex, 24);
}

TEST(ParseWordList, SkippedLinesDoNotCountTowardsTheCap)
{
    std::u16string text;
    for (int i = 0; i < 26; ++i) {
        text += u"\r\nleer\r\n";
        text += u"das N";
        text += static_cast<char16_t>(u'A' + i);
        text += u"\r\n";
    }
    GeneratorState state;
    ParseWordList(state, text);
    EXPECT_EQ(state.LastEntryIndex, 25);
    EXPECT_EQ(state.WordList.at(25).Noun, u"NZ");
}

TEST(ParseWordList, LeavesSlotsAboveTheNewListAlone)
{
    GeneratorState state;
    ParseWordList(state, Lines(10));
    ParseWordList(state, u"die Katze\r\n");
    EXPECT_EQ(state.LastEntryIndex, 0);
    EXPECT_EQ(state.WordList.at(0).Noun, u"Katze");
    EXPECT_EQ(state.WordList.at(9).Noun, u"NJ");
}

TEST(ParseWordList, NeverWritesGenders)
{
    GeneratorState state;
    state.EntryGenders.at(0) = Gender::Neuter;
    ParseWordList(state, u"die Katze\r\n");
    EXPECT_EQ(state.EntryGenders.at(0), Gender::Neuter);
}

TEST(ParseWordList, ReadsOnlyTheFirstLinesOfAHugeText)
{
    std::u16string text = Lines(26);
    text.append(1'000'000, u'x');
    text += u" y";
    GeneratorState state;
    ParseWordList(state, text);
    EXPECT_EQ(state.LastEntryIndex, 25);
}

TEST(ParseWordList, OneEnormousLineIsOneEntry)
{
    std::u16string text = u"der ";
    text.append(500'000, u'\u00FC');
    GeneratorState state;
    ParseWordList(state, text);
    ASSERT_EQ(state.LastEntryIndex, 0);
    EXPECT_EQ(state.WordList.at(0).Noun.size(), 500'000U);
}

} // namespace
} // namespace wumpel
