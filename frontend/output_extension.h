// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace wumpel {

// Where text goes on from shown, when it only adds to its end. The output grows
// by one verse per click, and a field that takes just the new part stays quick
// at thousands of verses, where building the whole text again does not.
//
// A CR at the end of shown could pair with an LF that starts the new part,
// which a field that turns CR LF into its own line break would then show
// differently; such a text is not taken as an extension.
constexpr std::optional<std::size_t> extensionStart(std::string_view shown, std::string_view text)
{
    if (text.size() > shown.size() && text.starts_with(shown) && !shown.ends_with('\r')) {
        return shown.size();
    }
    return std::nullopt;
}

} // namespace wumpel
