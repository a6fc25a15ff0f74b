// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_input.h"

#include "cli/arguments.h"
#include "cli/quoted.h"
#include "cli/utf8.h"
#include "cli/word_list_collector.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace wumpel::cli {
namespace {

constexpr std::size_t ReadChunkSize = std::size_t{1} << 16U;

class InputFile {
public:
    InputFile(std::string_view name, int standardInput)
        : m_name(name == StandardInputName ? "standard input" : Quoted(name))
    {
        if (name == StandardInputName) {
            m_fd = standardInput;
            return;
        }
        m_fd = ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
        m_owned = m_fd >= 0;
        if (m_fd < 0) {
            m_openError = errno;
        }
    }
    InputFile(const InputFile&) = delete;
    InputFile(InputFile&&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    InputFile& operator=(InputFile&&) = delete;
    ~InputFile()
    {
        if (m_owned) {
            ::close(m_fd);
        }
    }

    std::optional<InputError> OpenError() const
    {
        return m_fd < 0 ? std::optional(Failure(m_openError)) : std::nullopt;
    }

    // Fills buffer from the start; an empty result is the end of the input.
    std::variant<std::string_view, InputError> Read(std::array<char, ReadChunkSize>& buffer)
    {
        while (true) {
            const ssize_t count = ::read(m_fd, buffer.data(), buffer.size());
            if (count >= 0) {
                return std::string_view(buffer.data(), static_cast<std::size_t>(count));
            }
            if (errno != EINTR) {
                return Failure(errno);
            }
        }
    }

    InputError InvalidUtf8(std::uint64_t offset) const
    {
        return InputError{m_name + " is not valid UTF-8: bad byte at offset " +
                          std::to_string(offset)};
    }

private:
    InputError Failure(int error) const
    {
        return InputError{"cannot read " + m_name + ": " + std::strerror(error)};
    }

    std::string m_name;
    int m_fd = -1;
    int m_openError = 0;
    bool m_owned = false;
};

} // namespace

std::variant<std::u16string, InputError> ReadWordListInput(std::string_view name, int standardInput)
{
    InputFile file(name, standardInput);
    if (auto error = file.OpenError()) {
        return *error;
    }
    Utf8Decoder decoder;
    WordListCollector collector;
    std::array<char, ReadChunkSize> buffer{};
    std::u16string decoded;
    while (true) {
        auto chunk = file.Read(buffer);
        if (auto* error = std::get_if<InputError>(&chunk)) {
            return *error;
        }
        const std::string_view bytes = std::get<std::string_view>(chunk);
        if (bytes.empty()) {
            break;
        }
        decoded.clear();
        if (auto offset = decoder.Decode(bytes, decoded)) {
            return file.InvalidUtf8(*offset);
        }
        collector.Append(decoded);
    }
    if (auto offset = decoder.Finish()) {
        return file.InvalidUtf8(*offset);
    }
    return std::move(collector).Finish();
}

} // namespace wumpel::cli
