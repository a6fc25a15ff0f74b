// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/draw.h"
#include "engine/word_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace wumpel {
namespace {

// One place of the verse: the fixed text before its article, and the case the
// article is declined for. A blank follows the article, even an empty one.
struct FrameSlot {
    std::optional<std::string_view> Lead; // none: a preposition drawn for the verse
    GrammaticalCase Case;
};

// The verse frame, in the order the verse reads and the draws are made. Each
// slot draws its lead if it is a preposition, then its article's kind; the
// verse closes with a drawn verb ending and VerseEnd:
//
//   Wenn A0 N0 mit A1 N1 über A2 N2 springt
//   und A3 N3 in A4 N4 A5 N5 verschlingt,
//   dann A6 N6 P A7 N7 als A8 N8 V
//
// A lead that starts a line carries the end of the line before it.
constexpr std::array<FrameSlot, 9> VerseFrame = {{
    {"Wenn ", GrammaticalCase::Nominative},
    {" mit ", GrammaticalCase::Dative},
    {" über ", GrammaticalCase::Accusative},
    {" springt\r\nund ", GrammaticalCase::Nominative},
    {" in ", GrammaticalCase::Dative},
    {" ", GrammaticalCase::Accusative},
    {" verschlingt,\r\ndann ", GrammaticalCase::Nominative},
    {std::nullopt, GrammaticalCase::Dative}, // the drawn preposition
    {" als ", GrammaticalCase::Nominative},
}};

constexpr std::string_view VerseEnd = "\r\n\r\n";

using VerseEntries = std::array<std::int16_t, VerseFrame.size()>;

// Draws nine entries, then makes them pairwise different by passes over every
// pair i < j until a pass finds no equal pair. An equal pair has slot j
// replaced at once by a new draw, which the later comparisons of the same pass
// see, and calls for another pass even when the new draw equals the old one.
VerseEntries DrawDifferentEntries(std::int16_t lastEntryIndex, RandomSource& random)
{
    VerseEntries entries{};
    for (std::int16_t& entry : entries) {
        entry = DrawEntryIndex(lastEntryIndex, random.Next());
    }
    bool replaced = true;
    while (replaced) {
        replaced = false;
        for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
            for (std::size_t j = i + 1; j < entries.size(); ++j) {
                if (entries.at(i) == entries.at(j)) {
                    entries.at(j) = DrawEntryIndex(lastEntryIndex, random.Next());
                    replaced = true;
                }
            }
        }
    }
    return entries;
}

// By gender: only a definite article tells its noun's gender; any other leaves
// the gender the entry had.
constexpr std::array<std::string_view, GenderCount> DefiniteArticles = {"der", "die", "das"};

void LearnGender(std::string_view article, Gender& gender)
{
    for (std::size_t told = 0; told < DefiniteArticles.size(); ++told) {
        if (article == DefiniteArticles.at(told)) {
            gender = static_cast<Gender>(told);
        }
    }
}

} // namespace

// The genders are stored only once the verse is complete, and whatever throws
// on the way cuts text back to where it ended.
void ComposeVerse(GeneratorState& state, RandomSource& random, std::string& text)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex ||
        static_cast<std::size_t>(state.LastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("too few entries to compose a verse");
    }
    random.Reseed();
    const VerseEntries entries = DrawDifferentEntries(state.LastEntryIndex, random);

    auto genders = state.EntryGenders;
    for (const std::int16_t entry : entries) {
        const auto e = static_cast<std::size_t>(entry);
        LearnGender(state.WordList.at(e).Article, genders.at(e));
    }

    const std::size_t before = text.size();
    try {
        for (std::size_t k = 0; k < VerseFrame.size(); ++k) {
            const FrameSlot& slot = VerseFrame.at(k);
            const auto entry = static_cast<std::size_t>(entries.at(k));
            text +=
                slot.Lead
                    ? *slot.Lead
                    : state.Prepositions.at(DrawTableIndex(PrepositionCount - 1, random.Next()));
            text += Article(state, genders.at(entry), slot.Case, DrawArticleKind(random.Next()));
            text += ' ';
            text += state.WordList.at(entry).Noun;
        }
        text += state.VerbEndings.at(DrawTableIndex(VerbEndingCount - 1, random.Next()));
        text += VerseEnd;
    } catch (...) {
        text.resize(before);
        throw;
    }
    state.EntryGenders = genders;
}

} // namespace wumpel
