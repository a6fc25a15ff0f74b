// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// Any bytes through the command-line tool's input path, cut into pieces of a
// fuzzed size: decoding in pieces agrees with decoding at once, valid text
// survives encoding and decoding again, and the collected word list parses
// exactly like the whole text would in the window, and verses written from it
// are the window's verses.

#include "cli/utf8.h"
#include "cli/verse_bytes.h"
#include "cli/verse_writer.h"
#include "cli/word_list_collector.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/verse_text.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"
#include "fuzz_input.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace wumpel::fuzzing {
namespace {

struct Decoded {
    std::u16string Text;
    std::optional<std::uint64_t> BadOffset;
};

Decoded DecodeInPieces(std::string_view bytes, std::size_t pieceSize)
{
    cli::Utf8Decoder decoder;
    Decoded decoded;
    for (std::size_t at = 0; at < bytes.size() && !decoded.BadOffset; at += pieceSize) {
        decoded.BadOffset = decoder.Decode(bytes.substr(at, pieceSize), decoded.Text);
    }
    if (!decoded.BadOffset) {
        decoded.BadOffset = decoder.Finish();
    }
    return decoded;
}

std::u16string WithCrLf(std::u16string_view text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
            result += u'\r';
        }
        result += text[i];
    }
    return result;
}

std::u16string WithLf(std::u16string_view text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')) {
            result += text[i];
        }
    }
    return result;
}

std::string Encode(std::u16string_view text)
{
    std::vector<char> bytes(text.size() * cli::MaxUtf8BytesPerUnit);
    return {bytes.data(), cli::EncodeUtf8WithLf(text, bytes)};
}

void CheckSameEntries(const GeneratorState& a, const GeneratorState& b)
{
    Require(a.LastEntryIndex == b.LastEntryIndex, "same number of entries");
    for (int i = 0; i <= a.LastEntryIndex; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        Require(a.WordList.at(slot).Article == b.WordList.at(slot).Article, "same article");
        Require(a.WordList.at(slot).Noun == b.WordList.at(slot).Noun, "same noun");
    }
}

// What the tool writes for a few verses, read back from an in-memory file.
std::string ToolVerses(GeneratorState state, std::uint64_t seed, std::u16string& windowText)
{
    static const int file = ::memfd_create("verses", MFD_CLOEXEC);
    Require(file >= 0, "memfd_create works");
    Require(::ftruncate(file, 0) == 0 && ::lseek(file, 0, SEEK_SET) == 0, "file emptied");
    const cli::VerseBytes verseBytes(state);
    SeededRandomSource random(seed);
    cli::VerseWriter writer(file);
    for (int verse = 0; verse < 3; ++verse) {
        const VersePlan plan = DrawVerse(state, random);
        AppendVerseText(windowText, state, plan);
        verseBytes.Write(plan, writer);
        LearnGenders(state, plan);
    }
    writer.Flush();
    std::string written;
    std::array<char, 4096> buffer{};
    off_t offset = 0;
    for (ssize_t count = 0; (count = ::pread(file, buffer.data(), buffer.size(), offset)) > 0;
         offset += count) {
        written.append(buffer.data(), static_cast<std::size_t>(count));
    }
    return written;
}

} // namespace
} // namespace wumpel::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace wumpel;
    using namespace wumpel::fuzzing;

    FuzzInput input({data, size});
    const std::size_t pieceSize = std::size_t{1} + input.Byte() % 16;
    const std::span<const std::uint8_t> rest = input.Rest();
    const std::string_view bytes(reinterpret_cast<const char*>(rest.data()), rest.size());

    const Decoded whole = DecodeInPieces(bytes, bytes.size() + 1);
    const Decoded pieces = DecodeInPieces(bytes, pieceSize);
    Require(whole.BadOffset == pieces.BadOffset, "pieces find the same bad byte");
    Require(whole.Text == pieces.Text, "pieces decode the same text");
    if (whole.BadOffset) {
        Require(*whole.BadOffset < bytes.size(), "bad byte lies inside the input");
        Require(!DecodeInPieces(bytes.substr(0, *whole.BadOffset), 1).BadOffset,
                "everything before the bad byte is valid");
        return 0;
    }

    const Decoded again = DecodeInPieces(Encode(whole.Text), pieceSize);
    Require(!again.BadOffset, "encoded text is valid UTF-8");
    Require(again.Text == WithLf(whole.Text), "encoding keeps every character but CR of CR LF");

    cli::WordListCollector collector;
    for (std::size_t at = 0; at < whole.Text.size(); at += pieceSize) {
        collector.Append(std::u16string_view(whole.Text).substr(at, pieceSize));
    }
    const std::u16string collected = std::move(collector).Finish();
    std::u16string_view text = whole.Text;
    if (text.starts_with(u'\uFEFF')) {
        text.remove_prefix(1);
    }
    GeneratorState fromWhole;
    ParseWordList(fromWhole, WithCrLf(text));
    GeneratorState fromCollected;
    ParseWordList(fromCollected, collected);
    CheckSameEntries(fromWhole, fromCollected);

    // Verses written from pieces encoded one by one are the window's text
    // encoded whole.
    if (fromCollected.LastEntryIndex >= MinimumLastEntryIndex) {
        InitWordTables(fromCollected);
        std::u16string windowText;
        const std::string written = ToolVerses(fromCollected, size, windowText);
        Require(written == Encode(windowText), "verses from pieces equal the text encoded whole");
    }
    return 0;
}
