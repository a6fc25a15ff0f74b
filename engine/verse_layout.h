// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The order in which a verse's pieces follow each other, written once for every
// writer of verses. The verse's own text sits between the drawn pieces, and
// each drawn piece is handed to the writer with the text that follows it up to
// the next drawn piece, so that a writer keeping pieces ready-made can write a
// verse as few of them:
//
//   Wenn A0 N0 mit A1 N1 über A2 N2 springt
//   und A3 N3 in A4 N4 A5 N5 verschlingt,
//   dann A6 N6 P A7 N7 als A8 N8 V
//
// A writer has, called in verse order:
//   Opening()               VerseOpening
//   Preposition(index)      the drawn preposition, which is slot 7's lead
//   Article(cell)           the article and ArticleTail
//   Noun<Slot>(entry)       the noun and NounTails[Slot]
//   VerbEnding(index)       the verb ending and VerseEnd

#include "engine/verse_composer.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace wumpel {

// Slot 7's lead is the drawn preposition.
inline constexpr std::size_t PrepositionSlot = 7;

inline constexpr std::u16string_view VerseOpening = u"Wenn ";

inline constexpr std::u16string_view ArticleTail = u" ";

// What follows each slot's noun up to the next drawn piece: nothing before the
// preposition and before the verb ending.
inline constexpr std::array<std::u16string_view, VerseSlotCount> NounTails = {
    u" mit ", u" über ", u" springt\r\nund ", u" in ", u" ", u" verschlingt,\r\ndann ", u"",
    u" als ", u"",
};

inline constexpr std::u16string_view VerseEnd = u"\r\n\r\n";

namespace layout {

template <std::size_t Slot, typename Writer>
[[gnu::always_inline]] inline void LayOutSlot(const VersePlan& plan, Writer& writer)
{
    if constexpr (Slot == PrepositionSlot) {
        writer.Preposition(plan.Preposition);
    }
    writer.Article(std::get<Slot>(plan.ArticleCells));
    writer.template Noun<Slot>(static_cast<std::size_t>(std::get<Slot>(plan.Entries)));
}

template <typename Writer, std::size_t... Slot>
[[gnu::always_inline]] inline void LayOutSlots(const VersePlan& plan, Writer& writer,
                                               std::index_sequence<Slot...> /*slots*/)
{
    (LayOutSlot<Slot>(plan, writer), ...);
}

} // namespace layout

// Written out slot by slot, so a writer sees each slot as a constant, and
// inlined whole, so a writer can keep its position in a register.
template <typename Writer>
[[gnu::always_inline]] inline void LayOutVerse(const VersePlan& plan, Writer& writer)
{
    writer.Opening();
    layout::LayOutSlots(plan, writer, std::make_index_sequence<VerseSlotCount>());
    writer.VerbEnding(plan.VerbEnding);
}

} // namespace wumpel
