// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace wumpel::cli {

// Writes every byte, retrying after short writes and signals; throws
// std::system_error on failure.
void WriteAll(int fd, std::string_view bytes);

// The tool's output buffer. The engine composes its verses straight into
// Text(), and they go out to the file descriptor as files hold text: the
// engine's UTF-8 as it is, each CR LF as LF. One buffer serves the whole run,
// so a million verses cost a few thousand system calls and no allocation
// once it has grown. A failed write throws std::system_error.
class TextOutput {
public:
    explicit TextOutput(int fd);

    // UTF-8 with CR LF line breaks, appended in whole lines.
    std::string& Text() { return m_text; }

    // Writes Text() out once it holds enough to be worth a system call.
    void WriteWhenFull();

    // Whatever is still buffered is lost unless Flush() ran: a destructor
    // cannot report a failed write.
    void Flush();

private:
    int m_fd;
    std::string m_text;
};

} // namespace wumpel::cli
