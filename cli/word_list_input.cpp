// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/word_list_input.h"

#include "cli/arguments.h"
#include "engine/generator_state.h"
#include "engine/word_list_parser.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>
#include <utf8.h>

namespace wumpel::cli {
namespace {

constexpr std::string_view LineBreak = "\r\n";

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

// The offset of the first sequence in bytes that Unicode calls ill-formed: a
// stray continuation byte, an overlong form, a surrogate, a value above
// U+10FFFF, or a sequence cut off by the end of the input. Before the input
// has ended, a sequence cut off by the end of bytes may yet be completed.
std::optional<std::size_t> FirstBadByte(std::string_view bytes, bool inputEnded)
{
    const auto bad = utf8::find_invalid(bytes.begin(), bytes.end());
    if (bad == bytes.end()) {
        return std::nullopt;
    }
    if (!inputEnded) {
        try {
            auto next = bad;
            utf8::next(next, bytes.end());
        } catch (const utf8::not_enough_room&) {
            return std::nullopt;
        } catch (const utf8::exception&) {
            // Ill-formed however it goes on.
        }
    }
    return static_cast<std::size_t>(bad - bytes.begin());
}

// Well-formed UTF-8 as the engine's text: without a byte order mark at the
// start, which is the encoding's signature rather than text, and with each LF
// that does not follow a CR as CR LF. A lone CR is an ordinary character.
std::string EngineText(std::string_view bytes)
{
    if (utf8::starts_with_bom(bytes.begin(), bytes.end())) {
        bytes.remove_prefix(std::size(utf8::bom));
    }
    std::string text;
    text.reserve(bytes.size() + static_cast<std::size_t>(std::ranges::count(bytes, '\n')));
    char previous = '\0';
    for (const char c : bytes) {
        if (c == '\n' && previous != '\r') {
            text += '\r';
        }
        text += c;
        previous = c;
    }
    return text;
}

// The text before a bad byte, when that text already holds the whole list: the
// bad byte then lies in what the tool need not read, and matters as little as
// if reading had stopped before it.
std::string WholeListOrBadByte(std::string_view bytes, const std::string& name,
                               std::optional<std::size_t> badByte)
{
    std::string text = EngineText(bytes.substr(0, badByte.value_or(bytes.size())));
    if (badByte && !HoldsWholeWordList(text)) {
        throw NotUtf8(name, *badByte);
    }
    return text;
}

std::string Read(int fd, const std::string& name)
{
    std::string bytes;
    std::array<char, std::size_t{1} << 16U> chunk{};
    // Looking whether the list is whole only each time the input has doubled
    // keeps the cost of looking linear in the input.
    std::size_t nextLook = 0;
    for (;;) {
        // One byte beyond the limit tells an input that ends at it from one
        // that goes on.
        const std::size_t wanted = std::min(chunk.size(), MaxWordListBytes + 1 - bytes.size());
        const ssize_t count = ::read(fd, chunk.data(), wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw CannotRead(name, errno);
        }
        if (count == 0) {
            return WholeListOrBadByte(bytes, name, FirstBadByte(bytes, true));
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(count));
        const bool tooLong = bytes.size() > MaxWordListBytes;
        if (tooLong) {
            bytes.resize(MaxWordListBytes);
        }
        if (bytes.size() >= nextLook || bytes.size() == MaxWordListBytes) {
            if (const auto badByte = FirstBadByte(bytes, false)) {
                return WholeListOrBadByte(bytes, name, badByte);
            }
            // Up to the last line break, which cuts no sequence in two.
            const std::size_t lastBreak = bytes.rfind('\n');
            std::string text = EngineText(std::string_view(bytes).substr(
                0, lastBreak == std::string::npos ? 0 : lastBreak + 1));
            if (HoldsWholeWordList(text)) {
                return text;
            }
            if (tooLong) {
                throw TooLong(name);
            }
            nextLook = 2 * bytes.size();
        }
    }
}

} // namespace

bool HoldsWholeWordList(std::string_view text)
{
    // Parsing is line by line, so the lines up to the last line break are
    // parsed the same whatever follows them; once they give every entry the
    // parser takes, it reads no further.
    const std::size_t lastBreak = text.rfind(LineBreak);
    if (lastBreak == std::string_view::npos) {
        return false;
    }
    GeneratorState probe;
    ParseWordList(probe, text.substr(0, lastBreak + LineBreak.size()));
    return probe.LastEntryIndex + 1 == static_cast<int>(WordListCapacity);
}

std::string ReadWordList(std::string_view name, int standardInput)
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
