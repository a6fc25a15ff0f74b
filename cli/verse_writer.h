// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace wumpel::cli {

// Writes engine text to a file descriptor as UTF-8 with LF line breaks, through
// one fixed buffer: memory stays the same however much is written, and a
// million small verses cost a few hundred system calls. A failed write throws
// std::system_error.
class VerseWriter {
public:
    explicit VerseWriter(int fd);
    VerseWriter(const VerseWriter&) = delete;
    VerseWriter(VerseWriter&&) = delete;
    VerseWriter& operator=(const VerseWriter&) = delete;
    VerseWriter& operator=(VerseWriter&&) = delete;
    // Whatever is still buffered is lost unless Flush() ran: a destructor cannot
    // report a failed write.
    ~VerseWriter() = default;

    // text must not end inside a CR LF or a surrogate pair (a verse never does).
    void Write(std::u16string_view text);
    void Flush();

private:
    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

} // namespace wumpel::cli
