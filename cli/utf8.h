// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The tool's text is UTF-8 with lines ended by LF or CR LF, as files hold it;
// the engine's is UTF-16 with lines ended by CR LF, as the window hands it over.
// The conversions between the two live here, line breaks included, so nothing
// else in the tool deals with either. A lone CR is an ordinary character both ways.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wumpel::cli {

// Appends the UTF-16 of bytes to out, each LF that does not follow a CR as
// CR LF; a byte order mark at the very start is the encoding's signature, not
// text, and is dropped. Returns the offset at which the first sequence that
// Unicode calls ill-formed starts, with everything before it decoded: a stray
// continuation byte, an overlong form, a surrogate, a value above U+10FFFF or
// a sequence cut off by the end of bytes.
std::optional<std::size_t> DecodeUtf8(std::string_view bytes, std::u16string& out);

// Decodes as DecodeUtf8 does, but bytes that arrive piece by piece: a sequence
// cut off by the end of one piece waits for the next, and offsets count from
// the first byte of the first piece. Once a call has reported a bad byte, the
// decoder is done with.
class Utf8Decoder {
public:
    // Appends the UTF-16 of the piece to out; returns the offset of the first
    // ill-formed sequence, with everything before it decoded.
    std::optional<std::size_t> Decode(std::string_view piece, std::u16string& out);

    // For the end of the input: the offset of a sequence still waiting to be
    // finished, which the end has cut off.
    std::optional<std::size_t> Finish() const;

private:
    std::string m_waiting;
    // Of the first byte of m_waiting, or of the next piece when none waits.
    std::size_t m_offset = 0;
    bool m_atStart = true;
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
