// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/word_tables.h"

#include "engine/word_tables_inline.h"

#include <array>
#include <string_view>

namespace wumpel {
namespace {

// Rows by kind (negative, indefinite, definite), then case; columns by gender.
// Kind "none" has no row: its cells are all empty.
constexpr std::size_t DeclinedKindCount = ArticleKindCount - 1;
constexpr std::array<std::array<std::array<std::u16string_view, GenderCount>, GrammaticalCaseCount>,
                     DeclinedKindCount>
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

} // namespace

void InitWordTables(GeneratorState& state)
{
    for (std::size_t grammaticalCase = 0; grammaticalCase < GrammaticalCaseCount;
         ++grammaticalCase) {
        for (std::size_t gender = 0; gender < GenderCount; ++gender) {
            state.ArticleTable.at(tables::ArticleCell(gender, grammaticalCase, 0)).clear();
            for (std::size_t kind = 1; kind < ArticleKindCount; ++kind) {
                state.ArticleTable.at(tables::ArticleCell(gender, grammaticalCase, kind)) =
                    DeclinedArticles.at(kind - 1).at(grammaticalCase).at(gender);
            }
        }
    }
    for (std::size_t i = 0; i < PrepositionCount; ++i) {
        state.Prepositions.at(i) = PrepositionTexts.at(i);
    }
    for (std::size_t i = 0; i < VerbEndingCount; ++i) {
        state.VerbEndings.at(i) = VerbEndingTexts.at(i);
    }
}

const std::u16string& Article(const GeneratorState& state, Gender gender,
                              GrammaticalCase grammaticalCase, ArticleKind kind)
{
    return tables::ArticleAt(state, gender, grammaticalCase, kind);
}

} // namespace wumpel
