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
    std::string expected;
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
    testing::Values(ArticleRow{G::Masculine, C::Nominative, K::Definite, "der"},
                    ArticleRow{G::Feminine, C::Nominative, K::Definite, "die"},
                    ArticleRow{G::Neuter, C::Nominative, K::Definite, "das"},
                    ArticleRow{G::Masculine, C::Dative, K::Definite, "dem"},
                    ArticleRow{G::Feminine, C::Dative, K::Definite, "der"},
                    ArticleRow{G::Neuter, C::Dative, K::Definite, "dem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Definite, "den"},
                    ArticleRow{G::Feminine, C::Accusative, K::Definite, "die"},
                    ArticleRow{G::Neuter, C::Accusative, K::Definite, "das"},
                    ArticleRow{G::Masculine, C::Nominative, K::Indefinite, "ein"},
                    ArticleRow{G::Feminine, C::Nominative, K::Indefinite, "eine"},
                    ArticleRow{G::Neuter, C::Nominative, K::Indefinite, "ein"},
                    ArticleRow{G::Masculine, C::Dative, K::Indefinite, "einem"},
                    ArticleRow{G::Feminine, C::Dative, K::Indefinite, "einer"},
                    ArticleRow{G::Neuter, C::Dative, K::Indefinite, "einem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Indefinite, "einen"},
                    ArticleRow{G::Feminine, C::Accusative, K::Indefinite, "eine"},
                    ArticleRow{G::Neuter, C::Accusative, K::Indefinite, "ein"},
                    ArticleRow{G::Masculine, C::Nominative, K::Negative, "kein"},
                    ArticleRow{G::Feminine, C::Nominative, K::Negative, "keine"},
                    ArticleRow{G::Neuter, C::Nominative, K::Negative, "kein"},
                    ArticleRow{G::Masculine, C::Dative, K::Negative, "keinem"},
                    ArticleRow{G::Feminine, C::Dative, K::Negative, "keiner"},
                    ArticleRow{G::Neuter, C::Dative, K::Negative, "keinem"},
                    ArticleRow{G::Masculine, C::Accusative, K::Negative, "keinen"},
                    ArticleRow{G::Feminine, C::Accusative, K::Negative, "keine"},
                    ArticleRow{G::Neuter, C::Accusative, K::Negative, "kein"},
                    ArticleRow{G::Masculine, C::Nominative, K::None, ""},
                    ArticleRow{G::Feminine, C::Nominative, K::None, ""},
                    ArticleRow{G::Neuter, C::Nominative, K::None, ""},
                    ArticleRow{G::Masculine, C::Dative, K::None, ""},
                    ArticleRow{G::Feminine, C::Dative, K::None, ""},
                    ArticleRow{G::Neuter, C::Dative, K::None, ""},
                    ArticleRow{G::Masculine, C::Accusative, K::None, ""},
                    ArticleRow{G::Feminine, C::Accusative, K::None, ""},
                    ArticleRow{G::Neuter, C::Accusative, K::None, ""}));

TEST(ArticleTableLayout, CellNumberIsGenderPlusThreeCasesPlusNineKinds)
{
    GeneratorState state;
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 1 + 9 * 1), "keinem");
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 2 + 9 * 1), "kein");
    EXPECT_EQ(state.ArticleTable.at(1 + 3 * 1 + 9 * 3), "der");
    EXPECT_EQ(state.ArticleTable.at(0 + 3 * 2 + 9 * 2), "einen");
}

TEST(Prepositions, HoldTheFifteenInOrder)
{
    GeneratorState state;
    InitWordTables(state);
    const std::array<std::string, PrepositionCount> expected = {
        " aus ",    " bei ",   " mit ", " nach ", " von ",   " zu ",  " an ",      " auf ",
        " hinter ", " neben ", " in ",  " über ", " unter ", " vor ", " zwischen "};
    EXPECT_EQ(state.Prepositions, expected);
}

TEST(VerbEndings, HoldTheEightInOrderWithFullStops)
{
    GeneratorState state;
    InitWordTables(state);
    const std::array<std::string, VerbEndingCount> expected = {
        " erklingt.", " versinkt.",    " stinkt.",   " hinkt.",
        " winkt.",    " verschlingt.", " schwingt.", " umringt."};
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
    state.ArticleTable.at(0) = "x";
    state.ArticleTable.at(5) = "y";
    state.Prepositions.at(3) = "z";
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable.at(0), "");
    EXPECT_EQ(state.ArticleTable.at(5), "");
    EXPECT_EQ(state.Prepositions.at(3), " nach ");
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
