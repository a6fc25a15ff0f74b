// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wumpel::cli {

// Decodes UTF-8 handed over in pieces of any size, so input of any length can be
// checked without holding it whole. Rejects everything Unicode calls ill-formed:
// stray continuation bytes, overlong forms, surrogates, values above U+10FFFF and
// a sequence cut off by the end of the input.
class Utf8Decoder {
public:
    // Appends the UTF-16 of every complete character in bytes to out. A character
    // may be split across calls. Returns the offset, counted from the first byte
    // ever fed, at which the first ill-formed sequence starts; nothing is decoded
    // after it.
    std::optional<std::uint64_t> Decode(std::string_view bytes, std::u16string& out);

    // The offset of a sequence the input ended in the middle of, if any.
    std::optional<std::uint64_t> Finish() const;

private:
    std::uint64_t m_offset = 0;
    std::uint64_t m_sequenceStart = 0;
    char32_t m_codePoint = 0;
    int m_missing = 0;
    unsigned char m_lowest = 0x80;
    unsigned char m_highest = 0xBF;
};

// The most bytes AppendUtf8WithLf writes for one UTF-16 code unit.
inline constexpr std::size_t MaxUtf8BytesPerUnit = 3;

// Writes text as UTF-8 into out, each CR LF as a lone LF, and returns how many
// bytes it wrote; out must hold MaxUtf8BytesPerUnit bytes per unit of text
// (throws std::length_error otherwise). A surrogate without its partner becomes
// U+FFFD. Callers that split a text must not split a CR LF or a surrogate pair.
std::size_t EncodeUtf8WithLf(std::u16string_view text, std::span<char> out);

} // namespace wumpel::cli
