#include "cli/CliRun.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/PresetsCommand.h"
#include "engine/MergeWorker.h"
#include "engine/ProbeMedia.h"
#include "engine/TranscodeWorker.h"
#include "packaging/Version.h"

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <deque>
#include <mutex>
#include <ostream>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

namespace cli {

// The thread that takes the stop signals: the first goes to wait(), the second
// ends the process.
struct SignalStopSource::Watcher {
    int signals = -1;  // signalfd of the stop signals
    int quit = -1;     // eventfd: the destructor wants the thread to end
    std::thread thread;
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<int> pending;  // first signal, not yet taken by wait()
    int first = 0;

    void run(void (*atSecond)(int)) {
        pollfd fds[2] = {{signals, POLLIN, 0}, {quit, POLLIN, 0}};
        for (;;) {
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (fds[1].revents) return;
            signalfd_siginfo info{};
            if (::read(signals, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) continue;
            std::unique_lock lock(mutex);
            if (first != 0) {
                atSecond(128 + first);  // never returns
                return;
            }
            first = static_cast<int>(info.ssi_signo);
            pending.push_back(first);
            arrived.notify_all();
        }
    }
};

SignalStopSource::SignalStopSource(void (*atSecond)(int)) : m_atSecond(atSecond ? atSecond : &ExitAtOnce) {}

SignalStopSource::~SignalStopSource() {
    if (!m_armed) return;
    if (m_watcher) {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t ignored = ::write(m_watcher->quit, &one, sizeof one);
        if (m_watcher->thread.joinable()) m_watcher->thread.join();
        ::close(m_watcher->signals);
        ::close(m_watcher->quit);
    }
    timespec none{0, 0};
    while (sigtimedwait(&m_signals, nullptr, &none) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

void SignalStopSource::arm() {
    if (m_armed) return;
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    struct sigaction hangup {};
    if (sigaction(SIGHUP, nullptr, &hangup) == 0 && hangup.sa_handler != SIG_IGN) sigaddset(&m_signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &m_signals, &m_previous);
    m_armed = true;
    auto watcher = std::make_unique<Watcher>();
    watcher->signals = ::signalfd(-1, &m_signals, SFD_CLOEXEC);
    watcher->quit = ::eventfd(0, EFD_CLOEXEC);
    if (watcher->signals < 0 || watcher->quit < 0) {
        // Without the descriptors wait() takes the signals itself, as before.
        if (watcher->signals >= 0) ::close(watcher->signals);
        if (watcher->quit >= 0) ::close(watcher->quit);
        return;
    }
    // Made after the block: the watcher inherits it and reads the signals only
    // through its descriptor.
    try {
        watcher->thread = std::thread([w = watcher.get(), atSecond = m_atSecond] { w->run(atSecond); });
    } catch (const std::system_error&) {
        // No thread to be had (ulimit -u): wait() takes the signals itself.
        ::close(watcher->signals);
        ::close(watcher->quit);
        return;
    }
    m_watcher = std::move(watcher);
}

int SignalStopSource::wait(std::chrono::milliseconds timeout) {
    if (!m_armed) arm();
    if (m_watcher) {
        std::unique_lock lock(m_watcher->mutex);
        m_watcher->arrived.wait_for(lock, timeout, [this] { return !m_watcher->pending.empty(); });
        if (m_watcher->pending.empty()) return 0;
        const int signal = m_watcher->pending.front();
        m_watcher->pending.pop_front();
        return signal;
    }
    auto whole = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    auto rest = std::chrono::duration_cast<std::chrono::nanoseconds>(timeout - whole);
    timespec span{static_cast<time_t>(whole.count()), static_cast<long>(rest.count())};
    for (;;) {
        int signal = sigtimedwait(&m_signals, nullptr, &span);
        if (signal > 0) return signal;
        if (errno != EINTR) return 0;  // EAGAIN: the time is up
    }
}

void ExitAtOnce(int status) {
    static constexpr char kLine[] = "Stopped at once: the current output is left unfinished.\n";
    // Nothing is flushed or finished: the worker may be inside FFmpeg. A standard
    // error that would block (a full pipe nobody reads) gets no line: the line
    // fits in a pipe whenever poll says it is writable.
    pollfd err{STDERR_FILENO, POLLOUT, 0};
    if (::poll(&err, 1, 0) == 1 && (err.revents & POLLOUT)) {
        [[maybe_unused]] ssize_t ignored = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
    }
    _exit(status);
}

CliEnvironment DefaultEnvironment(std::ostream& out, std::ostream& err) {
    CliEnvironment env;
    env.out = &out;
    env.err = &err;
    env.probe = &ProbeMedia;
    env.transcodeWorker = &TranscodeWorker;
    env.mergeWorker = &MergeWorker;
    env.exitAtOnce = &ExitAtOnce;
    return env;
}

int RunCli(const std::vector<std::string>& args, CliEnvironment& env) {
    if (!args.empty() && args.front() == "presets") return RunPresets(args, env);
    ParseResult parsed = ParseCommandLine(args);
    if (!parsed.command) {
        *env.err << "korbanix-cli: " << parsed.error << "\n"
                 << "Try 'korbanix-cli --help' for more information.\n";
        return kExitUsage;
    }
    const CommandLine& command = *parsed.command;
    // FFmpeg's own lines name no file and would bury the progress and the result
    // lines (each failure has its reason there): only when asked for.
    av_log_set_level(command.convert.verbose ? AV_LOG_WARNING : AV_LOG_QUIET);
    switch (command.kind) {
    case CommandKind::Help:
        *env.out << UsageText();
        return kExitOk;
    case CommandKind::Version:
        *env.out << "korbanix-cli " << KorbanixVersion() << "\n";
        return kExitOk;
    case CommandKind::Profiles:
        return RunProfiles(env);
    case CommandKind::Probe:
        return RunProbe(command.files, env, {command.convert.language, command.convert.stillPictureSeconds});
    case CommandKind::Convert:
        return RunConvert(command, env);
    case CommandKind::Watch:
        return RunWatch(command, env);
    }
    return kExitUsage;
}

}  // namespace cli
