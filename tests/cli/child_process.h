// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wumpel::testing_support {

struct ProcessResult {
    int ExitStatus = -1; // -1 when the child did not exit normally
    std::string Output;
    std::string Error;
};

// Runs program with arguments, feeding input to its standard input while
// collecting both output streams, so neither side can block on a full pipe.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         std::string_view input);

} // namespace wumpel::testing_support
