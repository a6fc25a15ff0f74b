// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_writer.h"

#include "cli/write_all.h"

namespace wumpel::cli {

// Below the threshold there is always room for one more fixed-size move.
VerseWriter::VerseWriter(int fd) : m_fd(fd), m_buffer(FlushThreshold + PieceSlack) {}

// A piece too long for what is left is written on its own after the buffer,
// rather than cut: a noun can be as long as the whole input.
void VerseWriter::PutLong(std::string_view bytes)
{
    if (m_used + bytes.size() > m_buffer.size()) {
        Flush();
    }
    if (bytes.size() > m_buffer.size()) {
        WriteAll(m_fd, bytes);
        return;
    }
    std::memcpy(m_buffer.data() + m_used, bytes.data(), bytes.size());
    m_used += bytes.size();
    if (m_used >= FlushThreshold) {
        Flush();
    }
}

void VerseWriter::Flush()
{
    WriteAll(m_fd, std::string_view(m_buffer.data(), m_used));
    m_used = 0;
}

} // namespace wumpel::cli
