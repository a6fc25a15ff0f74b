// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include <stdexcept>

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

// Whether text[at] is the CR of a CR LF.
bool StartsLineBreak(std::u16string_view text, std::size_t at)
{
    return text[at] == Cr && at + 1 < text.size() && text[at + 1] == Lf;
}

bool StartsSurrogatePair(std::u16string_view text, std::size_t at)
{
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]);
}

} // namespace

std::optional<std::uint64_t> Utf8Decoder::Decode(std::string_view bytes, std::u16string& out)
{
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const std::uint64_t offset = m_offset++;
        if (m_missing > 0) {
            if (b < m_lowest || b > m_highest) {
                return m_sequenceStart;
            }
            m_lowest = 0x80;
            m_highest = 0xBF;
            m_codePoint = (m_codePoint << 6U) | (b & 0x3FU);
            if (--m_missing == 0) {
                Append(m_codePoint, out);
            }
            continue;
        }
        if (b < 0x80) {
            Append(b, out);
            continue;
        }
        // The second byte's narrower ranges after E0, ED, F0 and F4 are what
        // exclude overlong forms, surrogates and values above U+10FFFF.
        m_sequenceStart = offset;
        if (b >= 0xC2 && b <= 0xDF) {
            m_missing = 1;
            m_codePoint = b & 0x1FU;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_missing = 2;
            m_codePoint = b & 0x0FU;
            m_lowest = b == 0xE0 ? 0xA0 : 0x80;
            m_highest = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_missing = 3;
            m_codePoint = b & 0x07U;
            m_lowest = b == 0xF0 ? 0x90 : 0x80;
            m_highest = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return offset;
        }
    }
    return std::nullopt;
}

std::optional<std::uint64_t> Utf8Decoder::Finish() const
{
    if (m_missing > 0) {
        return m_sequenceStart;
    }
    return std::nullopt;
}

void Utf8Decoder::Append(char32_t codePoint, std::u16string& out)
{
    // Only a multi-byte sequence sets m_sequenceStart, and a mark is one.
    if (codePoint == ByteOrderMark && m_sequenceStart == 0) {
        return;
    }
    if (codePoint == Lf && !m_afterCr) {
        out.push_back(Cr);
    }
    m_afterCr = codePoint == Cr;
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10U)));
    out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FFU)));
}

std::size_t EncodeUtf8WithLf(std::u16string_view text, std::span<char> out)
{
    if (out.size() / MaxUtf8BytesPerUnit < text.size()) {
        throw std::length_error("UTF-8 output buffer too small");
    }
    // The one check above covers every write below: no unit yields more bytes
    // than MaxUtf8BytesPerUnit, and a surrogate pair yields four for two units.
    std::size_t written = 0;
    const auto put = [&out, &written](char32_t value) {
        out[written++] = static_cast<char>(value);
    };
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
    return written;
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
