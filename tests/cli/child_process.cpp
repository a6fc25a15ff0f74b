// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

namespace wumpel::testing_support {
namespace {

[[noreturn]] void ThrowErrno(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

struct Pipe {
    Pipe()
    {
        if (::pipe2(ends.data(), O_CLOEXEC) != 0) {
            ThrowErrno("pipe2");
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe(Pipe&&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    Pipe& operator=(Pipe&&) = delete;
    ~Pipe()
    {
        CloseRead();
        CloseWrite();
    }

    int Read() const { return ends.at(0); }
    int Write() const { return ends.at(1); }
    void CloseRead() { Close(0); }
    void CloseWrite() { Close(1); }

private:
    void Close(std::size_t end)
    {
        if (ends.at(end) >= 0) {
            ::close(ends.at(end));
            ends.at(end) = -1;
        }
    }

    std::array<int, 2> ends{-1, -1};
};

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments, Pipe& input,
            Pipe& output, Pipe& error)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.Read(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output.Write(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, error.Write(), STDERR_FILENO);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::system_error(failed, std::generic_category(), "posix_spawn " + program);
    }
    return pid;
}

// Moves what is ready on one of the child's output pipes into text; false at its end.
bool Drain(int fd, std::string& text)
{
    std::array<char, 1 << 16> buffer{};
    const ssize_t count = ::read(fd, buffer.data(), buffer.size());
    if (count < 0) {
        if (errno == EINTR || errno == EAGAIN) {
            return true;
        }
        ThrowErrno("read");
    }
    text.append(buffer.data(), static_cast<std::size_t>(count));
    return count > 0;
}

} // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         std::string_view input)
{
    // A child that exits before reading all its input must not kill the test.
    std::signal(SIGPIPE, SIG_IGN);
    Pipe toChild;
    Pipe fromChild;
    Pipe errorsFromChild;
    const pid_t pid = Spawn(program, arguments, toChild, fromChild, errorsFromChild);
    toChild.CloseRead();
    // Without this a large write could block while the child waits for us to read.
    ::fcntl(toChild.Write(), F_SETFL, O_NONBLOCK);
    fromChild.CloseWrite();
    errorsFromChild.CloseWrite();
    if (input.empty()) {
        toChild.CloseWrite();
    }

    ProcessResult result;
    bool outputOpen = true;
    bool errorOpen = true;
    while (outputOpen || errorOpen) {
        std::array<pollfd, 3> watched{{{fromChild.Read(), POLLIN, 0},
                                       {errorsFromChild.Read(), POLLIN, 0},
                                       {input.empty() ? -1 : toChild.Write(), POLLOUT, 0}}};
        if (!outputOpen) {
            watched.at(0).fd = -1;
        }
        if (!errorOpen) {
            watched.at(1).fd = -1;
        }
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("poll");
        }
        if (watched.at(0).revents != 0) {
            outputOpen = Drain(fromChild.Read(), result.Output);
        }
        if (watched.at(1).revents != 0) {
            errorOpen = Drain(errorsFromChild.Read(), result.Error);
        }
        if (watched.at(2).revents != 0) {
            const ssize_t written = ::write(toChild.Write(), input.data(), input.size());
            if (written < 0 && errno != EINTR && errno != EAGAIN) {
                input = {}; // the child stopped reading, which is its right
            } else if (written > 0) {
                input.remove_prefix(static_cast<std::size_t>(written));
            }
            if (input.empty()) {
                toChild.CloseWrite();
            }
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            ThrowErrno("waitpid");
        }
    }
    result.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace wumpel::testing_support
