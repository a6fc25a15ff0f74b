// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/verse_draws_inline.h"
#include "engine/verse_layout.h"
#include "engine/verse_text.h"
#include "engine/word_tables_inline.h"

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

constexpr std::size_t SlotCount = VerseSlotCount;

constexpr std::array<GrammaticalCase, SlotCount> SlotCases = {
    GrammaticalCase::Nominative, GrammaticalCase::Dative, GrammaticalCase::Accusative,
    GrammaticalCase::Nominative, GrammaticalCase::Dative, GrammaticalCase::Accusative,
    GrammaticalCase::Nominative, GrammaticalCase::Dative, GrammaticalCase::Nominative,
};

// The draws that follow the entries', in their fixed order: one kind per slot,
// slot 7's preposition just before its kind, and the verb ending last.
constexpr std::size_t LaterDrawCount = SlotCount + 2;
constexpr std::size_t PrepositionDraw = PrepositionSlot;
constexpr std::size_t VerbEndingDraw = LaterDrawCount - 1;
using LaterDraws = std::array<Draw, LaterDrawCount>;

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

    static unsigned Bit(std::size_t slot) { return 1U << slot; }

    // The slots holding the entry, this one included.
    unsigned Add(std::int16_t entry, std::size_t slot)
    {
        Slots& slots = m_slots.at(static_cast<std::size_t>(entry));
        slots = static_cast<Slots>(slots | Bit(slot));
        return slots;
    }

    // The slots still holding the entry.
    unsigned Remove(std::int16_t entry, std::size_t slot)
    {
        Slots& slots = m_slots.at(static_cast<std::size_t>(entry));
        slots = static_cast<Slots>(slots & ~Bit(slot));
        return slots;
    }

    unsigned SlotsAfter(std::int16_t entry, std::size_t slot) const
    {
        return m_slots.at(static_cast<std::size_t>(entry)) & (~0U << (slot + 1));
    }

private:
    // Sixteen bits per entry keep the array small enough to be cleared without
    // a string instruction, whose start-up cost showed in profiles.
    std::array<Slots, WordListCapacity> m_slots{};
};

// Of the slots holding one entry, those a later slot repeats: all but the last.
// The last is found without a branch, as this runs twice for every
// replacement; OR-ing in 1 leaves the last alone and keeps the count of leading
// zeros defined for an empty set.
unsigned RepeatedSlots(unsigned slots)
{
    constexpr unsigned HighestBit = 1U << 31U;
    return slots & ~(HighestBit >> std::countl_zero(slots | 1U));
}

