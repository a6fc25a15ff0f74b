// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace wumpel::monkey {

// Resident memory of this process, from /proc/self/status, in KiB.
struct ProcessMemory {
    std::int64_t residentKib = 0;
    std::int64_t peakResidentKib = 0;

    static ProcessMemory now();
};

} // namespace wumpel::monkey
