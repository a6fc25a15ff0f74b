// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/verse_draws_inline.h"
#include "engine/word_tables.h"
#include "engine/word_tables_inline.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace wumpel {
namespace {

constexpr std::size_t SlotCount = 9;

// The frame of the three lines. Each slot's text before its article joins the
// previous slot's tail to its own lead, so a verse is written in few pieces;
// slot 7's lead is the drawn preposition.
struct Slot {
    std::u16string_view Before;
    GrammaticalCase Case;
};

constexpr std::size_t PrepositionSlot = 7;
constexpr std::array<Slot, SlotCount> Slots = {{
    {u"Wenn ", GrammaticalCase::Nominative},
    {u" mit ", GrammaticalCase::Dative},
    {u" über ", GrammaticalCase::Accusative},
    {u" springt\r\nund ", GrammaticalCase::Nominative},
    {u" in ", GrammaticalCase::Dative},
    {u" ", GrammaticalCase::Accusative},
    {u" verschlingt,\r\ndann ", GrammaticalCase::Nominative},
    {u"", GrammaticalCase::Dative},
    {u" als ", GrammaticalCase::Nominative},
}};

constexpr char16_t Blank = u' ';
constexpr std::u16string_view VerseEnd = u"\r\n\r\n";

using DrawnEntries = std::array<std::int16_t, SlotCount>;

// For each entry index, a bit per slot that holds it: a pass finds the later
// slots equal to slot i in one look instead of comparing with each of them.
class SlotsByEntry {
public:
    explicit SlotsByEntry(const DrawnEntries& drawn)
    {
        for (std::size_t k = 0; k < SlotCount; ++k) {
            Add(drawn.at(k), k);
        }
    }

    std::uint32_t SlotsAfter(std::int16_t entry, std::size_t slot) const
    {
        return m_slots.at(static_cast<std::size_t>(entry)) & (~std::uint32_t{0} << (slot + 1));
    }

    void Move(std::int16_t from, std::int16_t to, std::size_t slot)
    {
        m_slots.at(static_cast<std::size_t>(from)) &= ~(std::uint32_t{1} << slot);
        Add(to, slot);
    }

private:
    void Add(std::int16_t entry, std::size_t slot)
    {
        m_slots.at(static_cast<std::size_t>(entry)) |= std::uint32_t{1} << slot;
    }

