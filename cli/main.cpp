// korbanix-cli: the command-line front end over the conversion engine.
#include "cli/CliRun.h"

#include <csignal>
#include <iostream>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    // A reader that went away (| head) makes writes fail instead of killing the
    // process in the middle of an output file.
    std::signal(SIGPIPE, SIG_IGN);
    // A file-size limit (ulimit -f) reached makes the write fail with "File too
    // large", which the row reports and cleans up, instead of killing the process
    // with a partial file and no result line.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::SignalStopSource stopSource;
    cli::CliEnvironment env = cli::DefaultEnvironment(std::cout, std::cerr);
    env.stopSource = &stopSource;
    env.errIsTerminal = isatty(STDERR_FILENO) == 1;
    winsize size{};
    if (env.errIsTerminal && ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        env.terminalColumns = size.ws_col;
    int status = cli::RunCli(args, env);
    // Result lines that could not be written (a full disk, /dev/full) leave nobody
    // knowing what was converted: no success. A pipe whose reader went away (| head)
    // is the reader's choice and changes nothing.
    std::cout.flush();
    struct stat out {};
    const bool pipe = ::fstat(STDOUT_FILENO, &out) == 0 && (S_ISFIFO(out.st_mode) || S_ISSOCK(out.st_mode));
    if (!std::cout.good() && !pipe && (status == 0 || status == 1)) {
        std::cerr << "korbanix-cli: the result lines could not be written\n";
        status = 1;
    }
    return status;
}
