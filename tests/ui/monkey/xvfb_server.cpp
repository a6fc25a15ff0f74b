// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "xvfb_server.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace wumpel::monkey {
namespace {

// A loaded machine can take a while to bring up a server, but not this long.
constexpr std::chrono::milliseconds StartTimeout{30000};

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// The display number, then a line break, once the server accepts clients.
std::string readDisplayNumber(int fd, pid_t pid, std::string& error)
{
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + StartTimeout;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            error = "Xvfb did not report its display within 30 s";
            return {};
        }
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            error = std::string("poll: ") + std::strerror(errno);
            return {};
        }
        std::array<char, 32> buffer{};
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got == 0) {
            int status = 0;
            waitpid(pid, &status, WNOHANG);
            error = "Xvfb ended before reporting a display (is another server hogging every "
                    "display, or is the binary broken?)";
            return {};
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            error = std::string("reading Xvfb's display: ") + std::strerror(errno);
            return {};
        }
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer.at(static_cast<std::size_t>(i));
            if (c == '\n') {
                return number;
            }
            number += c;
        }
    }
}

} // namespace

std::unique_ptr<XvfbServer> XvfbServer::start(std::string& error)
{
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return nullptr;
    }
    const int readEnd = pipeEnds[0];
    const int writeEnd = pipeEnds[1];
    std::string fdText = std::to_string(writeEnd);
    std::vector<std::string> arguments{"Xvfb",    "-displayfd", fdText,         "-nolisten", "tcp",
                                       "-screen", "0",          "1280x1024x24", "-noreset"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, readEnd);
    // The server's chatter about fonts and extensions is not the test's output.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeEnd);
    if (spawned != 0) {
        close(readEnd);
        error =
            std::string("cannot run Xvfb (install the xvfb package): ") + std::strerror(spawned);
        return nullptr;
    }
    const std::string number = readDisplayNumber(readEnd, pid, error);
    close(readEnd);
    if (number.empty()) {
        if (error.empty()) {
            error = "Xvfb reported an empty display number";
        }
        stop(pid);
        return nullptr;
    }
    return std::unique_ptr<XvfbServer>(new XvfbServer(pid, ":" + number));
}

XvfbServer::~XvfbServer()
{
    stop(m_pid);
}

} // namespace wumpel::monkey
