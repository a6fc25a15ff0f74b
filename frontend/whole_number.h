// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace wumpel {

// A whole decimal number without sign or blanks that fits in 64 bits, as
// wumpel-verse reads --count and --seed and the page reads ?seed=.
std::optional<std::uint64_t> ParseUnsigned64(std::string_view text);

} // namespace wumpel
