// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/utf8.h"

#include <bit>
#include <cstring>
#include <stdexcept>

namespace wumpel::cli {
namespace {

constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char32_t ReplacementCharacter = 0xFFFD;

void AppendUtf16(char32_t codePoint, std::u16string& out)
{
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10U)));
    out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FFU)));
}

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Verses are mostly ASCII, so runs of it are converted eight units at a time
// with the compiler's portable vector types (SSE2 or NEON underneath).
constexpr std::size_t BlockUnits = 8;
using UnitBlock = std::uint16_t __attribute__((vector_size(BlockUnits * sizeof(std::uint16_t))));
using ByteBlock = std::uint8_t __attribute__((vector_size(BlockUnits)));
using LaneMask = std::int16_t __attribute__((vector_size(BlockUnits * sizeof(std::int16_t))));
using ByteMask = std::int8_t __attribute__((vector_size(BlockUnits)));

// Writes the eight units narrowed to bytes and returns how many of them, from
// the first, are plain ASCII (not CR); only those bytes are valid. out must have
// room for eight bytes.
std::size_t CopyPlainAscii(const char16_t* units, char* out)
{
    UnitBlock block;
    std::memcpy(&block, units, sizeof(block));
    const ByteBlock bytes = __builtin_convertvector(block, ByteBlock);
    std::memcpy(out, &bytes, sizeof(bytes));
    constexpr UnitBlock FirstNonAscii = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    constexpr UnitBlock Crs = {Cr, Cr, Cr, Cr, Cr, Cr, Cr, Cr};
    const LaneMask special = (block >= FirstNonAscii) | (block == Crs);
    const ByteMask specialBytes = __builtin_convertvector(special, ByteMask);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &specialBytes, sizeof(bits));
    // Lane order in memory is unit order: the first special unit is the lowest
    // set byte on a little-endian machine and the highest on a big-endian one.
    const int zeros = std::endian::native == std::endian::little ? std::countr_zero(bits)
                                                                 : std::countl_zero(bits);
    return static_cast<std::size_t>(zeros) / 8;
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
                AppendUtf16(m_codePoint, out);
            }
            continue;
        }
        if (b < 0x80) {
            out.push_back(b);
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

std::size_t EncodeUtf8WithLf(std::u16string_view text, std::span<char> out)
{
    if (out.size() / MaxUtf8BytesPerUnit < text.size()) {
        throw std::length_error("UTF-8 output buffer too small");
    }
    // The one check above covers every write below: no unit yields more bytes
    // than MaxUtf8BytesPerUnit, and a surrogate pair yields four for two units.
    auto write = out.begin();
    const auto put = [&write](char32_t value) { *write++ = static_cast<char>(value); };
    std::size_t i = 0;
    while (i < text.size()) {
        // Eight units never need more than eight of the 24 bytes reserved for them.
        if (text.size() - i >= BlockUnits) {
            const std::size_t plain = CopyPlainAscii(text.data() + i, &*write);
            write += static_cast<std::ptrdiff_t>(plain);
            i += plain;
            if (plain == BlockUnits) {
                continue;
            }
        }
        char32_t unit = text[i++];
        if (unit < 0x80) {
            if (unit != Cr || i == text.size() || text[i] != Lf) {
                put(unit);
            }
            continue;
        }
        if (unit < 0x800) {
            put(0xC0 | (unit >> 6U));
            put(0x80 | (unit & 0x3FU));
            continue;
        }
        if (IsHighSurrogate(unit) && i < text.size() && IsLowSurrogate(text[i])) {
            const char32_t codePoint = 0x10000 + ((unit - 0xD800) << 10U) + (text[i++] - 0xDC00);
            put(0xF0 | (codePoint >> 18U));
            put(0x80 | ((codePoint >> 12U) & 0x3FU));
            put(0x80 | ((codePoint >> 6U) & 0x3FU));
            put(0x80 | (codePoint & 0x3FU));
            continue;
        }
        if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = ReplacementCharacter;
        }
        put(0xE0 | (unit >> 12U));
        put(0x80 | ((unit >> 6U) & 0x3FU));
        put(0x80 | (unit & 0x3FU));
    }
    return static_cast<std::size_t>(write - out.begin());
}

} // namespace wumpel::cli
