// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "xvfb_server.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string_view>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace wumpel::monkey {
namespace {

// A loaded machine can take a while to bring up a server, but not this long.
constexpr std::chrono::milliseconds StartTimeout{30000};

// The server's exit status.
int stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

constexpr std::string_view EndedEarly = "Xvfb ended before reporting a display";

// The display number, then a line break, once the server accepts clients.
std::string readDisplayNumber(int fd, std::string& error)
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
            error = EndedEarly;
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
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        close(readEnd);
        close(writeEnd);
        error = std::string("fork: ") + std::strerror(errno);
        return nullptr;
    }
    if (pid == 0) {
        // The server goes with whoever started it, even when a test runner
        // kills that one without warning.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(readEnd);
        // The server's chatter about fonts and extensions is not the test's output.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp("Xvfb", argv.data());
        // 127, as a shell reports a program it cannot find.
        _exit(127);
    }
    close(writeEnd);
    const std::string number = readDisplayNumber(readEnd, error);
    close(readEnd);
    if (number.empty()) {
        if (error.empty()) {
            error = "Xvfb reported an empty display number";
        }
        const int status = stop(pid);
        if (error == EndedEarly && WIFEXITED(status) && WEXITSTATUS(status) == 127) {
            error = "cannot run Xvfb (install the xvfb package)";
        }
        return nullptr;
    }
    return std::unique_ptr<XvfbServer>(new XvfbServer(pid, ":" + number));
}

XvfbServer::~XvfbServer()
{
    stop(m_pid);
}

} // namespace wumpel::monkey
