// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "frontend/whole_number.h"

#include <charconv>
#include <system_error>

namespace wumpel {

std::optional<std::uint64_t> ParseUnsigned64(std::string_view text)
{
    // For an unsigned type from_chars takes digits only, so all of text must be read.
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace wumpel
