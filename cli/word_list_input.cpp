// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_input.h"

#include "cli/arguments.h"
#include "cli/utf8.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace wumpel::cli {
namespace {

constexpr std::size_t ReadChunkSize = std::size_t{1} << 16U;

// Closes a file the tool opened itself, whichever way reading it ends.
class OpenedFile {
public:
    explicit OpenedFile(int fd) : m_fd(fd) {}
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile(OpenedFile&&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    OpenedFile& operator=(OpenedFile&&) = delete;
    ~OpenedFile() { ::close(m_fd); }

private:
    int m_fd;
};

InputError CannotRead(const std::string& name, int error)
{
    return InputError{"cannot read " + name + ": " + std::strerror(error)};
}

InputError NotUtf8(const std::string& name, std::uint64_t offset)
{
    return InputError{name + " is not valid UTF-8: bad byte at offset " + std::to_string(offset)};
}

std::variant<std::u16string, InputError> Decode(int fd, const std::string& name)
{
    Utf8Decoder decoder;
    std::u16string text;
    std::array<char, ReadChunkSize> buffer{};
    while (true) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return CannotRead(name, errno);
        }
        if (count == 0) {
            break;
        }
        const std::string_view bytes(buffer.data(), static_cast<std::size_t>(count));
        if (const auto offset = decoder.Decode(bytes, text)) {
            return NotUtf8(name, *offset);
        }
    }
    if (const auto offset = decoder.Finish()) {
        return NotUtf8(name, *offset);
    }
    return text;
}

} // namespace

std::variant<std::u16string, InputError> ReadWordList(std::string_view name, int standardInput)
{
    if (name == StandardInputName) {
        return Decode(standardInput, "standard input");
    }
    const int fd = ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return CannotRead(Quoted(name), errno);
    }
    const OpenedFile opened(fd);
    return Decode(fd, Quoted(name));
}

} // namespace wumpel::cli
