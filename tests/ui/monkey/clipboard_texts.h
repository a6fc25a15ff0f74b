// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

namespace wumpel::monkey {

// What another program may have put on the clipboard, from nothing at all to
// far more than anyone types.
enum class ClipboardShape {
    Empty,
    Word,
    TypicalList,
    ShortText,
    LongList,
    LongLine,  // one line of 300,000 characters
    ManyLines, // 100,000 short lines
};

inline constexpr int ClipboardShapeCount = 7;

// The same shape and seed always give the same text; line breaks are '\n'.
QString clipboardText(ClipboardShape shape, std::uint64_t seed);

const char* shapeName(ClipboardShape shape);

} // namespace wumpel::monkey
