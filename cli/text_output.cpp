// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/text_output.h"

#include <algorithm>
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
    // The runs between line breaks move down over the CR of each CR LF, in
    // place: a run never moves past where it was read from.
    constexpr std::string_view CrLf = "\r\n";
    auto kept = m_text.begin();
    std::size_t from = 0;
    for (std::size_t lineBreak = m_text.find(CrLf); lineBreak != std::string::npos;
         lineBreak = m_text.find(CrLf, from)) {
        kept = std::copy(m_text.begin() + static_cast<std::ptrdiff_t>(from),
                         m_text.begin() + static_cast<std::ptrdiff_t>(lineBreak), kept);
        from = lineBreak + 1;
    }
    kept = std::copy(m_text.begin() + static_cast<std::ptrdiff_t>(from), m_text.end(), kept);
    WriteAll(m_fd,
             std::string_view(m_text.data(), static_cast<std::size_t>(kept - m_text.begin())));
    m_text.clear();
}

} // namespace wumpel::cli
