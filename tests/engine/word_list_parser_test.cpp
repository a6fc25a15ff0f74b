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
    std::string text;
    std::vector<std::pair<std::string, std::string>> entries; // article, noun
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "der N";
        text += static_cast<char>('A' + i % 26);
        text += "\r\n";
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
        ParseCase{"EmptyText", "", {}}, ParseCase{"OnlyALineBreak", "\r\n", {}},
        ParseCase{"OneLineWithoutBreak", "der Hund", {{"der", "Hund"}}},
        ParseCase{"OneLineWithBreak", "der Hund\r\n", {{"der", "Hund"}}},
        ParseCase{"FirstTwoExampleLines",
                  "Der Gott\r\nDie Hölle\r\n",
                  {{"der", "Gott"}, {"die", "Hölle"}}},
        ParseCase{"TrailingEmptyLine", "der A\r\ndie B\r\n\r\n", {{"der", "A"}, {"die", "B"}}},
        ParseCase{"ArticleIsLowerCased", "DAS Haus\r\n", {{"das", "Haus"}}},
        ParseCase{"Latin1CapitalsAreLowerCased", "DÄS ÖL\r\n", {{"däs", "ÖL"}}},
        ParseCase{"EveryLatin1CapitalIsLowerCased", "ÀÉÎÕÜÞ x\r\n", {{"àéîõüþ", "x"}}},
        ParseCase{"OnlyCapitalsAreLowerCased",
                  "\u00D7\u00DF@[`{\u0100 x\r\n",
                  {{"\u00D7\u00DF@[`{\u0100", "x"}}},
        ParseCase{"NounKeepsItsCase", "die wurst\r\n", {{"die", "wurst"}}},
        ParseCase{"NounKeepsInnerBlanks", "der Rote Hahn\r\n", {{"der", "Rote Hahn"}}},
        ParseCase{"NounKeepsTrailingBlanks", "der Hahn  \r\n", {{"der", "Hahn  "}}},
        ParseCase{"LeadingBlankGivesEmptyArticle", " Hahn\r\n", {{"", "Hahn"}}},
        ParseCase{"ArticleAndBlankGiveEmptyNoun", "der \r\n", {{"der", ""}}},
        ParseCase{"FinalLoneBlankIsAnEntry", "der A\r\n ", {{"der", "A"}, {"", ""}}},
        ParseCase{"FinalLineWithoutBlankEndsTheList",
                  "der A\r\ndie B\r\nStrolch",
                  {{"der", "A"}, {"die", "B"}}},
        ParseCase{"LoneLineFeedIsPartOfTheNoun", "der A\nB\r\n", {{"der", "A\nB"}}},
        ParseCase{"LoneCarriageReturnIsPartOfTheArticle", "d\rer A\r\n", {{"d\rer", "A"}}},
        ParseCase{"TrailingLoneCarriageReturnStaysInTheNoun", "der A\r", {{"der", "A\r"}}},
        ParseCase{"LinesJoinedByLineFeedsAreOneEntry", "der A\ndie B\n", {{"der", "A\ndie B\n"}}},
        // Lines without a blank before a later entry are no entries and are skipped.
        ParseCase{"EmptyLinesBetweenEntriesAreSkipped",
                  "der A\r\n\r\n\r\ndie B\r\n",
                  {{"der", "A"}, {"die", "B"}}},
        ParseCase{"StrayWordBetweenEntriesIsSkipped",
                  "der A\r\nHund\r\ndie B\r\n",
                  {{"der", "A"}, {"die", "B"}}},
        ParseCase{"LeadingEmptyLineIsSkipped", "\r\ndas C", {{"das", "C"}}},
        ParseCase{"SkippedLinesTakeNoSlot", "x\r\ny\r\nz\r\nder A\r\n", {{"der", "A"}}}));

TEST(ParseWordList, KeepsAtMostTwentySixEntries)
{
    GeneratorState state;
    ParseWordList(state, Lines(30));
    EXPECT_EQ(state.LastEntryIndex, 25);
    EXPECT_EQ(state.WordList.at(25).Noun, "NZ");

    ParseWordList(state, Lines(26));
    EXPECT_EQ(state.LastEntryIndex, 25);
    ParseWordList(state, Lines(25));
    EXPECT_EQ(state.LastEntryIndex, 24);
}

TEST(ParseWordList, SkippedLinesDoNotCountTowardsTheCap)
{
    std::string text;
    for (int i = 0; i < 26; ++i) {
        text += "\r\nleer\r\n";
        text += "das N";
        text += static_cast<char>('A' + i);
        text += "\r\n";
    }
    GeneratorState state;
    ParseWordList(state, text);
    EXPECT_EQ(state.LastEntryIndex, 25);
    EXPECT_EQ(state.WordList.at(25).Noun, "NZ");
}

TEST(ParseWordList, LeavesSlotsAboveTheNewListAlone)
{
    GeneratorState state;
    ParseWordList(state, Lines(10));
    ParseWordList(state, "die Katze\r\n");
    EXPECT_EQ(state.LastEntryIndex, 0);
    EXPECT_EQ(state.WordList.at(0).Noun, "Katze");
    EXPECT_EQ(state.WordList.at(9).Noun, "NJ");
}

TEST(ParseWordList, NeverWritesGenders)
{
    GeneratorState state;
    state.EntryGenders.at(0) = Gender::Neuter;
    ParseWordList(state, "die Katze\r\n");
    EXPECT_EQ(state.EntryGenders.at(0), Gender::Neuter);
}

TEST(ParseWordList, ReadsOnlyTheFirstLinesOfAHugeText)
{
    std::string text = Lines(26);
    text.append(1'000'000, 'x');
    text += " y";
    GeneratorState state;
    ParseWordList(state, text);
    EXPECT_EQ(state.LastEntryIndex, 25);
}

TEST(ParseWordList, OneEnormousLineIsOneEntry)
{
    std::string text = "der ";
    for (int i = 0; i < 500'000; ++i) {
        text += "ü";
    }
    GeneratorState state;
    ParseWordList(state, text);
    ASSERT_EQ(state.LastEntryIndex, 0);
    EXPECT_EQ(state.WordList.at(0).Noun.size(), 1'000'000U);
}

} // namespace
} // namespace wumpel
