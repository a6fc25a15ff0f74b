// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "clipboard_owner.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wumpel::monkey {
namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// xclip reads all its input before it takes the clipboard, and a loaded
// machine may be slow to start it.
constexpr std::chrono::seconds TakeTimeout{20};

} // namespace

ClipboardOwner::ClipboardOwner(xcb_connection_t* x) : m_x(x)
{
    constexpr std::string_view name = "CLIPBOARD";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_x, xcb_intern_atom(m_x, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    if (reply != nullptr) {
        m_clipboardAtom = reply->atom;
        std::free(reply);
    }
}

ClipboardOwner::~ClipboardOwner()
{
    joinKiller();
    if (m_owner > 0) {
        m_earlier.push_back(m_owner);
    }
    for (const pid_t pid : m_earlier) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool ClipboardOwner::take(std::string_view utf8, std::string& error)
{
    joinKiller();
    reapEnded();
    if (m_killed) {
        // The server reuses a dead client's window numbers for the next
        // client, so the new owner could look like the killed one: wait until
        // the server has let go of it.
        if (!waitForOwner([this](xcb_window_t owner) { return owner != m_ownerWindow; })) {
            error = "the X server kept a killed clipboard owner for 20 s";
            return false;
        }
        m_killed = false;
    }
    const xcb_window_t before = currentOwner();
    std::array<int, 2> pipeEnds{};
    if (pipe2(pipeEnds.data(), O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    std::array<std::string, 5> arguments{"xclip", "-quiet", "-selection", "clipboard", "-in"};
    std::array<char*, arguments.size() + 1> argv{};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        argv.at(i) = arguments.at(i).data();
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    // -quiet keeps xclip in the foreground, where it can be killed, but it
    // still reports each request.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "xclip", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[0]);
    if (spawned != 0) {
        close(pipeEnds[1]);
        error =
            std::string("cannot run xclip (install the xclip package): ") + std::strerror(spawned);
        return false;
    }
    const bool written = writeAll(pipeEnds[1], utf8);
    close(pipeEnds[1]);
    if (m_owner > 0) {
        m_earlier.push_back(m_owner);
    }
    m_owner = pid;
    if (!written) {
        error = std::string("feeding xclip: ") + std::strerror(errno);
        return false;
    }
    // A change notice from Qt could be a stale one, such as the end of an
    // owner killed a moment ago; the server's answer cannot.
    if (!waitForOwner(
            [before](xcb_window_t owner) { return owner != before && owner != XCB_NONE; })) {
        error = "xclip did not take the clipboard within 20 s";
        return false;
    }
    m_ownerWindow = currentOwner();
    return true;
}

bool ClipboardOwner::waitForOwner(const std::function<bool(xcb_window_t)>& wanted) const
{
    const auto deadline = std::chrono::steady_clock::now() + TakeTimeout;
    while (!wanted(currentOwner())) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

xcb_window_t ClipboardOwner::currentOwner() const
{
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(m_x, xcb_get_selection_owner(m_x, m_clipboardAtom), nullptr);
    if (reply == nullptr) {
        return XCB_NONE;
    }
    const xcb_window_t owner = reply->owner;
    std::free(reply);
    return owner;
}

void ClipboardOwner::killAfter(std::chrono::microseconds delay)
{
    joinKiller();
    const pid_t owner = m_owner;
    if (owner <= 0) {
        return;
    }
    m_killed = true;
    m_killer = std::thread([owner, delay] {
        std::this_thread::sleep_for(delay);
        kill(owner, SIGKILL);
    });
}

void ClipboardOwner::joinKiller()
{
    if (m_killer.joinable()) {
        m_killer.join();
    }
}

// An owner ends when another client takes the clipboard over; collect it so
// that a long run leaves no zombies behind.
void ClipboardOwner::reapEnded()
{
    std::erase_if(m_earlier, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; });
}

} // namespace wumpel::monkey
