// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace wumpel::monkey {

ProcessMemory ProcessMemory::now()
{
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        std::int64_t kib = 0;
        fields >> key >> kib;
        if (key == "VmRSS:") {
            memory.residentKib = kib;
        } else if (key == "VmHWM:") {
            memory.peakResidentKib = kib;
        }
    }
    return memory;
}

} // namespace wumpel::monkey
