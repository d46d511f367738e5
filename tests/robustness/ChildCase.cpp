#include "tests/robustness/ChildCase.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define KORBANIX_HAVE_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define KORBANIX_HAVE_LSAN 1
#endif
#endif

namespace robustness {

std::string ChildOutcome::describe() const {
    if (timedOut) return "hung (killed after its time limit)";
    if (signal == SIGALRM) return "hung (alarm)";
    if (signal) return std::string("killed by signal ") + std::to_string(signal) + " (" + strsignal(signal) + ")";
    if (exitCode == kCaseBrokenContract) return "returned an outcome outside the contract";
    if (exitCode == kCaseLeaked) return "leaked memory";
    if (exitCode == kCaseOk) return "ok";
    return "exited with " + std::to_string(exitCode) + " (sanitizer report or abort, see the log above)";
}

ChildOutcome runInChild(const std::function<int()>& body, unsigned seconds) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    ChildOutcome outcome;
    if (pid < 0) {
        outcome.exitCode = 127;
        return outcome;
    }
    if (pid == 0) {
        std::signal(SIGALRM, SIG_DFL);
        alarm(seconds);
        int code = body();
#ifdef KORBANIX_HAVE_LSAN
        // _exit skips the end-of-process leak check; run it here instead.
        if (code == kCaseOk && __lsan_do_recoverable_leak_check() != 0) code = kCaseLeaked;
#endif
        std::fflush(nullptr);
        _exit(code);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds + 15);
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0) {
            outcome.exitCode = 127;
            return outcome;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            outcome.timedOut = true;
            return outcome;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace robustness
