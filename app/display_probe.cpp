// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "app/display_probe.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>
#include <wayland-client.h>
#include <xcb/xcb.h>

namespace wumpel {
namespace {

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

// The value after a Qt option on the command line (-platform wayland, also
// written --platform), or nothing.
std::optional<std::string> optionValue(std::span<const char* const> arguments,
                                       std::string_view option)
{
    for (std::size_t index = 1; index + 1 < arguments.size(); ++index) {
        std::string_view argument = arguments[index];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument == option) {
            return std::string(arguments[index + 1]);
        }
    }
    return std::nullopt;
}

// The platforms Qt tries in turn until one starts: the list given with
// -platform, else in QT_QPA_PLATFORM, else Wayland before X11 where a Wayland
// display is named or the session is a Wayland one, else X11 alone. Entries
// are separated by semicolons, and each may carry arguments after a colon.
std::vector<std::string> platformOrder(std::span<const char* const> arguments)
{
    std::optional<std::string> chosen = optionValue(arguments, "-platform");
    if (!chosen.has_value()) {
        chosen = environment("QT_QPA_PLATFORM");
    }
    if (!chosen.has_value() || chosen->empty()) {
        const bool wayland = environment("WAYLAND_DISPLAY").has_value() ||
                             environment("XDG_SESSION_TYPE") == "wayland";
        return wayland ? std::vector<std::string>{"wayland", "xcb"}
                       : std::vector<std::string>{"xcb"};
    }
    std::vector<std::string> order;
    std::string_view rest = *chosen;
    while (!rest.empty()) {
        const std::string_view entry = rest.substr(0, rest.find(';'));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        order.emplace_back(entry.substr(0, entry.find(':')));
    }
    return order;
}

bool reachesX11(const std::optional<std::string>& display)
{
    xcb_connection_t* connection =
        xcb_connect(display.has_value() ? display->c_str() : nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
}

bool reachesWayland()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    wl_display_disconnect(display);
    return true;
}

// What was tried on one platform and failed, or nothing where it succeeded or
// needs no display.
std::optional<std::string> failureOn(std::string_view platform,
                                     std::span<const char* const> arguments)
{
    if (platform == "xcb") {
        std::optional<std::string> display = optionValue(arguments, "-display");
        if (!display.has_value()) {
            display = environment("DISPLAY");
        }
        if (reachesX11(display)) {
            return std::nullopt;
        }
        return display.has_value() && !display->empty()
                   ? "cannot reach the X11 display \"" + *display + "\""
                   : std::string("DISPLAY is unset");
    }
    // A socket handed over in WAYLAND_SOCKET can be connected only once, and
    // that once is Qt's.
    if (platform.starts_with("wayland") && !environment("WAYLAND_SOCKET").has_value()) {
        // Without WAYLAND_DISPLAY, libwayland looks for wayland-0.
        const std::string display = environment("WAYLAND_DISPLAY").value_or("wayland-0");
        const std::string failure = "cannot reach the Wayland display \"" + display + "\"";
        // A name that is not a path is looked up in XDG_RUNTIME_DIR; without
        // it libwayland would print a line of its own.
        if (!display.starts_with('/') &&
            !environment("XDG_RUNTIME_DIR").value_or("").starts_with('/')) {
            return failure + " (XDG_RUNTIME_DIR is unset)";
        }
        if (reachesWayland()) {
            return std::nullopt;
        }
        return failure;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> unreachableDisplays(int argc, const char* const* argv)
{
    const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
    std::string failures;
    for (const std::string& platform : platformOrder(arguments)) {
        const std::optional<std::string> failure = failureOn(platform, arguments);
        if (!failure.has_value()) {
            return std::nullopt;
        }
        failures += (failures.empty() ? "" : "; ") + *failure;
    }
    // An empty list is Qt's to report.
    return failures.empty() ? std::nullopt : std::optional<std::string>(failures);
}

} // namespace wumpel
