// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_tool.h"

#include <span>
#include <string_view>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    const std::span<char*> given(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string_view> arguments(given.begin() + 1, given.end());
    return wumpel::cli::RunVerseTool(arguments, {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO});
}
