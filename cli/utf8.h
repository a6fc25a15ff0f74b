// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The tool's text is UTF-8 with lines ended by LF or CR LF, as files hold it;
// the engine's is UTF-16 with lines ended by CR LF, as the window hands it over.
// The conversions between the two live here, line breaks included, so nothing
// else in the tool deals with either. A lone CR is an ordinary character both ways.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wumpel::cli {

// Decodes UTF-8 handed over in pieces of any size, so input of any length is
// checked as it is read. Rejects everything Unicode calls ill-formed: stray
// continuation bytes, overlong forms, surrogates, values above U+10FFFF and a
// sequence cut off by the end of the input. A byte order mark at the very start
// is the encoding's signature, not text, and is dropped.
class Utf8Decoder {
public:
    // Appends the UTF-16 of every complete character in bytes to out, each LF
    // that does not follow a CR as CR LF. A character or a CR LF may be split
    // across calls. Returns the offset, counted from the first byte ever fed, at
    // which the first ill-formed sequence starts; nothing is decoded after it.
    std::optional<std::uint64_t> Decode(std::string_view bytes, std::u16string& out);

    // The offset of a sequence the input ended in the middle of, if any.
    std::optional<std::uint64_t> Finish() const;

private:
    void Append(char32_t codePoint, std::u16string& out);

    std::uint64_t m_offset = 0;
    std::uint64_t m_sequenceStart = 0;
    char32_t m_codePoint = 0;
    int m_missing = 0;
    unsigned char m_lowest = 0x80;
    unsigned char m_highest = 0xBF;
    bool m_afterCr = false;
};

// The most bytes EncodeUtf8WithLf writes for one UTF-16 code unit.
inline constexpr std::size_t MaxUtf8BytesPerUnit = 3;

// Writes text as UTF-8 into out, each CR LF as a lone LF, and returns how many
// bytes it wrote; out must hold MaxUtf8BytesPerUnit bytes per unit of text
// (throws std::length_error otherwise). A surrogate without its partner becomes
// U+FFFD.
std::size_t EncodeUtf8WithLf(std::u16string_view text, std::span<char> out);

// The longest start of text, at most units long, that EncodeUtf8WithLf can take
// apart from the rest: one that splits neither a surrogate pair nor a CR LF.
// units must be at least 2, so that the result is never empty.
std::size_t EncodableStart(std::u16string_view text, std::size_t units);

} // namespace wumpel::cli