// Passes over all pairs i < j until one finds no equal pair, as the rule has
// it: a replacement is drawn as soon as slot j is found equal to slot i, later
// comparisons see it, and any replacement calls for another pass even if it
// drew the same index again. The slots equal to slot i can be gathered before
// replacing any of them, since replacing slot j changes no other comparison
// with slot i.
//
// A pass finds something only in the slots i whose entry a later slot holds
// too, so it goes straight from one such slot to the next instead of looking at
// every slot: looking at each took a branch per slot that the processor could
// not predict, as duplicates fall at random. Those slots are kept as a mask in a
// local, updated with each replacement. Once it is empty all nine slots differ,
// and every pass after would find nothing and draw nothing, so the work stops:
// the draws are the rule's, without the closing pass that only confirms them.
DrawnEntries DrawDifferentEntries(draws::EntryScale scale, RandomSource& random)
{
    std::array<Draw, SlotCount> values{};
    random.NextValues(values);
    DrawnEntries drawn{};
    SlotsByEntry slots;
    unsigned repeated = 0;
    // From the last slot back, a slot whose entry is held already is repeated
    // by a later one.
    for (std::size_t k = SlotCount; k-- > 0;) {
        drawn.at(k) = draws::EntryIndex(scale, draws::CheckedDraw(values.at(k)));
        const unsigned holding = slots.Add(drawn.at(k), k);
        repeated |= static_cast<unsigned>(holding != SlotsByEntry::Bit(k)) << k;
    }
    while (repeated != 0) {
        for (unsigned rows = repeated; rows != 0;) {
            const auto i = static_cast<std::size_t>(std::countr_zero(rows));
            for (unsigned equal = slots.SlotsAfter(drawn.at(i), i); equal != 0;
                 equal &= equal - 1) {
                const auto j = static_cast<std::size_t>(std::countr_zero(equal));
                const std::int16_t redrawn =
                    draws::EntryIndex(scale, draws::CheckedDraw(random.Next()));
                const unsigned left = slots.Remove(drawn.at(j), j);
                repeated = (repeated & ~(left | SlotsByEntry::Bit(j))) | RepeatedSlots(left);
                // Joining only adds to the slots repeated: a slot repeated before
                // still is, by the slot after it that repeated it.
                repeated |= RepeatedSlots(slots.Add(redrawn, j));
                drawn.at(j) = redrawn;
            }
            // Slots up to i that are repeated now wait for the next pass.
            rows = repeated & (~0U << (i + 1));
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
// showed in profiles: an article of three units is read as one number, and
// compared only with the one definite article it could be.
constexpr int NoToldGender = -1;

struct DefiniteArticle {
    std::uint64_t Key;
    int Told;
};

// Bits 2 and 3 of the second unit tell "das", "der" and "die" apart (a, e, i),
// so they are the place of each in this table.
constexpr std::size_t DefinitePlace(std::uint64_t key)
{
    return (key >> 18U) & 3U;
}

constexpr std::array<DefiniteArticle, 4> DefiniteArticles = {{
    {ArticleKey(u"das"), static_cast<int>(Gender::Neuter)},
    {ArticleKey(u"der"), static_cast<int>(Gender::Masculine)},
    {ArticleKey(u"die"), static_cast<int>(Gender::Feminine)},
    {0, NoToldGender},
}};

static_assert(DefinitePlace(ArticleKey(u"das")) == 0 && DefinitePlace(ArticleKey(u"der")) == 1 &&
              DefinitePlace(ArticleKey(u"die")) == 2);

int ToldGender(const std::u16string& article)
{
    if (article.size() != 3) {
        return NoToldGender;
    }
    // The terminating null is part of the string's storage, so the fourth unit
    // may be read.
    std::uint64_t key = 0;
    std::memcpy(&key, article.c_str(), sizeof(key));
    const DefiniteArticle& candidate = DefiniteArticles.at(DefinitePlace(key));
    return key == candidate.Key ? candidate.Told : NoToldGender;
}

// Left uninitialised: every slot fills its own, and clearing them first took a
// string instruction whose start-up cost showed in profiles.
struct SlotChoices {
    std::array<Gender, SlotCount> Genders;
    std::array<std::size_t, SlotCount> Cells;
};

// The entries differ, so a slot's gender is the one its own article tells, or
// else the one the entry has. Written out slot by slot, so that each slot's case
// and kind draw are constants and their checks fold away.
template <std::size_t Slot>
[[gnu::always_inline]] inline void
ChooseArticle(const GeneratorState& state, const DrawnEntries& entries, const LaterDraws& later,
              const draws::KindThresholdTable& kindThresholds, SlotChoices& choices)
{
    const auto entry = static_cast<std::size_t>(std::get<Slot>(entries));
    const int told = ToldGender(state.WordList.at(entry).Article);
    const Gender known = state.EntryGenders.at(entry);
    const Gender gender = told == NoToldGender ? known : static_cast<Gender>(told);
    const ArticleKind kind = draws::Kind(std::get<KindDraw(Slot)>(later), kindThresholds);
    std::get<Slot>(choices.Genders) = gender;
    std::get<Slot>(choices.Cells) =
        tables::ArticleCell(tables::CodeIndex(gender), tables::CodeIndex(std::get<Slot>(SlotCases)),
                            tables::CodeIndex(kind));
}

template <std::size_t... Slot>
[[gnu::always_inline]] inline SlotChoices
ChooseArticles(const GeneratorState& state, const DrawnEntries& entries, const LaterDraws& later,
               std::index_sequence<Slot...> /*slots*/)
{
    const draws::KindThresholdTable& kindThresholds = draws::KindThresholds();
    SlotChoices choices; // NOLINT(cppcoreguidelines-pro-type-member-init): every slot fills its own
    (ChooseArticle<Slot>(state, entries, later, kindThresholds, choices), ...);
    return choices;
}

} // namespace

VersePlan DrawVerse(const GeneratorState& state, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex ||
        static_cast<std::size_t>(state.LastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("too few entries to compose a verse");
    }
    random.Reseed();
    const DrawnEntries entries =
        DrawDifferentEntries(draws::EntryScale(state.LastEntryIndex), random);
    LaterDraws later{};
    random.NextValues(later);
    draws::CheckDraws(later);

    const SlotChoices choices =
        ChooseArticles(state, entries, later, std::make_index_sequence<SlotCount>());
    return VersePlan{
        entries,
        choices.Genders,
        choices.Cells,
        draws::PrepositionIndex(std::get<PrepositionDraw>(later)),
        draws::VerbEndingIndex(std::get<VerbEndingDraw>(later)),
    };
}

// Writing back the gender each slot was declined with changes only the entries
// whose article told one: the others get the gender they already had. Doing it
// for all nine spares a branch per slot.
void LearnGenders(GeneratorState& state, const VersePlan& plan)
{
    for (std::size_t k = 0; k < SlotCount; ++k) {
        state.EntryGenders.at(static_cast<std::size_t>(plan.Entries.at(k))) = plan.Genders.at(k);
    }
}

// Every check is made while drawing and measuring, before the state changes,
// so a broken draw or code leaves genders and text as they were.
void ComposeVerse(GeneratorState& state, RandomSource& random)
{
    const VersePlan plan = DrawVerse(state, random);
    AppendVerseText(state.VerseText, state, plan);
    LearnGenders(state, plan);
}

} // namespace wumpel
