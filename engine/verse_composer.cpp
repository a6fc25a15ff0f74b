// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/verse_draws_inline.h"
#include "engine/word_tables.h"
#include "engine/word_tables_inline.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace wumpel {
namespace {

constexpr std::size_t SlotCount = 9;
constexpr std::size_t PrepositionSlot = 7;

// The frame of the three lines. Each slot's text before its article joins the
// previous slot's tail to its own lead, so a verse is written in few pieces;
// slot 7's lead is the drawn preposition instead.
struct Slot {
    std::u16string_view Before;
    GrammaticalCase Case;
};

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

// The draws that follow the entries', in their fixed order: one kind per slot,
// slot 7's preposition just before its kind, and the verb ending last.
constexpr std::size_t LaterDrawCount = SlotCount + 2;
constexpr std::size_t PrepositionDraw = PrepositionSlot;
constexpr std::size_t VerbEndingDraw = LaterDrawCount - 1;
using LaterDraws = std::array<float, LaterDrawCount>;

constexpr std::size_t KindDraw(std::size_t slot)
{
    return slot < PrepositionSlot ? slot : slot + 1;
}

using DrawnEntries = std::array<std::int16_t, SlotCount>;

// For each entry index, a bit per slot that holds it: a pass finds the later
// slots equal to slot i in one look instead of comparing with each of them.
class SlotsByEntry {
public:
    using Slots = std::uint16_t;
    static_assert(SlotCount <= 16);

    // Whether the entry was held by another slot already.
    bool Add(std::int16_t entry, std::size_t slot)
    {
        Slots& slots = m_slots.at(static_cast<std::size_t>(entry));
        const bool held = slots != 0;
        slots = static_cast<Slots>(slots | Bit(slot));
        return held;
    }

    unsigned SlotsAfter(std::int16_t entry, std::size_t slot) const
    {
        return m_slots.at(static_cast<std::size_t>(entry)) & (~0U << (slot + 1));
    }

    void Move(std::int16_t from, std::int16_t to, std::size_t slot)
    {
        Slots& slots = m_slots.at(static_cast<std::size_t>(from));
        slots = static_cast<Slots>(slots & ~Bit(slot));
        Add(to, slot);
    }

private:
    static unsigned Bit(std::size_t slot) { return 1U << slot; }

    // Sixteen bits per entry keep the array small enough to be cleared without
    // a string instruction, whose start-up cost showed in profiles.
    std::array<Slots, WordListCapacity> m_slots{};
};

// Passes over all pairs i < j until one finds no equal pair, as the rule has
// it: a replacement is drawn as soon as slot j is found equal to slot i, later
// comparisons see it, and any replacement calls for another pass even if it
// drew the same index again. The slots equal to slot i can be gathered before
// replacing any of them, since replacing slot j changes no other comparison
// with slot i. Nine different first draws need no pass at all: it would find
// nothing and draw nothing.
DrawnEntries DrawDifferentEntries(draws::EntryScale scale, RandomSource& random)
{
    std::array<float, SlotCount> values{};
    random.NextValues(values);
    DrawnEntries drawn{};
    SlotsByEntry slots;
    bool replaced = false;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        drawn.at(k) = draws::EntryIndex(scale, draws::CheckedDraw(values.at(k)));
        replaced |= slots.Add(drawn.at(k), k);
    }
    while (replaced) {
        replaced = false;
        for (std::size_t i = 0; i + 1 < SlotCount; ++i) {
            for (unsigned equal = slots.SlotsAfter(drawn.at(i), i); equal != 0;
                 equal &= equal - 1) {
                const auto j = static_cast<std::size_t>(std::countr_zero(equal));
                const std::int16_t redrawn =
                    draws::EntryIndex(scale, draws::CheckedDraw(random.Next()));
                slots.Move(drawn.at(j), redrawn, j);
                drawn.at(j) = redrawn;
                replaced = true;
            }
        }
    }
    return drawn;
}

// An article of three units and its terminating null, as one number.
constexpr std::uint64_t ArticleKey(std::u16string_view article)
{
    return std::bit_cast<std::uint64_t>(
        std::array<char16_t, 4>{article.at(0), article.at(1), article.at(2), u'\0'});
}

// The gender a definite article tells, or NoToldGender for any other article,
// which keeps what the entry had. This runs nine times a verse on randomly drawn
// entries, where string comparisons and branches the processor cannot predict
// showed in profiles: an article of three units is compared as one number, and
// the three results are combined without a branch.
constexpr int NoToldGender = -1;

int ToldGender(const std::u16string& article)
{
    if (article.size() != 3) {
        return NoToldGender;
    }
    // The terminating null is part of the string's storage, so the fourth unit
    // may be read.
    std::uint64_t key = 0;
    std::memcpy(&key, article.c_str(), sizeof(key));
    const int masculine = static_cast<int>(key == ArticleKey(u"der"));
    const int feminine = static_cast<int>(key == ArticleKey(u"die"));
    const int neuter = static_cast<int>(key == ArticleKey(u"das"));
    const int told = masculine | feminine | neuter;
    return (feminine + 2 * neuter) * told + NoToldGender * (1 - told);
}

// Pointers rather than views: a view's default value would have every field
// cleared before it is set, which showed in profiles.
struct SlotText {
    const std::u16string* Article;
    const std::u16string* Noun;
};

struct VerseTexts {
    std::array<SlotText, SlotCount> Slots;
    const std::u16string* Preposition;
    const std::u16string* VerbEnding;
};

