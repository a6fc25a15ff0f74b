// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/verse_composer.h"
#include "engine/verse_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace wumpel {
namespace {

// The writer copies pieces in fixed-size moves that may reach past a piece;
// these cases give every kind of piece every length from empty to well past
// those moves, and mix lengths within one verse, so that a move reaching too
// far, or not far enough, shows as a wrong unit somewhere in the verse.
constexpr std::size_t LongestPiece = 40;

// A piece of the given length whose units tell where they come from.
std::u16string Piece(char16_t tag, std::size_t length)
{
    std::u16string piece;
    for (std::size_t i = 0; i < length; ++i) {
        piece += static_cast<char16_t>(tag + i % 16);
    }
    return piece;
}

struct PieceLengths {
    std::size_t Article;
    std::size_t Noun;
    std::size_t Preposition;
    std::size_t VerbEnding;
};

// Lengths that step through 0..LongestPiece at different rates for each kind
// of piece, so that short and long pieces meet in every order.
PieceLengths LengthsFor(std::size_t step)
{
    constexpr std::size_t Range = LongestPiece + 1;
    return {step % Range, (step * 7 + 3) % Range, (step * 3 + 1) % Range, (step * 5 + 2) % Range};
}

// Every cell, preposition and verb ending gets its own tag, so that reading the
// wrong one shows too; nouns alternate around the article length.
GeneratorState StateWithPieces(const PieceLengths& lengths)
{
    GeneratorState state;
    for (std::size_t cell = 0; cell < ArticleCellCount; ++cell) {
        state.ArticleTable.at(cell) =
            Piece(static_cast<char16_t>(u'\u0400' + 16 * cell), lengths.Article);
    }
    for (std::size_t i = 0; i < PrepositionCount; ++i) {
        state.Prepositions.at(i) =
            Piece(static_cast<char16_t>(u'\u3000' + 16 * i), lengths.Preposition);
    }
    for (std::size_t i = 0; i < VerbEndingCount; ++i) {
        state.VerbEndings.at(i) =
            Piece(static_cast<char16_t>(u'\u4000' + 16 * i), lengths.VerbEnding);
    }
    for (std::size_t entry = 0; entry < WordListCapacity; ++entry) {
        const std::size_t length = entry % 2 == 0 ? lengths.Noun : lengths.Article;
        state.WordList.at(entry).Noun =
            Piece(static_cast<char16_t>(u'\u5000' + 16 * entry), length);
    }
    state.LastEntryIndex = 25;
    return state;
}

VersePlan PlanFor(std::size_t step)
{
    VersePlan plan;
    for (std::size_t slot = 0; slot < VerseSlotCount; ++slot) {
        plan.Entries.at(slot) = static_cast<std::int16_t>((step + 3 * slot) % WordListCapacity);
        plan.ArticleCells.at(slot) = (step * 5 + 4 * slot) % ArticleCellCount;
    }
    plan.Preposition = step % PrepositionCount;
    plan.VerbEnding = step % VerbEndingCount;
    return plan;
}

// The verse spelled out piece by piece, independently of the writer's layout.
std::u16string ExpectedVerse(const GeneratorState& state, const VersePlan& plan)
{
    const auto article = [&](std::size_t slot) {
        return state.ArticleTable.at(plan.ArticleCells.at(slot));
    };
    const auto noun = [&](std::size_t slot) {
        return state.WordList.at(static_cast<std::size_t>(plan.Entries.at(slot))).Noun;
    };
    return u"Wenn " + article(0) + u" " + noun(0) + u" mit " + article(1) + u" " + noun(1) +
           u" über " + article(2) + u" " + noun(2) + u" springt\r\nund " + article(3) + u" " +
           noun(3) + u" in " + article(4) + u" " + noun(4) + u" " + article(5) + u" " + noun(5) +
           u" verschlingt,\r\ndann " + article(6) + u" " + noun(6) +
           state.Prepositions.at(plan.Preposition) + article(7) + u" " + noun(7) + u" als " +
           article(8) + u" " + noun(8) + state.VerbEndings.at(plan.VerbEnding) + u"\r\n\r\n";
}

class VerseTextLengths : public testing::TestWithParam<std::size_t> {};

TEST_P(VerseTextLengths, WritesEveryPieceExactly)
{
    const std::size_t step = GetParam();
    const GeneratorState state = StateWithPieces(LengthsFor(step));
    const VersePlan plan = PlanFor(step);
    // Text already there, of a length that moves the verse's start each step.
    const std::u16string before = Piece(u'a', step % 11);
    std::u16string text = before;
    AppendVerseText(text, state, plan);
    EXPECT_EQ(text, before + ExpectedVerse(state, plan));
}

INSTANTIATE_TEST_SUITE_P(EmptyToLong, VerseTextLengths,
                         testing::Range<std::size_t>(0, 2 * (LongestPiece + 1)));

TEST(VerseText, RefusesACellOutOfRangeAndLeavesTheText)
{
    const GeneratorState state = StateWithPieces(LengthsFor(1));
    VersePlan plan = PlanFor(1);
    plan.ArticleCells.at(8) = ArticleCellCount;
    std::u16string text = u"vorher";
    EXPECT_THROW(AppendVerseText(text, state, plan), std::out_of_range);
    EXPECT_EQ(text, u"vorher");
}

} // namespace
} // namespace wumpel
