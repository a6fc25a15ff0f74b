// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Any bytes through the command-line tool, after one byte for the seed: the
// decoder stops at the first bad byte and at no other, decoding undoes encoding,
// and the tool writes the window's verses for the list (or the too-few-words
// message, or the bad byte's offset) with the right exit status. A bad byte
// behind a whole list is never read.

#include "cli/utf8.h"
#include "cli/verse_tool.h"
#include "cli/word_list_input.h"
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"
#include "fuzz_input.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace wumpel::fuzzing {
namespace {

class MemoryWindow final : public VerseWindow {
public:
    explicit MemoryWindow(std::string wordList) : m_wordList(std::move(wordList)) {}

    std::string ReadWordList() const override { return m_wordList; }
    void ReplaceOutput(std::string_view text) override { m_output = text; }

    const std::string& Output() const { return m_output; }

private:
    std::string m_wordList;
    std::string m_output;
};

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

std::string Encode(std::string_view text)
{
    std::vector<char> bytes(text.size() * cli::MaxUtf8BytesPerUnit);
    return {bytes.data(), cli::EncodeUtf8WithLf(text, bytes)};
}

// What decoding the encoded text must give: every CR LF a line break again,
// every LF made CR LF, and a mark at the start taken for the encoding's.
std::string ReadBack(std::string_view text)
{
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            lf += text[i];
        }
    }
    std::string crLf;
    for (std::size_t i = 0; i < lf.size(); ++i) {
        if (lf[i] == '\n' && (i == 0 || lf[i - 1] != '\r')) {
            crLf += '\r';
        }
        crLf += lf[i];
    }
    return crLf.starts_with('\uFEFF') ? crLf.substr(1) : crLf;
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

    std::string text;
    if (const std::optional<std::size_t> offset = cli::DecodeUtf8(bytes, text)) {
        Require(*offset < bytes.size(), "bad byte lies inside the input");
        std::string before;
        Require(!cli::DecodeUtf8(bytes.substr(0, *offset), before), "all before it is valid");
        Require(before == text, "everything before the bad byte is decoded");
        if (!cli::HoldsWholeWordList(text)) {
            Require(result.ExitStatus == 2 && result.Output.empty(), "bad input writes no verse");
            Require(result.Error == "wumpel-verse: standard input is not valid UTF-8: bad byte "
                                    "at offset " +
                                        std::to_string(*offset) + "\n",
                    "the error names the bad byte");
            return 0;
        }
    }
    std::string again;
    Require(!cli::DecodeUtf8(Encode(text), again), "encoded text is valid UTF-8");
    Require(again == ReadBack(text), "decoding undoes encoding");

    GeneratorState state;
    MemoryWindow window(text);
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    for (int click = 1; click < Count; ++click) {
        AppendVerse(state, window, random);
    }
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        Require(result.ExitStatus == 1 && result.Output.empty(), "too few words, no verse");
        Require(result.Error == Encode(std::string(TooFewWordsMessage) + "\r\n"),
                "the too-few-words message");
    } else {
        Require(result.ExitStatus == 0 && result.Error.empty(), "verses written");
        Require(result.Output == Encode(window.Output()), "the window's verses");
    }
    return 0;
}
