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
#include <memory>
#include <string>
#include <vector>

class AVConvert;

namespace cli {

// Exit status after a stop: 128 + the signal, as shells report a signal death.
constexpr int kExitInterrupted = 130;

// How the user asks a conversion to stop. The first request stops after the current
// output has been finished; a second one ends the process at once.
class StopSource {
public:
    virtual ~StopSource() = default;
    // Called on the polling thread before the files are probed.
    virtual void arm() = 0;
    // Blocks up to `timeout`; returns the number of a signal that asks for a stop, or 0.
    virtual int wait(std::chrono::milliseconds timeout) = 0;
    // A stop asked for since the last look, without waiting (between two probes).
    virtual int poll() { return wait(std::chrono::milliseconds(0)); }
};

// SIGINT, SIGTERM and SIGHUP (a closed terminal; left alone when the process was
// started with SIGHUP ignored, as nohup does). arm() blocks them in the calling
// thread, so every thread made afterwards (the worker and FFmpeg's own threads)
// inherits the block, and starts a watcher thread that takes them from a signalfd:
// no handler runs. The first signal is handed to wait(); the second ends the
// process from the watcher itself through `atSecond` (128 + the first signal),
// whatever the other threads are doing - probing a slow file, writing to a full
// pipe, stuck in a worker. A blocked signal is kept even when it was ignored at
// start, so a stop sent to a background run is not lost. The destructor stops the
// watcher, drops any signal still pending and restores the previous mask.
class SignalStopSource : public StopSource {
public:
    explicit SignalStopSource(void (*atSecond)(int status) = nullptr);
    ~SignalStopSource() override;
    SignalStopSource(const SignalStopSource&) = delete;
    SignalStopSource& operator=(const SignalStopSource&) = delete;
    void arm() override;
    int wait(std::chrono::milliseconds timeout) override;

private:
    struct Watcher;
    std::unique_ptr<Watcher> m_watcher;
    void (*m_atSecond)(int status);
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
    // The mount table the FAT32 size check reads (tests give their own).
    std::string mountTable = "/proc/self/mounts";
    // A second stop signal: ends the process with `status` at once, finishing
    // nothing. Tests replace it; the real one never returns.
    void (*exitAtOnce)(int status) = nullptr;
};

// The real exitAtOnce: a line on standard error (left out when standard error would
// block, a pipe nobody reads), then _exit.
[[noreturn]] void ExitAtOnce(int status);

// The engine's real probe and workers.
CliEnvironment DefaultEnvironment(std::ostream& out, std::ostream& err);

// Runs one command line (program name excluded); returns the exit status.
int RunCli(const std::vector<std::string>& args, CliEnvironment& env);

}  // namespace cli
