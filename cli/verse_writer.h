// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace wumpel::cli {

// Writes bytes to a file descriptor through one fixed buffer: memory stays the
// same however much is written, and a million small verses cost a few
// thousand system calls. A failed write throws std::system_error.
class VerseWriter {
public:
    // How far past the start of a piece its storage must stay readable.
    static constexpr std::size_t PieceSlack = 32;

    explicit VerseWriter(int fd);
    VerseWriter(const VerseWriter&) = delete;
    VerseWriter(VerseWriter&&) = delete;
    VerseWriter& operator=(const VerseWriter&) = delete;
    VerseWriter& operator=(VerseWriter&&) = delete;
    // Whatever is still buffered is lost unless Flush() ran: a destructor cannot
    // report a failed write.
    ~VerseWriter() = default;

    // Appends bytes whose storage stays readable for PieceSlack bytes from their
    // start, as VerseBytes keeps it. A verse is some thirty short pieces, so a
    // short one is copied as one fixed-size move, without a call or a branch on
    // its length; whatever the move takes beyond the piece is overwritten by the
    // next one or never sent.
    void PutPadded(std::string_view bytes)
    {
        if (bytes.size() <= PieceSlack && m_used < FlushThreshold) {
            std::memcpy(m_buffer.data() + m_used, bytes.data(), PieceSlack);
            m_used += bytes.size();
            return;
        }
        PutLong(bytes);
    }

    void Flush();

private:
    static constexpr std::size_t FlushThreshold = std::size_t{1} << 16U;

    void PutLong(std::string_view bytes);

    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

} // namespace wumpel::cli
