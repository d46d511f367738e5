#include "cli/CliRun.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/PresetsCommand.h"
#include "engine/MergeWorker.h"
#include "engine/ProbeMedia.h"
#include "engine/TranscodeWorker.h"
#include "packaging/Version.h"

#include <cerrno>
#include <ctime>
#include <ostream>
#include <pthread.h>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

namespace cli {

SignalStopSource::~SignalStopSource() {
    if (!m_armed) return;
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
}

int SignalStopSource::wait(std::chrono::milliseconds timeout) {
    if (!m_armed) arm();
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
    // Nothing is flushed or finished: the worker may be inside FFmpeg, and a closed
    // standard error must not matter either.
    [[maybe_unused]] ssize_t ignored = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
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
    // FFmpeg's own chatter would bury the progress and the result lines: its errors
    // only, unless asked otherwise.
    av_log_set_level(command.convert.quiet     ? AV_LOG_QUIET
                     : command.convert.verbose ? AV_LOG_WARNING
                                               : AV_LOG_ERROR);
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
        return RunProbe(command.files, env);
    case CommandKind::Convert:
        return RunConvert(command, env);
    }
    return kExitUsage;
}

}  // namespace cli
