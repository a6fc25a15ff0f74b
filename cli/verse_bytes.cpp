// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_bytes.h"

#include "cli/utf8.h"
#include "engine/verse_layout.h"

#include <array>
#include <span>
#include <string>

namespace wumpel::cli {

class PieceWriter {
public:
    PieceWriter(const VerseBytes& bytes, VerseWriter& writer) : m_bytes(bytes), m_cursor(writer) {}

    void Opening() { Put(m_bytes.m_opening); }
    void Preposition(std::size_t index) { Put(m_bytes.m_prepositions.at(index)); }
    void Article(std::size_t cell) { Put(m_bytes.m_articles.at(cell)); }
    template <std::size_t Slot> void Noun(std::size_t entry)
    {
        const VerseBytes::NounPieces& noun = m_bytes.m_nouns.at(entry);
        Put(std::get<Slot>(noun.InSlot));
        if (noun.TailApart) [[unlikely]] {
            Put(std::get<Slot>(m_bytes.m_nounTails));
        }
    }
    void VerbEnding(std::size_t index) { Put(m_bytes.m_verbEndings.at(index)); }

private:
    void Put(VerseBytes::Piece piece) { m_cursor.PutPadded(m_bytes.Bytes(piece)); }

    const VerseBytes& m_bytes;
    VerseWriter::Cursor m_cursor;
};

VerseBytes::VerseBytes(const GeneratorState& state)
{
    m_opening = Add(VerseOpening);
    for (std::size_t cell = 0; cell < ArticleCellCount; ++cell) {
        m_articles.at(cell) = Add(state.ArticleTable.at(cell), ArticleTail);
    }
    for (std::size_t index = 0; index < PrepositionCount; ++index) {
        m_prepositions.at(index) = Add(state.Prepositions.at(index));
    }
    for (std::size_t index = 0; index < VerbEndingCount; ++index) {
        m_verbEndings.at(index) = Add(state.VerbEndings.at(index), VerseEnd);
    }
    for (std::size_t slot = 0; slot < VerseSlotCount; ++slot) {
        m_nounTails.at(slot) = Add(NounTails.at(slot));
    }
    const auto entryCount = static_cast<std::size_t>(state.LastEntryIndex) + 1;
    for (std::size_t entry = 0; entry < entryCount && entry < WordListCapacity; ++entry) {
        const std::u16string& noun = state.WordList.at(entry).Noun;
        NounPieces pieces;
        pieces.TailApart = noun.size() > LongestJoinedNoun;
        if (pieces.TailApart) {
            pieces.InSlot.fill(Add(noun));
        } else {
            for (std::size_t slot = 0; slot < VerseSlotCount; ++slot) {
                pieces.InSlot.at(slot) = Add(noun, NounTails.at(slot));
            }
        }
        m_nouns.push_back(pieces);
    }
    m_pool.resize(m_pool.size() + VerseWriter::PieceSlack);
}

// The text and its tail encoded as one, as they stand in the verse.
VerseBytes::Piece VerseBytes::Add(std::u16string_view text, std::u16string_view tail)
{
    std::u16string joined(text);
    joined += tail;
    const Piece piece{m_pool.size(), 0};
    m_pool.resize(piece.Offset + joined.size() * MaxUtf8BytesPerUnit);
    const std::size_t size = EncodeUtf8WithLf(joined, std::span(m_pool).subspan(piece.Offset));
    m_pool.resize(piece.Offset + size);
    return {piece.Offset, size};
}

std::string_view VerseBytes::Bytes(Piece piece) const
{
    return {m_pool.data() + piece.Offset, piece.Size};
}

void VerseBytes::Write(const VersePlan& plan, VerseWriter& writer) const
{
    PieceWriter pieces(*this, writer);
    LayOutVerse(plan, pieces);
}

} // namespace wumpel::cli
