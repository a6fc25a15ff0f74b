// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/verse_draws.h"
#include "engine/word_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace wumpel {
namespace {

constexpr std::size_t SlotCount = 9;

struct Slot {
    std::u16string_view Lead;
    GrammaticalCase Case;
    std::u16string_view Tail;
};

// The frame of the three lines. Slot 7's lead is the drawn preposition.
constexpr std::size_t PrepositionSlot = 7;
constexpr std::array<Slot, SlotCount> Slots = {{
    {u"Wenn ", GrammaticalCase::Nominative, u""},
    {u" mit ", GrammaticalCase::Dative, u""},
    {u" über ", GrammaticalCase::Accusative, u" springt\r\n"},
    {u"und ", GrammaticalCase::Nominative, u""},
    {u" in ", GrammaticalCase::Dative, u""},
    {u" ", GrammaticalCase::Accusative, u" verschlingt,\r\n"},
    {u"dann ", GrammaticalCase::Nominative, u""},
    {u"", GrammaticalCase::Dative, u""},
    {u" als ", GrammaticalCase::Nominative, u""},
}};

constexpr std::u16string_view VerseEnd = u"\r\n\r\n";

using DrawnEntries = std::array<std::int16_t, SlotCount>;

DrawnEntries DrawDifferentEntries(std::int16_t lastEntryIndex, RandomSource& random)
{
    DrawnEntries drawn{};
    for (std::int16_t& index : drawn) {
        index = DrawEntryIndex(lastEntryIndex, random.Next());
    }
    // Later comparisons in a pass see the replaced values, and a replacement calls
    // for another pass even when it drew the same index again.
    bool replaced = true;
    while (replaced) {
        replaced = false;
        for (std::size_t i = 0; i + 1 < SlotCount; ++i) {
            for (std::size_t j = i + 1; j < SlotCount; ++j) {
                if (drawn.at(i) == drawn.at(j)) {
                    drawn.at(j) = DrawEntryIndex(lastEntryIndex, random.Next());
                    replaced = true;
                }
            }
        }
    }
    return drawn;
}

// Only the three definite articles tell a gender; any other keeps what the entry had.
void LearnGender(GeneratorState& state, std::size_t entry)
{
    const std::u16string& article = state.WordList.at(entry).Article;
    Gender& gender = state.EntryGenders.at(entry);
    if (article == u"der") {
        gender = Gender::Masculine;
    } else if (article == u"die") {
        gender = Gender::Feminine;
    } else if (article == u"das") {
        gender = Gender::Neuter;
    }
}

void AppendSlots(GeneratorState& state, const DrawnEntries& drawn, RandomSource& random)
{
    std::u16string& text = state.VerseText;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        const Slot& slot = Slots.at(k);
        const auto entry = static_cast<std::size_t>(drawn.at(k));
        if (k == PrepositionSlot) {
            text += Preposition(state, DrawPrepositionIndex(random.Next()));
        } else {
            text += slot.Lead;
        }
        text +=
            Article(state, state.EntryGenders.at(entry), slot.Case, DrawArticleKind(random.Next()));
        text += u' ';
        text += state.WordList.at(entry).Noun;
        text += slot.Tail;
    }
    text += VerbEnding(state, DrawVerbEndingIndex(random.Next()));
    text += VerseEnd;
}

} // namespace

void ComposeVerse(GeneratorState& state, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex ||
        static_cast<std::size_t>(state.LastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("too few entries to compose a verse");
    }
    random.Reseed();
    const DrawnEntries drawn = DrawDifferentEntries(state.LastEntryIndex, random);

    const auto gendersBefore = state.EntryGenders;
    const std::size_t lengthBefore = state.VerseText.size();
    try {
        for (const std::int16_t entry : drawn) {
            LearnGender(state, static_cast<std::size_t>(entry));
        }
        AppendSlots(state, drawn, random);
    } catch (...) {
        state.EntryGenders = gendersBefore;
        state.VerseText.resize(lengthBefore);
        throw;
    }
}

} // namespace wumpel
