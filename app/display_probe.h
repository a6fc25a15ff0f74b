// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Qt ends in an abort with a core dump when none of the platforms it tries can
// reach its display: DISPLAY=:999 with no X server there, or a WAYLAND_DISPLAY
// whose compositor has gone. Looking for the displays before Qt starts, the
// way Qt 6.4 chooses them, lets the program say which one it could not reach.

#include <optional>
#include <string>

namespace wumpel {

// Nothing where one of the platforms Qt will try reaches its display, or is
// one that needs no display (offscreen, vnc, eglfs, ...); otherwise what was
// tried, such as: cannot reach the Wayland display "wayland-1"; DISPLAY is unset.
std::optional<std::string> unreachableDisplays(int argc, const char* const* argv);

} // namespace wumpel
