// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wumpel::monkey {

// Shared between the monkey and the process that watches it, in memory that
// outlives a crash: the event under way and the ones just before it.
struct MonkeyProgress {
    static constexpr std::size_t Recent = 40;
    static constexpr std::size_t LineLength = 160;

    std::int64_t started = 0; // one more than the number of the event under way
    std::int64_t performed = 0;
    bool finished = false;
    std::array<std::array<char, LineLength>, Recent> lines{};

    // Creates it in memory shared with children forked afterwards.
    static MonkeyProgress* createShared();

    void begin(std::int64_t index, std::string_view description);
    // The recent events, oldest first, with their numbers.
    std::string recentEvents() const;
};

} // namespace wumpel::monkey
