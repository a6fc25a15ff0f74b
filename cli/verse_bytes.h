// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/verse_writer.h"
#include "engine/generator_state.h"
#include "engine/verse_composer.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace wumpel::cli {

// Every piece the verses of one word list can be made of, as UTF-8 with LF line
// breaks, encoded once. Writing a verse is then copying its pieces, with no
// conversion per verse.
//
// Each drawn piece is kept joined to the verse text that follows it, so that a
// verse is some twenty pieces instead of nearly forty: an article with its
// blank, a verb ending with the verse's end, and a noun with what follows it in
// each slot. A long noun is kept once and its tail written after it, so a word
// list of long nouns is not held nine times over.
//
// The bytes are those of the window's text converted as a whole, as no piece
// ends inside a CR LF or a surrogate pair: a piece ends in the verse's own
// text, which ends in a blank or a line break, or right before a drawn piece
// that starts with a blank, and the word list the tool reads holds no lone LF.
class VerseBytes {
public:
    // From the tables and the entries 0..LastEntryIndex of state.
    explicit VerseBytes(const GeneratorState& state);

    // Throws std::out_of_range for a plan not drawn from such a state.
    void Write(const VersePlan& plan, VerseWriter& writer) const;

    // The longest noun, in UTF-16 units, kept once for every slot with its tail.
    static constexpr std::size_t LongestJoinedNoun = 64;

private:
    struct Piece {
        std::size_t Offset = 0;
        std::size_t Size = 0;
    };

    // One entry's noun for each slot: with the slot's tail, or, when TailApart,
    // the noun alone.
    struct NounPieces {
        std::array<Piece, VerseSlotCount> InSlot{};
        bool TailApart = false;
    };

    Piece Add(std::u16string_view text, std::u16string_view tail = {});
    std::string_view Bytes(Piece piece) const;

    friend class PieceWriter;

    // All pieces one after another, followed by the slack VerseWriter may read.
    std::vector<char> m_pool;
    Piece m_opening;
    std::array<Piece, ArticleCellCount> m_articles{};
    std::array<Piece, PrepositionCount> m_prepositions{};
    std::array<Piece, VerbEndingCount> m_verbEndings{};
    std::array<Piece, VerseSlotCount> m_nounTails{};
    std::vector<NounPieces> m_nouns;
};

} // namespace wumpel::cli
