// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_writer.h"

#include "cli/utf8.h"
#include "cli/write_all.h"

#include <span>

namespace wumpel::cli {
namespace {

// Units encoded at a time; the buffer holds the worst case of one such piece
// on top of a nearly full buffer.
constexpr std::size_t PieceUnits = std::size_t{1} << 14U;
constexpr std::size_t FlushThreshold = std::size_t{1} << 16U;
constexpr std::size_t BufferSize = FlushThreshold + PieceUnits * MaxUtf8BytesPerUnit;

// A piece must not end between the CR and LF of a line break or between the
// halves of a surrogate pair, as each piece is encoded on its own.
std::size_t PieceLength(std::u16string_view text)
{
    if (text.size() <= PieceUnits) {
        return text.size();
    }
    const char16_t last = text[PieceUnits - 1];
    const bool splitsPair = last == u'\r' || (last >= 0xD800 && last <= 0xDBFF);
    return splitsPair ? PieceUnits - 1 : PieceUnits;
}

} // namespace

VerseWriter::VerseWriter(int fd) : m_fd(fd), m_buffer(BufferSize) {}

void VerseWriter::Write(std::u16string_view text)
{
    while (!text.empty()) {
        const std::size_t length = PieceLength(text);
        m_used += EncodeUtf8WithLf(text.substr(0, length), std::span(m_buffer).subspan(m_used));
        text.remove_prefix(length);
        if (m_used >= FlushThreshold) {
            Flush();
        }
    }
}

void VerseWriter::Flush()
{
    WriteAll(m_fd, std::string_view(m_buffer.data(), m_used));
    m_used = 0;
}

} // namespace wumpel::cli
