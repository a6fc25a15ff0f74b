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
// conversion per verse, and the bytes are those of the window's text converted
// as a whole: no piece of a verse ends inside a CR LF or a surrogate pair,
// since every drawn piece is followed by one that starts with a blank or a
// line break, and the word list the tool reads holds no lone LF.
class VerseBytes {
public:
    // From the tables and the entries 0..LastEntryIndex of state.
    explicit VerseBytes(const GeneratorState& state);

    // Throws std::out_of_range for a plan not drawn from such a state.
    void Write(const VersePlan& plan, VerseWriter& writer) const;

private:
    struct Piece {
        std::size_t Offset = 0;
        std::size_t Size = 0;
    };

    Piece Add(std::u16string_view text);
    std::string_view Bytes(Piece piece) const;

    friend class PieceWriter;

    // All pieces one after another, followed by the slack VerseWriter may read.
    std::vector<char> m_pool;
    std::array<Piece, VerseSlotCount> m_leads{};
    Piece m_blank;
    Piece m_end;
    std::array<Piece, ArticleCellCount> m_articles{};
    std::array<Piece, PrepositionCount> m_prepositions{};
    std::array<Piece, VerbEndingCount> m_verbEndings{};
    std::vector<Piece> m_nouns;
};

} // namespace wumpel::cli
