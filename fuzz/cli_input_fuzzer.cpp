// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Any bytes through the command-line tool, after one byte for the seed: the
// tool writes the window's verses for the list (or the too-few-words message,
// or the offset of the first byte utf8-cpp finds ill-formed) with the right
// exit status, its line breaks as LF. A bad byte behind a whole list is never
// read.

#include "cli/verse_tool.h"
#include "cli/word_list_input.h"
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"
#include "fuzz_input.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/line_breaks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <utf8.h>

namespace wumpel::fuzzing {
namespace {

// An in-memory file the tool reads from or writes to as if it were a stream.
class MemoryFile {
public:
    MemoryFile() : m_fd(::memfd_create("wumpel", MFD_CLOEXEC)) { Require(m_fd >= 0, "memfd"); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile(MemoryFile&&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    MemoryFile& operator=(MemoryFile&&) = delete;
    ~MemoryFile() { ::close(m_fd); }

    int Fd() const { return m_fd; }

    void Reset(std::string_view content) const
    {
        Require(::ftruncate(m_fd, 0) == 0 && ::lseek(m_fd, 0, SEEK_SET) == 0, "file emptied");
        Require(::write(m_fd, content.data(), content.size()) ==
                    static_cast<ssize_t>(content.size()),
                "file written");
        Require(::lseek(m_fd, 0, SEEK_SET) == 0, "file rewound");
    }

    std::string Content() const
    {
        std::string content;
        std::array<char, 4096> buffer{};
        off_t offset = 0;
        for (ssize_t count = 0; (count = ::pread(m_fd, buffer.data(), buffer.size(), offset)) > 0;
             offset += count) {
            content.append(buffer.data(), static_cast<std::size_t>(count));
        }
        return content;
    }

private:
    int m_fd;
};

// The engine's text of well-formed bytes, worked out apart from the tool: every
// LF a CR LF, and a byte order mark at the start dropped.
std::string EngineText(std::string_view bytes)
{
    const std::string crLf = testing_support::WithCrLf(bytes);
    return utf8::starts_with_bom(crLf.begin(), crLf.end()) ? crLf.substr(3) : crLf;
}

struct ToolResult {
    int ExitStatus;
    std::string Output;
    std::string Error;
};

ToolResult RunTool(std::string_view input, std::uint64_t seed, int count)
{
    static MemoryFile in;
    static MemoryFile out;
    static MemoryFile error;
    in.Reset(input);
    out.Reset({});
    error.Reset({});
    const std::string seedText = std::to_string(seed);
    const std::string countText = std::to_string(count);
    const std::array<std::string_view, 4> arguments = {"--seed", seedText, "--count", countText};
    const int status = cli::RunVerseTool(arguments, {in.Fd(), out.Fd(), error.Fd()});
    return {status, out.Content(), error.Content()};
}

} // namespace
} // namespace wumpel::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace wumpel;
    using namespace wumpel::fuzzing;

    FuzzInput input({data, size});
    const std::uint64_t seed = input.Byte();
    const std::span<const std::uint8_t> rest = input.Rest();
    const std::string_view bytes(reinterpret_cast<const char*>(rest.data()), rest.size());
    constexpr int Count = 3;
    const ToolResult result = RunTool(bytes, seed, Count);

    const auto bad = utf8::find_invalid(bytes.begin(), bytes.end());
    const std::string text =
        EngineText(bytes.substr(0, static_cast<std::size_t>(bad - bytes.begin())));
    if (bad != bytes.end() && !cli::HoldsWholeWordList(text)) {
        Require(result.ExitStatus == 2 && result.Output.empty(), "bad input writes no verse");
        Require(result.Error == "wumpel-verse: standard input is not valid UTF-8: bad byte "
                                "at offset " +
                                    std::to_string(bad - bytes.begin()) + "\n",
                "the error names the bad byte");
        return 0;
    }

    GeneratorState state;
    testing_support::FakeVerseWindow window;
    window.WordList = text;
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    for (int click = 1; click < Count; ++click) {
        AppendVerse(state, window, random);
    }
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        Require(result.ExitStatus == 1 && result.Output.empty(), "too few words, no verse");
        Require(result.Error == std::string(TooFewWordsMessage) + "\n",
                "the too-few-words message");
    } else {
        Require(result.ExitStatus == 0 && result.Error.empty(), "verses written");
        Require(result.Output == testing_support::WithLf(window.Output), "the window's verses");
    }
    return 0;
}
