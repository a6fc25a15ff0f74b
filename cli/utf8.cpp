// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace wumpel::cli {
namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char32_t ByteOrderMark = 0xFEFF;
constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf16(char32_t codePoint, std::u16string& out)
{
    if (codePoint == Lf && (out.empty() || out.back() != Cr)) {
        out.push_back(Cr);
    }
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10U)));
    out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FFU)));
}

// Whether text[at] is the CR of a CR LF.
bool StartsLineBreak(std::u16string_view text, std::size_t at)
{
    return text[at] == Cr && at + 1 < text.size() && text[at + 1] == Lf;
}

bool StartsSurrogatePair(std::u16string_view text, std::size_t at)
{
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]);
}

enum class SequenceEnd { Complete, IllFormed, CutOff };

// Reads the sequence that starts at bytes[at] into codePoint and moves at past
// it. Ill-formed is what Unicode calls so: a stray continuation byte, an
// overlong form, a surrogate, a value above U+10FFFF. A sequence that is
// well-formed as far as bytes go, but goes on beyond them, is cut off.
SequenceEnd ReadSequence(std::string_view bytes, std::size_t& at, char32_t& codePoint)
{
    const auto byteAt = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byteAt(at++);
    // The continuation bytes to follow, and the range the first of them must
    // lie in: the narrower ranges after E0, ED, F0 and F4 are what exclude
    // overlong forms, surrogates and values above U+10FFFF.
    int continuations = 0;
    codePoint = lead;
    int lowest = 0x80;
    int highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuations = 1;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuations = 2;
        codePoint = lead & 0x0FU;
        lowest = lead == 0xE0 ? 0xA0 : 0x80;
        highest = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuations = 3;
        codePoint = lead & 0x07U;
        lowest = lead == 0xF0 ? 0x90 : 0x80;
        highest = lead == 0xF4 ? 0x8F : 0xBF;
    } else if (lead >= 0x80) {
        return SequenceEnd::IllFormed;
    }
    for (; continuations > 0; --continuations) {
        if (at == bytes.size()) {
            return SequenceEnd::CutOff;
        }
        if (byteAt(at) < lowest || byteAt(at) > highest) {
            return SequenceEnd::IllFormed;
        }
        codePoint = (codePoint << 6U) | (byteAt(at++) & 0x3FU);
        lowest = 0x80;
        highest = 0xBF;
    }
    return SequenceEnd::Complete;
}

} // namespace

std::optional<std::size_t> DecodeUtf8(std::string_view bytes, std::u16string& out)
{
    // A byte decodes to one unit at most, and an LF to two.
    out.reserve(out.size() + bytes.size() +
                static_cast<std::size_t>(std::ranges::count(bytes, '\n')));
    Utf8Decoder decoder;
    if (const auto offset = decoder.Decode(bytes, out)) {
        return offset;
    }
    return decoder.Finish();
}

std::optional<std::size_t> Utf8Decoder::Decode(std::string_view piece, std::u16string& out)
{
    std::string joined;
    std::string_view bytes = piece;
    if (!m_waiting.empty()) {
        joined = m_waiting + std::string(piece);
        bytes = joined;
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t start = at;
        char32_t codePoint = 0;
        switch (ReadSequence(bytes, at, codePoint)) {
        case SequenceEnd::Complete:
            // The encoding's signature, not text.
            if (!(m_atStart && codePoint == ByteOrderMark)) {
                AppendUtf16(codePoint, out);
            }
            m_atStart = false;
            break;
        case SequenceEnd::IllFormed:
            return m_offset + start;
        case SequenceEnd::CutOff:
            m_offset += start;
            m_waiting = bytes.substr(start);
            return std::nullopt;
        }
    }
    m_offset += bytes.size();
    m_waiting.clear();
    return std::nullopt;
}

std::optional<std::size_t> Utf8Decoder::Finish() const
{
    if (m_waiting.empty()) {
        return std::nullopt;
    }
    return m_offset;
}

std::size_t EncodeUtf8WithLf(std::u16string_view text, std::span<char> out)
{
    if (out.size() / MaxUtf8BytesPerUnit < text.size()) {
        throw std::length_error("UTF-8 output buffer too small");
    }
    // The one check above covers every write below: no unit yields more bytes
    // than MaxUtf8BytesPerUnit, and a surrogate pair yields four for two units.
    char* write = out.data();
    const auto put = [&write](char32_t value) { *write++ = static_cast<char>(value); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit < 0x80) {
            if (!StartsLineBreak(text, i)) {
                put(unit);
            }
        } else if (unit < 0x800) {
            put(0xC0 | (unit >> 6U));
            put(0x80 | (unit & 0x3FU));
        } else if (StartsSurrogatePair(text, i)) {
            const char32_t codePoint = 0x10000 + ((unit - 0xD800) << 10U) + (text[++i] - 0xDC00);
            put(0xF0 | (codePoint >> 18U));
            put(0x80 | ((codePoint >> 12U) & 0x3FU));
            put(0x80 | ((codePoint >> 6U) & 0x3FU));
            put(0x80 | (codePoint & 0x3FU));
        } else {
            if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
                unit = ReplacementCharacter;
            }
            put(0xE0 | (unit >> 12U));
            put(0x80 | ((unit >> 6U) & 0x3FU));
            put(0x80 | (unit & 0x3FU));
        }
    }
    return static_cast<std::size_t>(write - out.data());
}

std::size_t EncodableStart(std::u16string_view text, std::size_t units)
{
    if (units >= text.size()) {
        return text.size();
    }
    const std::size_t last = units - 1;
    return StartsLineBreak(text, last) || StartsSurrogatePair(text, last) ? last : units;
}

} // namespace wumpel::cli
