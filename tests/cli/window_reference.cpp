// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "window_reference.h"

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_window.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace wumpel::testing_support {
namespace {

class MemoryWindow final : public VerseWindow {
public:
    explicit MemoryWindow(std::u16string_view wordList) : m_wordList(wordList) {}

    std::u16string ReadWordList() const override { return m_wordList; }
    void ReplaceOutput(std::u16string_view text) override { m_output = text; }

    const std::u16string& Output() const { return m_output; }

private:
    std::u16string m_wordList;
    std::u16string m_output;
};

std::string Convert(const char* to, const char* from, std::string_view bytes)
{
    iconv_t converter = iconv_open(to, from);
    // iconv_open reports failure as (iconv_t)-1, an integer cast to a pointer.
    if (converter == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
        throw std::runtime_error("iconv_open failed");
    }
    std::string input(bytes);
    std::vector<char> output(bytes.size() * 4 + 16);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0) {
        throw std::runtime_error("iconv could not convert the text");
    }
    return {output.data(), output.size() - outLeft};
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view text)
{
    return Convert("UTF-8", "UTF-16LE",
                   {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)});
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    const std::string bytes = Convert("UTF-16LE", "UTF-8", text);
    std::u16string result(bytes.size() / sizeof(char16_t), u'\0');
    for (std::size_t i = 0; i < result.size(); ++i) {
        result.at(i) =
            static_cast<char16_t>(static_cast<unsigned char>(bytes.at(2 * i)) |
                                  (static_cast<unsigned char>(bytes.at(2 * i + 1)) << 8U));
    }
    return result;
}

std::string WindowOutput(std::u16string_view wordList, std::uint64_t seed, int count)
{
    GeneratorState state;
    MemoryWindow window(wordList);
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    for (int click = 1; click < count; ++click) {
        AppendVerse(state, window, random);
    }
    return WithLf(Utf16ToUtf8(window.Output()));
}

std::string WithLf(std::string_view text)
{
    std::string withLf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text.at(i) == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n')) {
            withLf += text.at(i);
        }
    }
    return withLf;
}

std::u16string WithCrLf(std::u16string_view text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r')) {
            result += u'\r';
        }
        result += text.at(i);
    }
    return result;
}

} // namespace wumpel::testing_support
