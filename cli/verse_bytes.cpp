// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_bytes.h"

#include "cli/utf8.h"
#include "engine/verse_layout.h"

#include <span>

namespace wumpel::cli {

class PieceWriter {
public:
    PieceWriter(const VerseBytes& bytes, VerseWriter& writer) : m_bytes(bytes), m_cursor(writer) {}

    void Lead(std::size_t slot) { Put(m_bytes.m_leads.at(slot)); }
    void Preposition(std::size_t index) { Put(m_bytes.m_prepositions.at(index)); }
    void Article(std::size_t cell) { Put(m_bytes.m_articles.at(cell)); }
    void Blank() { Put(m_bytes.m_blank); }
    void Noun(std::size_t entry) { Put(m_bytes.m_nouns.at(entry)); }
    void VerbEnding(std::size_t index) { Put(m_bytes.m_verbEndings.at(index)); }
    void End() { Put(m_bytes.m_end); }

private:
    void Put(VerseBytes::Piece piece) { m_cursor.PutPadded(m_bytes.Bytes(piece)); }

    const VerseBytes& m_bytes;
    VerseWriter::Cursor m_cursor;
};

VerseBytes::VerseBytes(const GeneratorState& state)
{
    for (std::size_t slot = 0; slot < VerseSlotCount; ++slot) {
        m_leads.at(slot) = Add(SlotLeads.at(slot));
    }
    m_blank = Add(u" ");
    m_end = Add(VerseEnd);
    for (std::size_t cell = 0; cell < ArticleCellCount; ++cell) {
        m_articles.at(cell) = Add(state.ArticleTable.at(cell));
    }
    for (std::size_t index = 0; index < PrepositionCount; ++index) {
        m_prepositions.at(index) = Add(state.Prepositions.at(index));
    }
    for (std::size_t index = 0; index < VerbEndingCount; ++index) {
        m_verbEndings.at(index) = Add(state.VerbEndings.at(index));
    }
    const auto entryCount = static_cast<std::size_t>(state.LastEntryIndex) + 1;
    for (std::size_t entry = 0; entry < entryCount && entry < WordListCapacity; ++entry) {
        m_nouns.push_back(Add(state.WordList.at(entry).Noun));
    }
    m_pool.resize(m_pool.size() + VerseWriter::PieceSlack);
}

VerseBytes::Piece VerseBytes::Add(std::u16string_view text)
{
    const Piece piece{m_pool.size(), 0};
    m_pool.resize(piece.Offset + text.size() * MaxUtf8BytesPerUnit);
    const std::size_t size = EncodeUtf8WithLf(text, std::span(m_pool).subspan(piece.Offset));
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
