// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/word_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace wumpel {
namespace {

// Rows by kind (none, negative, indefinite, definite), then case; columns by gender.
constexpr std::array<std::array<std::array<std::string_view, GenderCount>, GrammaticalCaseCount>,
                     ArticleKindCount>
    DeclinedArticles = {{
        {{{"", "", ""}, {"", "", ""}, {"", "", ""}}},
        {{{"kein", "keine", "kein"}, {"keinem", "keiner", "keinem"}, {"keinen", "keine", "kein"}}},
        {{{"ein", "eine", "ein"}, {"einem", "einer", "einem"}, {"einen", "eine", "ein"}}},
        {{{"der", "die", "das"}, {"dem", "der", "dem"}, {"den", "die", "das"}}},
    }};

constexpr std::array<std::string_view, PrepositionCount> PrepositionTexts = {
    " aus ",    " bei ",   " mit ", " nach ", " von ",   " zu ",  " an ",      " auf ",
    " hinter ", " neben ", " in ",  " über ", " unter ", " vor ", " zwischen "};

constexpr std::array<std::string_view, VerbEndingCount> VerbEndingTexts = {
    " erklingt.", " versinkt.",    " stinkt.",   " hinkt.",
    " winkt.",    " verschlingt.", " schwingt.", " umringt."};

// Gender varies fastest and kind slowest.
std::size_t ArticleCell(std::size_t gender, std::size_t grammaticalCase, std::size_t kind)
{
    if (gender >= GenderCount || grammaticalCase >= GrammaticalCaseCount ||
        kind >= ArticleKindCount) {
        throw std::out_of_range("article code out of range");
    }
    return gender + GenderCount * grammaticalCase + GenderCount * GrammaticalCaseCount * kind;
}

} // namespace

void InitWordTables(GeneratorState& state)
{
    for (std::size_t kind = 0; kind < ArticleKindCount; ++kind) {
        for (std::size_t grammaticalCase = 0; grammaticalCase < GrammaticalCaseCount;
             ++grammaticalCase) {
            for (std::size_t gender = 0; gender < GenderCount; ++gender) {
                state.ArticleTable.at(ArticleCell(gender, grammaticalCase, kind)) =
                    DeclinedArticles.at(kind).at(grammaticalCase).at(gender);
            }
        }
    }
    std::copy(PrepositionTexts.begin(), PrepositionTexts.end(), state.Prepositions.begin());
    std::copy(VerbEndingTexts.begin(), VerbEndingTexts.end(), state.VerbEndings.begin());
}

const std::string& Article(const GeneratorState& state, Gender gender,
                           GrammaticalCase grammaticalCase, ArticleKind kind)
{
    // A negative code becomes a large index, which ArticleCell rejects with the rest.
    const auto index = [](auto code) -> std::size_t { return static_cast<std::uint16_t>(code); };
    return state.ArticleTable.at(ArticleCell(index(gender), index(grammaticalCase), index(kind)));
}

} // namespace wumpel
