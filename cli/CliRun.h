#pragma once
// The command-line front end's run loop: the same road a conversion takes in the GUI
// (probe every file, fill the job from the profile and the task rows, start the worker
// on a WorkerThread, poll the job every 300 ms), with a terminal progress display and
// result lines instead of windows.
//
// Everything the loop depends on from outside (streams, the probe, the workers, how a
// stop request arrives) comes through CliEnvironment, so tests can drive it without
// media or signals.

#include "engine/WorkerThread.h"

#include <chrono>
#include <csignal>
#include <iosfwd>
#include <string>
#include <vector>

class AVConvert;

namespace cli {

// Exit status after a stop: 128 + the signal, as shells report a signal death.
constexpr int kExitInterrupted = 130;

// How the user asks a running conversion to stop.
class StopSource {
public:
    virtual ~StopSource() = default;
    // Called on the polling thread just before the worker starts.
    virtual void arm() = 0;
    // Blocks up to `timeout`; returns the number of a signal that asks for a stop, or 0.
    virtual int wait(std::chrono::milliseconds timeout) = 0;
};

// SIGINT and SIGTERM. arm() blocks both in the calling thread, so every thread made
// afterwards (the worker and FFmpeg's own threads) inherits the block and only the
// polling thread receives them, through sigtimedwait. The destructor drops any signal
// still pending (a second Ctrl+C while the last output is finished) and restores the
// previous mask.
class SignalStopSource : public StopSource {
public:
    SignalStopSource() = default;
    ~SignalStopSource() override;
    SignalStopSource(const SignalStopSource&) = delete;
    SignalStopSource& operator=(const SignalStopSource&) = delete;
    void arm() override;
    int wait(std::chrono::milliseconds timeout) override;

private:
    bool m_armed = false;
    sigset_t m_signals{};
    sigset_t m_previous{};
};

struct CliEnvironment {
    std::ostream* out = nullptr;  // result lines, probe fields, profile list, help
    std::ostream* err = nullptr;  // messages and progress
    bool errIsTerminal = false;   // draw a progress bar instead of progress lines
    int terminalColumns = 80;
    std::chrono::milliseconds pollInterval{300};
    StopSource* stopSource = nullptr;  // required by convert
    int (*probe)(AVConvert& job) = nullptr;
    WorkerThread::Procedure transcodeWorker = nullptr;
    WorkerThread::Procedure mergeWorker = nullptr;
};

// The engine's real probe and workers.
CliEnvironment DefaultEnvironment(std::ostream& out, std::ostream& err);

// Runs one command line (program name excluded); returns the exit status.
int RunCli(const std::vector<std::string>& args, CliEnvironment& env);

}  // namespace cli
