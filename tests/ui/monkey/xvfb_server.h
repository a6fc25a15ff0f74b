// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <sys/types.h>

namespace wumpel::monkey {

// A private X server for one run. Xvfb chooses a free display itself and
// reports it through a pipe, so runs side by side never fight over a number.
class XvfbServer {
public:
    // Nullptr when no server could be started; error then says why.
    static std::unique_ptr<XvfbServer> start(std::string& error);

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // ":N", for DISPLAY.
    const std::string& display() const { return m_display; }

private:
    XvfbServer(pid_t pid, std::string display) : m_pid(pid), m_display(std::move(display)) {}

    pid_t m_pid;
    std::string m_display;
};

} // namespace wumpel::monkey
