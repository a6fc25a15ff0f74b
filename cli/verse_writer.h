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

    // Appends many pieces in a row, each of whose storage stays readable for
    // PieceSlack bytes from its start, as VerseBytes keeps them. A verse is some
    // thirty short pieces: a short one is copied as one fixed-size move, without
    // a call or a branch on its length, and whatever the move takes beyond the
    // piece is overwritten by the next one or never sent. The position in the
    // buffer lives in the cursor while it is used: kept in the writer, every
    // byte stored would make it be read again from memory. Only one cursor at a
    // time; what it put counts once it is gone.
    class Cursor {
    public:
        explicit Cursor(VerseWriter& writer)
            : m_writer(writer), m_out(writer.m_buffer.data() + writer.m_used),
              m_limit(writer.m_buffer.data() + FlushThreshold)
        {
        }
        Cursor(const Cursor&) = delete;
        Cursor(Cursor&&) = delete;
        Cursor& operator=(const Cursor&) = delete;
        Cursor& operator=(Cursor&&) = delete;
        ~Cursor() { Commit(); }

        void PutPadded(std::string_view bytes)
        {
            if (bytes.size() <= PieceSlack && m_out < m_limit) {
                std::memcpy(m_out, bytes.data(), PieceSlack);
                m_out += bytes.size();
                return;
            }
            Commit();
            m_writer.PutLong(bytes);
            m_out = m_writer.m_buffer.data() + m_writer.m_used;
        }

    private:
        void Commit()
        {
            m_writer.m_used = static_cast<std::size_t>(m_out - m_writer.m_buffer.data());
        }

        VerseWriter& m_writer;
        char* m_out;
        char* m_limit;
    };

    void Flush();

private:
    static constexpr std::size_t FlushThreshold = std::size_t{1} << 16U;

    void PutLong(std::string_view bytes);

    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

} // namespace wumpel::cli
