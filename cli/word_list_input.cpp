// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_input.h"

#include "cli/arguments.h"
#include "cli/utf8.h"
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>

namespace wumpel::cli {
namespace {

constexpr std::u16string_view LineBreak = u"\r\n";

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

InputError NotUtf8(const std::string& name, std::size_t offset)
{
    return InputError{name + " is not valid UTF-8: bad byte at offset " + std::to_string(offset)};
}

InputError TooLong(const std::string& name)
{
    return InputError{name + " is too long: a word list may hold at most " +
                      std::to_string(MaxWordListMebibytes) + " MiB up to the end of its " +
                      std::to_string(WordListCapacity) + "th entry"};
}

// A bad byte after the list is whole lies in what the tool need not read, so
// it matters as little as if reading had stopped before it.
std::u16string WholeListOrBadByte(std::u16string text, const std::string& name,
                                  std::optional<std::size_t> badByte)
{
    if (badByte && !HoldsWholeWordList(text)) {
        throw NotUtf8(name, *badByte);
    }
    return text;
}

std::u16string Read(int fd, const std::string& name)
{
    std::u16string text;
    Utf8Decoder decoder;
    std::array<char, std::size_t{1} << 16U> chunk{};
    std::size_t total = 0;
    // Looking whether the list is whole only each time the text has doubled
    // keeps the cost of looking linear in the input.
    std::size_t nextLook = 0;
    for (;;) {
        // One byte beyond the limit tells an input that ends at it from one
        // that goes on.
        const std::size_t wanted = std::min(chunk.size(), MaxWordListBytes + 1 - total);
        const ssize_t count = ::read(fd, chunk.data(), wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw CannotRead(name, errno);
        }
        if (count == 0) {
            return WholeListOrBadByte(std::move(text), name, decoder.Finish());
        }
        total += static_cast<std::size_t>(count);
        if (total > MaxWordListBytes) {
            throw TooLong(name);
        }
        const std::string_view piece(chunk.data(), static_cast<std::size_t>(count));
        if (const auto badByte = decoder.Decode(piece, text)) {
            return WholeListOrBadByte(std::move(text), name, badByte);
        }
        if (text.size() >= nextLook || total == MaxWordListBytes) {
            if (HoldsWholeWordList(text)) {
                return text;
            }
            nextLook = 2 * text.size();
        }
    }
}

} // namespace

bool HoldsWholeWordList(std::u16string_view text)
{
    // Parsing is line by line, so the lines up to the last line break are
    // parsed the same whatever follows them; once they give every entry the
    // parser takes, it reads no further.
    const std::size_t lastBreak = text.rfind(LineBreak);
    if (lastBreak == std::u16string_view::npos) {
        return false;
    }
    GeneratorState probe;
    ParseWordList(probe, text.substr(0, lastBreak + LineBreak.size()));
    return probe.LastEntryIndex + 1 == static_cast<int>(WordListCapacity);
}

std::u16string ReadWordList(std::string_view name, int standardInput)
{
    if (name == StandardInputName) {
        return Read(standardInput, "standard input");
    }
    const int fd = ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw CannotRead(Quoted(name), errno);
    }
    const OpenedFile opened(fd);
    return Read(fd, Quoted(name));
}

} // namespace wumpel::cli
