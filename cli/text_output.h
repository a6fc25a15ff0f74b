// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace wumpel::cli {

// Writes every byte, retrying after short writes and signals; throws
// std::system_error on failure.
void WriteAll(int fd, std::string_view bytes);

// Writes the engine's text to a file descriptor as UTF-8 with LF line breaks,
// through one buffer of fixed size: memory stays the same however long a verse
// is, and a million verses cost a few thousand system calls. A failed write
// throws std::system_error.
class TextOutput {
public:
    explicit TextOutput(int fd);

    void Write(std::u16string_view text);

    // Whatever is still buffered is lost unless Flush() ran: a destructor
    // cannot report a failed write.
    void Flush();

private:
    int m_fd;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

} // namespace wumpel::cli
