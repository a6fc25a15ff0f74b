// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/text_output.h"

#include <cerrno>
#include <cstddef>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {
namespace {

constexpr std::size_t FullSize = std::size_t{1} << 16U;

} // namespace

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "cannot write");
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
}

// Room for a full buffer and the verse that fills it, unless the verse is
// of very long nouns.
TextOutput::TextOutput(int fd) : m_fd(fd)
{
    m_text.reserve(2 * FullSize);
}

void TextOutput::WriteWhenFull()
{
    if (m_text.size() >= FullSize) {
        Flush();
    }
}

void TextOutput::Flush()
{
    // Each CR of a CR LF is dropped in place: the bytes kept never run ahead
    // of the byte being read.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        const bool breaksLine = m_text[i] == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n';
        if (!breaksLine) {
            m_text[kept++] = m_text[i];
        }
    }
    WriteAll(m_fd, std::string_view(m_text).substr(0, kept));
    m_text.clear();
}

} // namespace wumpel::cli
