// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_collector.h"
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"
#include "window_reference.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace wumpel::cli {
namespace {

using testing_support::WithCrLf;

std::u16string Collect(std::u16string_view text, std::size_t pieceSize)
{
    WordListCollector collector;
    for (std::size_t at = 0; at < text.size(); at += pieceSize) {
        collector.Append(text.substr(at, pieceSize));
    }
    return std::move(collector).Finish();
}

std::u16string Entries(int count)
{
    std::u16string lines;
    for (int i = 0; i < count; ++i) {
        lines += u"die Nummer " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u"\n";
    }
    return lines;
}

struct CollectCase {
    const char* name;
    std::u16string text; // any line breaks
};

void PrintTo(const CollectCase& c, std::ostream* os)
{
    *os << c.name;
}

class CollectedListParsesLikeTheWholeText : public testing::TestWithParam<CollectCase> {};

// Whatever the collector drops must not change a single entry the window's
// parser finds in the whole text, wherever the pieces are cut.
TEST_P(CollectedListParsesLikeTheWholeText, InPiecesOfAnySize)
{
    const std::u16string& text = GetParam().text;
    GeneratorState whole;
    ParseWordList(whole, WithCrLf(text));
    for (const std::size_t pieceSize :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, text.size() + 1}) {
        GeneratorState collected;
        ParseWordList(collected, Collect(text, pieceSize));
        ASSERT_EQ(collected.LastEntryIndex, whole.LastEntryIndex) << "pieces of " << pieceSize;
        for (int i = 0; i <= whole.LastEntryIndex; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            EXPECT_EQ(collected.WordList.at(slot).Article, whole.WordList.at(slot).Article)
                << "entry " << i << ", pieces of " << pieceSize;
            EXPECT_EQ(collected.WordList.at(slot).Noun, whole.WordList.at(slot).Noun)
                << "entry " << i << ", pieces of " << pieceSize;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CollectedListParsesLikeTheWholeText,
    testing::Values(CollectCase{"Empty", u""}, CollectCase{"OneLineWithoutBreak", u"der Hund"},
                    CollectCase{"LfBreaks", Entries(12)},
                    CollectCase{"CrLfBreaks", u"der A\r\ndie B\r\ndas C\r\n"},
                    CollectCase{"LoneCrIsText", u"der A\rdie B\r\ndas C\r"},
                    CollectCase{"CrBeforeCrLf", u"der A\r\r\ndie B\r\r\n"},
                    CollectCase{"EmptyLinesAndLinesWithoutBlank",
                                u"\n\nWort\n" + Entries(3) + u"\nX\r\nY\n"},
                    CollectCase{"TrailingLineWithoutBlank", Entries(4) + u"Schluss"},
                    CollectCase{"TrailingBlankOnly", Entries(4) + u" "},
                    CollectCase{"BlankAtLineStart", u" Hund\n  \n" + Entries(2)},
                    CollectCase{"MoreThanTwentySixEntries", Entries(40)},
                    CollectCase{"LinesWithoutBlankBetweenManyEntries",
                                Entries(10) + u"a\nb\nc\n" + Entries(10) + u"\n\n\n" + Entries(10)},
                    CollectCase{"Nul", std::u16string(u"der \0A\n\0\n\0 \0", 12)}));

TEST(WordListCollector, KeepsNoMoreThanTheParserCanUse)
{
    const std::u16string collected = Collect(Entries(30) + std::u16string(100000, u'x'), 4096);
    EXPECT_EQ(collected, WithCrLf(Entries(26)));
}

TEST(WordListCollector, KeepsEachRunOfLinesWithoutBlankAsOneEmptyLine)
{
    std::u16string text = u"der A\n";
    for (int i = 0; i < 10000; ++i) {
        text += u"Wort\r\n\n";
    }
    text += u"die B\nEnde";
    EXPECT_EQ(Collect(text, 100), u"der A\r\n\r\ndie B\r\n\r\n");
}

TEST(WordListCollector, DropsAByteOrderMarkOnlyAtTheVeryStart)
{
    EXPECT_EQ(Collect(u"\uFEFFder A\n\uFEFFdie B", 1000), u"der A\r\n\uFEFFdie B\r\n");
    EXPECT_EQ(Collect(u"\uFEFF\uFEFFder A", 1), u"\uFEFFder A\r\n");
}

} // namespace
} // namespace wumpel::cli
