// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace wumpel::cli {

// Writes every byte, retrying after short writes and signals; throws
// std::system_error on failure.
void WriteAll(int fd, std::string_view bytes);

} // namespace wumpel::cli
