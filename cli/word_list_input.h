// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace wumpel::cli {

// One line for the user, without the program's name or a line break.
struct InputError {
    std::string Message;
};

// Reads the whole input, checks that all of it is UTF-8 and returns it as the
// engine's text (see Utf8Decoder). name is a file path, or StandardInputName
// for standardInput.
std::variant<std::u16string, InputError> ReadWordList(std::string_view name, int standardInput);

} // namespace wumpel::cli