// Copies one of the frame's own pieces, whose length is known when compiling:
// only the branch for that length remains, and two possibly overlapping
// fixed-size copies cover every length up to twice their size.
[[gnu::always_inline]] inline char16_t* PutFramePiece(std::u16string_view piece, char16_t* out)
{
    const std::size_t n = piece.size();
    const char16_t* in = piece.data();
    if (n >= 8 && n <= 16) {
        std::memcpy(out, in, 8 * sizeof(char16_t));
        std::memcpy(out + n - 8, in + n - 8, 8 * sizeof(char16_t));
    } else if (n >= 4 && n < 8) {
        std::memcpy(out, in, 4 * sizeof(char16_t));
        std::memcpy(out + n - 4, in + n - 4, 4 * sizeof(char16_t));
    } else if (n >= 2 && n < 4) {
        std::memcpy(out, in, 2 * sizeof(char16_t));
        std::memcpy(out + n - 2, in + n - 2, 2 * sizeof(char16_t));
    } else if (n == 1) {
        *out = *in;
    } else if (n > 16) {
        std::memcpy(out, in, n * sizeof(char16_t));
    }
    return out + n;
}

// Copies a string from the tables or the word list. Its lengths change at
// random from slot to slot, and branching on them cost more in mispredictions
// than the copies themselves: lengths 3 to 15, nearly every article,
// preposition, verb ending and noun, take the same four fixed-size copies,
// placed without a branch. They reach one unit past the string, to its
// terminating null, which lands where the next piece of the verse goes: every
// such string is followed by one.
[[gnu::always_inline]] inline char16_t* PutText(const std::u16string& text, char16_t* out)
{
    constexpr std::size_t Chunk = 4;
    const std::size_t n = text.size();
    const char16_t* in = text.c_str();
    if (n + 1 >= Chunk && n + 1 <= 4 * Chunk) {
        const std::size_t last = n + 1 - Chunk;
        const auto put = [&](std::size_t at) {
            std::memcpy(out + at, in + at, Chunk * sizeof(char16_t));
        };
        put(0);
        put(std::min(Chunk, last));
        put(std::min(2 * Chunk, last));
        put(last);
    } else {
        std::memcpy(out, in, n * sizeof(char16_t));
    }
    return out + n;
}

template <std::size_t K> char16_t* PutSlot(const VerseTexts& texts, char16_t* out)
{
    if constexpr (K == PrepositionSlot) {
        out = PutText(*texts.Preposition, out);
    } else {
        out = PutFramePiece(std::get<K>(Slots).Before, out);
    }
    const SlotText& slot = std::get<K>(texts.Slots);
    out = PutText(*slot.Article, out);
    *out++ = Blank;
    return PutText(*slot.Noun, out);
}

template <std::size_t... K>
char16_t* PutSlots(const VerseTexts& texts, char16_t* out, std::index_sequence<K...> /*slots*/)
{
    ((out = PutSlot<K>(texts, out)), ...);
    return out;
}

constexpr std::size_t FrameLength()
{
    std::size_t length = VerseEnd.size() + SlotCount;
    for (const Slot& slot : Slots) {
        length += slot.Before.size();
    }
    return length;
}

// Grows the text once by the verse's length and fills it in place: appending
// the pieces one by one cost more than all the draws of the verse. The resize
// is what bounds every write, and the only step that can fail; the verse ends
// in a frame piece, so nothing is written past it.
void AppendVerseTexts(std::u16string& text, const VerseTexts& texts)
{
    std::size_t length = FrameLength() + texts.Preposition->size() + texts.VerbEnding->size();
    for (const SlotText& slot : texts.Slots) {
        length += slot.Article->size() + slot.Noun->size();
    }
    const std::size_t start = text.size();
    text.resize(start + length);
    char16_t* out = PutSlots(texts, text.data() + start, std::make_index_sequence<SlotCount>());
    out = PutText(*texts.VerbEnding, out);
    PutFramePiece(VerseEnd, out);
}

} // namespace

void ComposeVerse(GeneratorState& state, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex ||
        static_cast<std::size_t>(state.LastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("too few entries to compose a verse");
    }
    random.Reseed();
    const DrawnEntries drawn =
        DrawDifferentEntries(draws::EntryScale(state.LastEntryIndex), random);
    LaterDraws later{};
    random.NextValues(later);

    // Every check comes before the state changes, so a broken draw or code
    // leaves genders and text as they were. The nine entries differ, so each
    // slot's gender is the one its own article tells, or else the entry's.
    const draws::KindThresholdTable& kindThresholds = draws::KindThresholds();
    std::array<int, SlotCount> told{};
    VerseTexts texts;
    for (std::size_t k = 0; k < SlotCount; ++k) {
        const auto entry = static_cast<std::size_t>(drawn.at(k));
        const WordEntry& word = state.WordList.at(entry);
        told.at(k) = ToldGender(word.Article);
        const Gender known = state.EntryGenders.at(entry);
        const Gender gender = told.at(k) == NoToldGender ? known : static_cast<Gender>(told.at(k));
        const ArticleKind kind =
            draws::Kind(draws::CheckedDraw(later.at(KindDraw(k))), kindThresholds);
        texts.Slots.at(k) = {&tables::ArticleAt(state, gender, Slots.at(k).Case, kind), &word.Noun};
    }
    texts.Preposition =
        &Preposition(state, draws::PrepositionIndex(draws::CheckedDraw(later.at(PrepositionDraw))));
    texts.VerbEnding =
        &VerbEnding(state, draws::VerbEndingIndex(draws::CheckedDraw(later.at(VerbEndingDraw))));
    AppendVerseTexts(state.VerseText, texts);

    for (std::size_t k = 0; k < SlotCount; ++k) {
        if (told.at(k) != NoToldGender) {
            state.EntryGenders.at(static_cast<std::size_t>(drawn.at(k))) =
                static_cast<Gender>(told.at(k));
        }
    }
}

} // namespace wumpel
