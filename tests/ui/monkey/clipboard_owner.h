// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace wumpel::monkey {

// Puts text on the X clipboard from another process, as a second program on
// the user's desktop would: xclip takes the selection and serves every paste
// until another client takes it over, then ends.
class ClipboardOwner {
public:
    ClipboardOwner() = default;
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;
    ~ClipboardOwner();

    // Starts a new owner holding utf8. False, with error set, when xclip cannot run.
    bool take(std::string_view utf8, std::string& error);

    // Kills the current owner after delay from another thread, so that the
    // owner can vanish while the window is in the middle of reading from it.
    void killAfter(std::chrono::microseconds delay);

private:
    void joinKiller();
    void reapEnded();

    pid_t m_owner = -1;
    std::vector<pid_t> m_earlier;
    std::thread m_killer;
};

} // namespace wumpel::monkey
