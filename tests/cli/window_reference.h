// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel::testing_support {

// Conversions by the C library's iconv, independent of the tool's own code.
std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// What the window's output field shows after "Übernehmen" and count - 1 clicks
// on "Zeilen anhängen" with a SeededRandomSource(seed), taken from the engine's
// actions over a plain in-memory window, as UTF-8 with every CR LF made LF.
std::string WindowOutput(std::u16string_view wordList, std::uint64_t seed, int count);

// Every CR LF made a lone LF, as the tool writes line breaks.
std::string WithLf(std::string_view text);

// Every LF that does not follow a CR made CR LF, as the window hands text over.
std::u16string WithCrLf(std::u16string_view text);

} // namespace wumpel::testing_support
