// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace wumpel::cli {

// Where the word list comes from when no file is named, and how to name it.
inline constexpr std::string_view StandardInputName = "-";

struct VerseRequest {
    std::uint64_t Count = 1;
    std::optional<std::uint64_t> Seed;
    std::string Input{StandardInputName};
};

struct HelpRequest {};
struct VersionRequest {};

// One line for the user, without the program's name or a line break.
struct UsageError {
    std::string Message;
};

using Arguments = std::variant<VerseRequest, HelpRequest, VersionRequest, UsageError>;

// Reads the arguments after the program's name. Options take their value as the
// next argument or after "="; "--" ends the options; a repeated option keeps
// its last value. -h, --help and --version win over everything before a "--".
Arguments ParseArguments(std::span<const std::string_view> arguments);

// text in single quotes, as the tool's messages name files and arguments.
std::string Quoted(std::string_view text);

} // namespace wumpel::cli
