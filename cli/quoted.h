// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace wumpel::cli {

// text in single quotes, as the tool's messages name files and arguments.
std::string Quoted(std::string_view text);

} // namespace wumpel::cli
