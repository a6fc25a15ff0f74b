// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_composer.h"

#include "engine/equal_pairs.h"
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
#include <typeinfo>
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

// Passes over all pairs until one finds no equal pair, as the rule has it: an
// equal pair gets slot j a newly drawn entry at once, the comparisons after it
// see that entry, and any replacement calls for another pass, even one that
// drew the same index again. A pass with no replacement finds every equal pair
// there is, so the passes end as soon as none is left, wherever the last pass
// was.
template <typename Source>
DrawnEntries ReplaceDuplicates(const DrawnEntries& drawn, draws::EntryScale scale, Source& random)
{
    EqualPairs pairs(drawn);
    unsigned next = 0;
    while (pairs.Any()) {
        const unsigned pair = pairs.From(next);
        const std::int16_t entry = draws::EntryIndex(scale, draws::CheckedDraw(random.Next()));
        pairs.Replace(pair, static_cast<std::uint32_t>(entry));
        next = pair + 1;
    }
    return pairs.Entries();
}

template <typename Source>
DrawnEntries DrawDifferentEntries(draws::EntryScale scale, Source& random)
{
    std::array<Draw, SlotCount> values{};
    random.NextValues(values);
    DrawnEntries drawn{};
    for (std::size_t k = 0; k < SlotCount; ++k) {
        drawn.at(k) = draws::EntryIndex(scale, draws::CheckedDraw(values.at(k)));
    }
    return ReplaceDuplicates(drawn, scale, random);
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
[[gnu::always_inline]] inline void ChooseArticle(const GeneratorState& state,
                                                 const DrawnEntries& entries,
                                                 const LaterDraws& later, SlotChoices& choices)
{
    const auto entry = static_cast<std::size_t>(std::get<Slot>(entries));
    const int told = ToldGender(state.WordList.at(entry).Article);
    const Gender known = state.EntryGenders.at(entry);
    const Gender gender = told == NoToldGender ? known : static_cast<Gender>(told);
    const ArticleKind kind = draws::Kind(std::get<KindDraw(Slot)>(later));
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
    SlotChoices choices; // NOLINT(cppcoreguidelines-pro-type-member-init): every slot fills its own
    (ChooseArticle<Slot>(state, entries, later, choices), ...);
    return choices;
}

template <typename Source> VersePlan DrawVerseFrom(const GeneratorState& state, Source& random)
{
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

} // namespace

VersePlan DrawVerse(const GeneratorState& state, RandomSource& random)
{
    if (state.LastEntryIndex < MinimumLastEntryIndex ||
        static_cast<std::size_t>(state.LastEntryIndex) >= WordListCapacity) {
        throw std::out_of_range("too few entries to compose a verse");
    }
    // The program's own sources are final classes: drawn from as what they
    // are, every draw is inlined, and the generator's state stays in registers
    // for the whole verse instead of being called through the base.
    const std::type_info& type = typeid(random);
    if (type == typeid(SeededRandomSource)) {
        return DrawVerseFrom(state, static_cast<SeededRandomSource&>(random));
    }
    if (type == typeid(ClockRandomSource)) {
        return DrawVerseFrom(state, static_cast<ClockRandomSource&>(random));
    }
    return DrawVerseFrom(state, random);
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
