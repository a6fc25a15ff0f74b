// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT

// The monkey test: a private X server, the window in a child process driven
// by seeded random events, and this process watching it. A crash or a hang of
// the child fails the test with the seed and the event that caused it.

#include "monkey_progress.h"
#include "monkey_settings.h"
#include "window_monkey.h"
#include "xvfb_server.h"

#include <QApplication>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace wumpel::monkey;

namespace {

// No event takes this long, not even a paste of 100,000 lines under the
// sanitizers; a child that stays on one event longer is stuck.
constexpr std::chrono::seconds HangTimeout{180};

int runChild(int argc, char** argv, const MonkeySettings& settings, MonkeyProgress& progress,
             const std::string& display)
{
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // A clipboard owner killed mid-paste must not take the monkey with it.
    signal(SIGPIPE, SIG_IGN);
    QApplication application(argc, argv);
    WindowMonkey monkey(settings, progress);
    return monkey.run();
}

void repeatHint(const MonkeySettings& settings, const MonkeyProgress& progress)
{
    std::printf("Last events:\n%s"
                "Repeat with WUMPEL_MONKEY_SEED=%llu WUMPEL_MONKEY_EVENTS=%lld\n",
                progress.recentEvents().c_str(), static_cast<unsigned long long>(settings.seed),
                static_cast<long long>(progress.started));
}

// The child's exit status as the test's, with a report when it did not end
// by itself.
int watch(pid_t child, const MonkeySettings& settings, const MonkeyProgress& progress)
{
    std::int64_t lastStarted = -1;
    auto lastChange = std::chrono::steady_clock::now();
    while (true) {
        int status = 0;
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child) {
            if (WIFEXITED(status)) {
                return WEXITSTATUS(status);
            }
            const int signal = WTERMSIG(status);
            std::printf("window_monkey: FAILED: the window's process died of signal %d (%s) "
                        "during event %lld of seed %llu\n",
                        signal, strsignal(signal), static_cast<long long>(progress.started - 1),
                        static_cast<unsigned long long>(settings.seed));
            repeatHint(settings, progress);
            return 1;
        }
        if (progress.started != lastStarted) {
            lastStarted = progress.started;
            lastChange = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - lastChange > HangTimeout) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            std::printf("window_monkey: FAILED: the window hung for %lld s in event %lld of seed "
                        "%llu\n",
                        static_cast<long long>(HangTimeout.count()),
                        static_cast<long long>(progress.started - 1),
                        static_cast<unsigned long long>(settings.seed));
            repeatHint(settings, progress);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

} // namespace

int main(int argc, char** argv)
{
    MonkeySettings settings;
    std::string error;
    if (!MonkeySettings::fromEnvironment(settings, error)) {
        std::printf("window_monkey: FAILED: %s\n", error.c_str());
        return 1;
    }
    std::printf("window_monkey: seed %llu, %lld events, peak memory bound %lld MiB\n",
                static_cast<unsigned long long>(settings.seed),
                static_cast<long long>(settings.events), static_cast<long long>(settings.peakMib));
    std::fflush(stdout);

    MonkeyProgress* progress = MonkeyProgress::createShared();
    // For a debugger, or to watch the monkey on a display of one's own: no
    // private server and no watching process.
    if (const char* display = std::getenv("WUMPEL_MONKEY_DISPLAY"); display != nullptr) {
        return runChild(argc, argv, settings, *progress, display);
    }

    const std::unique_ptr<XvfbServer> server = XvfbServer::start(error);
    if (server == nullptr) {
        std::printf("window_monkey: FAILED: no X server for the window: %s\n", error.c_str());
        return 1;
    }
    const pid_t child = fork();
    if (child < 0) {
        std::printf("window_monkey: FAILED: fork: %s\n", std::strerror(errno));
        return 1;
    }
    if (child == 0) {
        // A test runner that gives up on the test kills this process only.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // exit, not _Exit: under the sanitizers the leak check runs here.
        std::exit(runChild(argc, argv, settings, *progress, server->display()));
    }
    return watch(child, settings, *progress);
}
