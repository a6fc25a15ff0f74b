// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace wumpel::monkey {

struct MonkeySettings {
    std::int64_t events = 0;
    std::uint64_t seed = 0;
    // Peak resident memory allowed to the window's process.
    std::int64_t peakMib = 0;

    // WUMPEL_MONKEY_EVENTS and WUMPEL_MONKEY_SEED override the built-in
    // defaults; without a seed each run draws a fresh one, so every run
    // explores new ground and still prints what it needs to be repeated.
    // False, with error set, when an override is not a number.
    static bool fromEnvironment(MonkeySettings& settings, std::string& error);
};

} // namespace wumpel::monkey
