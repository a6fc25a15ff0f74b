// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/quoted.h"

namespace wumpel::cli {

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "'" + std::string.
std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    quoted += text;
    quoted += '\'';
    return quoted;
}

} // namespace wumpel::cli