    std::array<std::uint32_t, WordListCapacity> m_slots{};
};

// Passes over all pairs i < j until one finds no equal pair, as the rule has
// it: a replacement is drawn as soon as slot j is found equal to slot i, later
// comparisons see it, and any replacement calls for another pass even if it
// drew the same index again. The slots equal to slot i can be gathered before
// replacing any of them, since replacing slot j changes no other comparison
// with slot i.
DrawnEntries DrawDifferentEntries(std::int16_t lastEntryIndex, RandomSource& random)
{
    DrawnEntries drawn{};
    for (std::int16_t& index : drawn) {
        index = draws::EntryIndex(lastEntryIndex, random.Next());
    }
    SlotsByEntry slots(drawn);
    bool replaced = true;
    while (replaced) {
        replaced = false;
        for (std::size_t i = 0; i + 1 < SlotCount; ++i) {
            for (std::uint32_t equal = slots.SlotsAfter(drawn.at(i), i); equal != 0;
                 equal &= equal - 1) {
                const auto j = static_cast<std::size_t>(std::countr_zero(equal));
                const std::int16_t redrawn = draws::EntryIndex(lastEntryIndex, random.Next());
                slots.Move(drawn.at(j), redrawn, j);
                drawn.at(j) = redrawn;
                replaced = true;
            }
        }
    }
    return drawn;
}

// Only the three definite articles tell a gender; any other keeps what the entry
// had. Compared unit by unit and combined without branching on which article
// it is: this runs nine times a verse on randomly drawn entries, where string
// comparisons and a chain of branches the processor cannot predict showed in
// profiles.
void LearnGender(GeneratorState& state, std::size_t entry)
{
    const std::u16string& article = state.WordList.at(entry).Article;
    if (article.size() != 3 || article[0] != u'd') {
        return;
    }
    const char16_t second = article[1];
    const char16_t third = article[2];
    const bool masculine = second == u'e' && third == u'r';
    const bool feminine = second == u'i' && third == u'e';
    const bool neuter = second == u'a' && third == u's';
    if (masculine || feminine || neuter) {
        state.EntryGenders.at(entry) =
            static_cast<Gender>(static_cast<int>(feminine) + 2 * static_cast<int>(neuter));
    }
}

struct SlotText {
    std::u16string_view Before;
    std::u16string_view Article;
    std::u16string_view Noun;
};

struct VerseTexts {
    std::array<SlotText, SlotCount> Slots;
    std::u16string_view VerbEnding;
};

// Makes the slots' draws in their fixed order: slot 7 draws its preposition
// before its article kind, and the verb ending comes last. Touches no text.
VerseTexts DrawVerseTexts(const GeneratorState& state, const DrawnEntries& drawn,
                          RandomSource& random)
{
    // Every field is written below; value-initialising them first showed in profiles.
    VerseTexts texts;
    const draws::KindThresholdTable& kindThresholds = draws::KindThresholds();
    for (std::size_t k = 0; k < SlotCount; ++k) {
        const Slot& slot = Slots.at(k);
        const auto entry = static_cast<std::size_t>(drawn.at(k));
        SlotText& text = texts.Slots.at(k);
        text.Before = k == PrepositionSlot
                          ? Preposition(state, draws::PrepositionIndex(random.Next()))
                          : slot.Before;
        text.Article = tables::ArticleAt(state, state.EntryGenders.at(entry), slot.Case,
                                         draws::Kind(random.Next(), kindThresholds));
        text.Noun = state.WordList.at(entry).Noun;
    }
    texts.VerbEnding = VerbEnding(state, draws::VerbEndingIndex(random.Next()));
    return texts;
}

// Copies a piece of a verse, nearly always a few units long, without a call:
// two possibly overlapping fixed-size copies cover every length up to twice
// their size, and never touch a unit outside the piece.
[[gnu::always_inline]] inline char16_t* PutPiece(std::u16string_view piece, char16_t* out)
{
    const std::size_t n = piece.size();
    const char16_t* in = piece.data();
    if (n >= 4 && n <= 8) {
        std::memcpy(out, in, 4 * sizeof(char16_t));
        std::memcpy(out + n - 4, in + n - 4, 4 * sizeof(char16_t));
    } else if (n >= 2 && n < 4) {
        std::memcpy(out, in, 2 * sizeof(char16_t));
        std::memcpy(out + n - 2, in + n - 2, 2 * sizeof(char16_t));
    } else if (n == 1) {
        *out = *in;
    } else if (n > 8) {
        std::memcpy(out, in, n * sizeof(char16_t));
    }
    return out + n;
}

// Grows the text once by the verse's length and fills it in place: appending
// the pieces one by one cost more than all the draws of the verse. The resize
// is what bounds every write of PutPiece.
void AppendVerseTexts(std::u16string& text, const VerseTexts& texts)
{
    std::size_t length = texts.VerbEnding.size() + VerseEnd.size();
    for (const SlotText& slot : texts.Slots) {
        length += slot.Before.size() + slot.Article.size() + 1 + slot.Noun.size();
    }
    const std::size_t start = text.size();
    text.resize(start + length);
    char16_t* out = text.data() + start;
    for (const SlotText& slot : texts.Slots) {
        out = PutPiece(slot.Before, out);
        out = PutPiece(slot.Article, out);
        *out++ = Blank;
        out = PutPiece(slot.Noun, out);
    }
    out = PutPiece(texts.VerbEnding, out);
    PutPiece(VerseEnd, out);
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
        AppendVerseTexts(state.VerseText, DrawVerseTexts(state, drawn, random));
    } catch (...) {
        state.EntryGenders = gendersBefore;
        state.VerseText.resize(lengthBefore);
        throw;
    }
}

} // namespace wumpel
