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

// Rows by kind (negative, indefinite, definite), then case; columns by gender.
// Kind none has no row: its cells are all empty.
constexpr std::array<std::array<std::array<std::u16string_view, GenderCount>, GrammaticalCaseCount>,
                     ArticleKindCount - 1>
    DeclinedArticles = {{
        {{{u"kein", u"keine", u"kein"},
          {u"keinem", u"keiner", u"keinem"},
          {u"keinen", u"keine", u"kein"}}},
        {{{u"ein", u"eine", u"ein"}, {u"einem", u"einer", u"einem"}, {u"einen", u"eine", u"ein"}}},
        {{{u"der", u"die", u"das"}, {u"dem", u"der", u"dem"}, {u"den", u"die", u"das"}}},
    }};

constexpr std::array<std::u16string_view, PrepositionCount> PrepositionTexts = {
    u" aus ",    u" bei ",   u" mit ", u" nach ", u" von ",   u" zu ",  u" an ",      u" auf ",
    u" hinter ", u" neben ", u" in ",  u" über ", u" unter ", u" vor ", u" zwischen "};

constexpr std::array<std::u16string_view, VerbEndingCount> VerbEndingTexts = {
    u" erklingt.", u" versinkt.",    u" stinkt.",   u" hinkt.",
    u" winkt.",    u" verschlingt.", u" schwingt.", u" umringt."};

// Gender varies fastest and kind slowest.
std::size_t ArticleCell(std::size_t gender, std::size_t grammaticalCase, std::size_t kind)
{
    if (gender >= GenderCount || grammaticalCase >= GrammaticalCaseCount ||
        kind >= ArticleKindCount) {
        throw std::out_of_range("article code out of range");
    }
    return gender + GenderCount * grammaticalCase + GenderCount * GrammaticalCaseCount * kind;
}

// A negative code becomes a large index, which ArticleCell rejects with the rest.
template <typename Code> std::size_t CodeIndex(Code code)
{
    return static_cast<std::uint16_t>(code);
}

} // namespace

void InitWordTables(GeneratorState& state)
{
    for (std::size_t kind = 0; kind < ArticleKindCount; ++kind) {
        for (std::size_t grammaticalCase = 0; grammaticalCase < GrammaticalCaseCount;
             ++grammaticalCase) {
            for (std::size_t gender = 0; gender < GenderCount; ++gender) {
                state.ArticleTable.at(ArticleCell(gender, grammaticalCase, kind)) =
                    kind == 0 ? std::u16string_view{}
                              : DeclinedArticles.at(kind - 1).at(grammaticalCase).at(gender);
            }
        }
    }
    std::copy(PrepositionTexts.begin(), PrepositionTexts.end(), state.Prepositions.begin());
    std::copy(VerbEndingTexts.begin(), VerbEndingTexts.end(), state.VerbEndings.begin());
}

const std::u16string& Article(const GeneratorState& state, Gender gender,
                              GrammaticalCase grammaticalCase, ArticleKind kind)
{
    return state.ArticleTable.at(
        ArticleCell(CodeIndex(gender), CodeIndex(grammaticalCase), CodeIndex(kind)));
}

} // namespace wumpel
