#pragma once
// Runs one robustness case in a forked child so that a crash, a sanitizer report
// or a hang ends that child only and is reported with the case's name and seed.
//
// The child arms alarm(seconds) before the body runs; the parent also kills it
// a little later in case the alarm signal is blocked. Call from a thread-free
// parent (the test's main thread before it starts workers): only the forking
// thread exists in the child.

#include <functional>
#include <string>

namespace robustness {

// Exit codes a body returns; anything else comes from a sanitizer or a crash.
inline constexpr int kCaseOk = 0;
inline constexpr int kCaseBrokenContract = 3;  // the body saw an outcome the contract forbids
inline constexpr int kCaseLeaked = 4;          // LeakSanitizer found memory left behind

struct ChildOutcome {
    int exitCode = -1;    // when the child exited
    int signal = 0;       // when a signal ended it
    bool timedOut = false;
    bool ok() const { return !timedOut && signal == 0 && exitCode == kCaseOk; }
    std::string describe() const;
};

ChildOutcome runInChild(const std::function<int()>& body, unsigned seconds);

}  // namespace robustness
