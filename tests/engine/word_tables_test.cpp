// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/generator_state.h"
#include "engine/word_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>

namespace wumpel {
namespace {

using G = Gender;
using C = GrammaticalCase;
using K = ArticleKind;

// All 36 cells: rows by kind (none, negative, indefinite, definite), then by
// case (nominative, dative, accusative); columns by gender.
constexpr std::array<std::array<std::array<std::string_view, 3>, 3>, 4> Declined = {{
    {{{"", "", ""}, {"", "", ""}, {"", "", ""}}},
    {{{"kein", "keine", "kein"}, {"keinem", "keiner", "keinem"}, {"keinen", "keine", "kein"}}},
    {{{"ein", "eine", "ein"}, {"einem", "einer", "einem"}, {"einen", "eine", "ein"}}},
    {{{"der", "die", "das"}, {"dem", "der", "dem"}, {"den", "die", "das"}}},
}};

TEST(ArticleTable, DeclinesEveryCell)
{
    GeneratorState state;
    InitWordTables(state);
    for (std::size_t kind = 0; kind < Declined.size(); ++kind) {
        for (std::size_t grammaticalCase = 0; grammaticalCase < 3; ++grammaticalCase) {
            for (std::size_t gender = 0; gender < 3; ++gender) {
                EXPECT_EQ(Article(state, static_cast<G>(gender), static_cast<C>(grammaticalCase),
                                  static_cast<K>(kind)),
                          Declined.at(kind).at(grammaticalCase).at(gender))
                    << "kind " << kind << ", case " << grammaticalCase << ", gender " << gender;
            }
        }
    }
}

TEST(ArticleTableLayout, CellNumberIsGenderPlusThreeCasesPlusNineKinds)
{
    GeneratorState state;
    InitWordTables(state);
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 1 + 9 * 1), "keinem");
    EXPECT_EQ(state.ArticleTable.at(2 + 3 * 2 + 9 * 1), "kein");
    EXPECT_EQ(state.ArticleTable.at(1 + 3 * 1 + 9 * 3), "der");
    EXPECT_EQ(state.ArticleTable.at(0 + 3 * 2 + 9 * 2), "einen");
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
