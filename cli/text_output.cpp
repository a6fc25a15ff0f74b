// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/text_output.h"

#include "cli/utf8.h"

#include <cerrno>
#include <span>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {
namespace {

constexpr std::size_t BufferSize = std::size_t{1} << 16U;

// Text is encoded a slice at a time, so the buffer needs room for one slice
// only, whatever the length of a noun.
constexpr std::size_t SliceUnits = 4096;
static_assert(SliceUnits >= 2 && SliceUnits * MaxUtf8BytesPerUnit <= BufferSize);

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

TextOutput::TextOutput(int fd) : m_fd(fd), m_buffer(BufferSize) {}

void TextOutput::Write(std::u16string_view text)
{
    while (!text.empty()) {
        const std::size_t units = EncodableStart(text, SliceUnits);
        if (m_buffer.size() - m_used < units * MaxUtf8BytesPerUnit) {
            Flush();
        }
        m_used += EncodeUtf8WithLf(text.substr(0, units), std::span(m_buffer).subspan(m_used));
        text.remove_prefix(units);
    }
}

void TextOutput::Flush()
{
    WriteAll(m_fd, std::string_view(m_buffer.data(), m_used));
    m_used = 0;
}

} // namespace wumpel::cli
