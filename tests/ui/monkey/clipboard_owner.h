// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace wumpel::monkey {

// Puts text on the X clipboard from another process, as a second program on
// the user's desktop would: xclip takes the selection and serves every paste
// until another client takes it over, then ends.
class ClipboardOwner {
public:
    // x is the window's own connection, so that once take() returns, the
    // window's next request finds the new owner.
    explicit ClipboardOwner(xcb_connection_t* x);
    ClipboardOwner(const ClipboardOwner&) = delete;
    ClipboardOwner& operator=(const ClipboardOwner&) = delete;
    ~ClipboardOwner();

    // Starts a new owner holding utf8 and returns once it owns the clipboard.
    // False, with error set, when xclip cannot run or never takes it.
    bool take(std::string_view utf8, std::string& error);

    // Kills the current owner after delay from another thread, so that the
    // owner can vanish while the window is in the middle of reading from it.
    void killAfter(std::chrono::microseconds delay);

private:
    xcb_window_t currentOwner() const;
    bool waitForOwner(const std::function<bool(xcb_window_t)>& wanted) const;
    void joinKiller();
    void reapEnded();

    xcb_connection_t* m_x;
    xcb_atom_t m_clipboardAtom = XCB_NONE;
    pid_t m_owner = -1;
    xcb_window_t m_ownerWindow = XCB_NONE;
    bool m_killed = false;
    std::vector<pid_t> m_earlier;
    std::thread m_killer;
};

} // namespace wumpel::monkey
