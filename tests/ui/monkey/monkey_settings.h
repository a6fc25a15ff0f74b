// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wumpel::monkey {

struct MonkeySettings {
    std::int64_t events = 0;
    std::uint64_t seed = 0;
    // Peak resident memory allowed to the window's process.
    std::int64_t peakMib = 0;
    // Whether memory after the run must stay near memory at the start.
    bool checkEndMemory = true;
    // WUMPEL_MONKEY_TRACE=1: every event on standard error as it starts.
    bool trace = false;
    // WUMPEL_MONKEY_ONLY=3,17,40-52: perform only these events and draw the
    // rest without doing them, which keeps every event as the seed made it;
    // shrink_failure.py uses it to find the shortest sequence that still fails.
    std::vector<std::pair<std::int64_t, std::int64_t>> only;

    bool performs(std::int64_t index) const;

    // WUMPEL_MONKEY_EVENTS and WUMPEL_MONKEY_SEED override the built-in
    // defaults: the suite walks the one built-in seed, and a hand run can
    // walk any other, or repeat a failing one from its printed seed.
    // False, with error set, when an override is not a number.
    static bool fromEnvironment(MonkeySettings& settings, std::string& error);
};

} // namespace wumpel::monkey
