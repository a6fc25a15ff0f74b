// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace wumpel::cli {

// Exit statuses of wumpel-verse.
inline constexpr int ExitVerses = 0;
inline constexpr int ExitTooFewWords = 1;
inline constexpr int ExitError = 2;

struct ToolStreams {
    int Input;
    int Output;
    int Error;
};

// The whole of wumpel-verse: arguments after the program's name in, exit status
// out. Nothing reaches Output unless the input was read, checked and parsed.
int RunVerseTool(std::span<const std::string_view> arguments, const ToolStreams& streams);

} // namespace wumpel::cli
