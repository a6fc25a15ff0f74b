// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/word_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <tuple>

namespace wumpel {
namespace {

using G = Gender;
using C = GrammaticalCase;
using K = ArticleKind;

struct ArticleRow {
    Gender gender;
    GrammaticalCase grammaticalCase;
    ArticleKind kind;
    std::u16string expected;
};

class ArticleTableTest : public testing::TestWithParam<ArticleRow> {};

TEST_P(ArticleTableTest, DeclinesEveryCell)
{
    GeneratorState state;
    InitWordTables(state);
    const ArticleRow& row = GetParam();
    EXPECT_EQ(Article(state, row.gender, row.grammaticalCase, row.kind), row.expected);
}

// All 36 cells, including the nine empty ones of kind "none".
INSTANTIATE_TEST_SUITE_P(
    AllCells, ArticleTableTest,
    testing::Values(ArticleRow{G::Masculine, C::Nominative, K::Definite, u"der"},
                    ArticleRow{G::Feminine, C::Nominative, K::Definite, u"die"},
                    ArticleRow{G::Neuter, C::Nominative, K::Definite, u"das"},
                    ArticleRow{G::Masculine, C::Dative, K::Definite, u"dem"},
                    ArticleRow{G::Feminine, C::Dative, K::Definite, u"der"},
                    ArticleRow{G::Neuter, C::Dative, K::Definite, u"dem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Definite, u"den"},
                    ArticleRow{G::Feminine, C::Accusative, K::Definite, u"die"},
                    ArticleRow{G::Neuter, C::Accusative, K::Definite, u"das"},
                    ArticleRow{G::Masculine, C::Nominative, K::Indefinite, u"ein"},
                    ArticleRow{G::Feminine, C::Nominative, K::Indefinite, u"eine"},
                    ArticleRow{G::Neuter, C::Nominative, K::Indefinite, u"ein"},
                    ArticleRow{G::Masculine, C::Dative, K::Indefinite, u"einem"},
                    ArticleRow{G::Feminine, C::Dative, K::Indefinite, u"einer"},
                    ArticleRow{G::Neuter, C::Dative, K::Indefinite, u"einem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Indefinite, u"einen"},
                    ArticleRow{G::Feminine, C::Accusative, K::Indefinite, u"eine"},
                    ArticleRow{G::Neuter, C::Accusative, K::Indefinite, u"ein"},
                    ArticleRow{G::Masculine, C::Nominative, K::Negative, u"kein"},
                    ArticleRow{G::Feminine, C::Nominative, K::Negative, u"keine"},
                    ArticleRow{G::Neuter, C::Nominative, K::Negative, u"kein"},
                    ArticleRow{G::Masculine, C::Dative, K::Negative, u"keinem"},
                    ArticleRow{G::Feminine, C::Dative, K::Negative, u"keiner"},
                    ArticleRow{G::Neuter, C::Dative, K::Negative, u"keinem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Negative, u"keinen"},
                    ArticleRow{G::Feminine, C::Accusative, K::Negative, u"keine"},
                    ArticleRow{G::Neuter, C::Accusative, K::Negative, u"kein"},
                    ArticleRow{G::Masculine, C::Nominative, K::None, u""},
                    ArticleRow{G::Feminine, C::Nominative, K::None, u""},
                    ArticleRow{G::Neuter, C::Nominative, K::None, u""},
                    ArticleRow{G::Masculine, C::Dative, K::None, u""},
                    ArticleRow{G::Feminine, C::Dative, K::None, u""},
                    ArticleRow{G::Neuter, C::Dative, K::None, u""},
                    ArticleRow{G::Masculine, C::Accusative, K::None, u""},
                    ArticleRow{G::Feminine, C::Accusative, K::None, u""},
                    ArticleRow{G::Neuter, C::Accusative, K::None, u""}));

TEST(ArticleTableLayout, CellNumberIsGenderPlusThreeCasesPlusNineKinds)
{
    GeneratorState state;
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 1 + 9 * 1), u"keinem");
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 2 + 9 * 1), u"kein");
    EXPECT_EQ(state.ArticleTable.at(1 + 3 * 1 + 9 * 3), u"der");
    EXPECT_EQ(state.ArticleTable.at(0 + 3 * 2 + 9 * 2), u"einen");
}

TEST(Prepositions, HoldTheFifteenInOrder)
{
    GeneratorState state;
    InitWordTables(state);
    const std::array<std::u16string, PrepositionCount> expected = {
        u" aus ",    u" bei ",   u" mit ", u" nach ", u" von ",   u" zu ",  u" an ",      u" auf ",
        u" hinter ", u" neben ", u" in ",  u" über ", u" unter ", u" vor ", u" zwischen "};
    EXPECT_EQ(state.Prepositions, expected);
}

TEST(VerbEndings, HoldTheEightInOrderWithFullStops)
{
    GeneratorState state;
    InitWordTables(state);
    const std::array<std::u16string, VerbEndingCount> expected = {
        u" erklingt.", u" versinkt.",    u" stinkt.",   u" hinkt.",
        u" winkt.",    u" verschlingt.", u" schwingt.", u" umringt."};
    EXPECT_EQ(state.VerbEndings, expected);
}

TEST(InitWordTables, StartsEmptyAndIsIdempotent)
{
    GeneratorState state;
    for (const auto& cell : state.ArticleTable) {
        EXPECT_TRUE(cell.empty());
    }
    EXPECT_TRUE(state.Prepositions.at(11).empty());

    InitWordTables(state);
    const GeneratorState once = state;
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable, once.ArticleTable);
    EXPECT_EQ(state.Prepositions, once.Prepositions);
    EXPECT_EQ(state.VerbEndings, once.VerbEndings);
}

TEST(InitWordTables, RepairsTablesChangedInBetween)
{
    GeneratorState state;
    InitWordTables(state);
    state.ArticleTable.at(0) = u"x";
    state.ArticleTable.at(5) = u"y";
    state.Prepositions.at(3) = u"z";
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable.at(0), u"");
    EXPECT_EQ(state.ArticleTable.at(5), u"");
    EXPECT_EQ(state.Prepositions.at(3), u" nach ");
}

// Each code is checked against its own range: gender 3 of case 0 would
// otherwise read the cell of gender 0 in case 1.
TEST(WordTableBounds, RejectArticleCodesOutsideTheirRanges)
{
    GeneratorState state;
    InitWordTables(state);
    EXPECT_THROW(std::ignore = Article(state, static_cast<G>(3), C::Nominative, K::Definite),
                 std::out_of_range);
    EXPECT_THROW(std::ignore = Article(state, G::Masculine, static_cast<C>(3), K::Definite),
                 std::out_of_range);
    EXPECT_THROW(std::ignore = Article(state, G::Masculine, C::Nominative, static_cast<K>(4)),
                 std::out_of_range);
    EXPECT_THROW(std::ignore = Article(state, static_cast<G>(-1), C::Nominative, K::Definite),
                 std::out_of_range);
}

} // namespace
} // namespace wumpel
