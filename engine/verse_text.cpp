// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "engine/verse_text.h"

#include "engine/verse_layout.h"
#include "engine/word_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace wumpel {
namespace {

// Copies one of the frame's own pieces, whose length is known when compiling:
// only the branch for that length remains, and two possibly overlapping
// fixed-size copies cover every length up to twice their size.
[[gnu::always_inline]] inline char16_t* PutFramePiece(std::u16string_view piece, char16_t* out)
{
    const std::size_t n = piece.size();
    const char16_t* in = piece.data();
    if (n > 16 && n <= 32) {
        std::memcpy(out, in, 16 * sizeof(char16_t));
        std::memcpy(out + n - 16, in + n - 16, 16 * sizeof(char16_t));
    } else if (n >= 8 && n <= 16) {
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
    } else if (n > 32) {
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

// Copies an article from the tables: lengths 3 to 7, which hold every article
// but the empty one, take the same two possibly overlapping 8-byte copies,
// reaching to the terminating null as PutText does.
[[gnu::always_inline]] inline char16_t* PutArticle(const std::u16string& text, char16_t* out)
{
    constexpr std::size_t Chunk = 4;
    const std::size_t n = text.size();
    const char16_t* in = text.c_str();
    if (n + 1 >= Chunk && n + 1 <= 2 * Chunk) {
        std::memcpy(out, in, Chunk * sizeof(char16_t));
        std::memcpy(out + n + 1 - Chunk, in + n + 1 - Chunk, Chunk * sizeof(char16_t));
        return out + n;
    }
    return PutText(text, out);
}

// The verse's own text between the drawn pieces: the same length for every verse.
constexpr std::size_t FrameLength()
{
    std::size_t length =
        VerseOpening.size() + VerseSlotCount * ArticleTail.size() + VerseEnd.size();
    for (const std::u16string_view tail : NounTails) {
        length += tail.size();
    }
    return length;
}

// A verse's drawn strings in the order the layout asks for them, each looked up
// and checked against its table's bounds once, and the length of the verse
// they make with the frame's constant text.
class PieceCollector {
public:
    // Nine articles, nine nouns, the preposition and the verb ending.
    static constexpr std::size_t PieceCount = 2 * VerseSlotCount + 2;

    explicit PieceCollector(const GeneratorState& state) : m_state(state) {}

    void Opening() {}
    void Preposition(std::size_t index) { Add(wumpel::Preposition(m_state, index)); }
    void Article(std::size_t cell) { Add(m_state.ArticleTable.at(cell)); }
    template <std::size_t Slot> void Noun(std::size_t entry)
    {
        Add(m_state.WordList.at(entry).Noun);
    }
    void VerbEnding(std::size_t index) { Add(wumpel::VerbEnding(m_state, index)); }

    const std::u16string& Piece(std::size_t k) const { return *m_pieces.at(k); }
    std::size_t Length() const { return m_length; }

private:
    void Add(const std::u16string& piece)
    {
        m_pieces.at(m_count++) = &piece;
        m_length += piece.size();
    }

    const GeneratorState& m_state;
    std::array<const std::u16string*, PieceCount> m_pieces{};
    std::size_t m_count = 0;
    std::size_t m_length = FrameLength();
};

// Writes into room the collector measured, taking the collected pieces in turn:
// the layout calls it in the very order it called the collector, so the
// indices it passes are already looked up. The verse ends in a frame piece, so
// PutText's one unit past a string never leaves that room.
class UnitWriter {
public:
    UnitWriter(const PieceCollector& pieces, char16_t* out) : m_pieces(pieces), m_out(out) {}

    void Opening() { m_out = PutFramePiece(VerseOpening, m_out); }
    void Preposition(std::size_t /*index*/) { m_out = PutText(Next(), m_out); }
    void Article(std::size_t /*cell*/)
    {
        m_out = PutFramePiece(ArticleTail, PutArticle(Next(), m_out));
    }
    template <std::size_t Slot> void Noun(std::size_t /*entry*/)
    {
        m_out = PutFramePiece(std::get<Slot>(NounTails), PutText(Next(), m_out));
    }
    void VerbEnding(std::size_t /*index*/)
    {
        m_out = PutFramePiece(VerseEnd, PutText(Next(), m_out));
    }

private:
    const std::u16string& Next() { return m_pieces.Piece(m_next++); }

    const PieceCollector& m_pieces;
    char16_t* m_out;
    std::size_t m_next = 0;
};

} // namespace

// Grows the text once by the verse's length and fills it in place: appending
// the pieces one by one cost more than all the draws of the verse. Measuring
// first also makes every lookup pass its bounds check before text changes.
void AppendVerseText(std::u16string& text, const GeneratorState& state, const VersePlan& plan)
{
    PieceCollector pieces(state);
    LayOutVerse(plan, pieces);
    const std::size_t start = text.size();
    text.resize(start + pieces.Length());
    UnitWriter writer(pieces, text.data() + start);
    LayOutVerse(plan, writer);
}

} // namespace wumpel
