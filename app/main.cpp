#include "app/CTolvaneAVConverterApp.h"
#include "app/SingleInstance.h"
#include "packaging/Version.h"
#include "platform/Platform.h"
#include "platform/UiLanguage.h"

#include <QApplication>

extern "C" {
#include <libavutil/log.h>
}

#include <csignal>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

constexpr const char* kUsage =
    "Usage: korbanix [--no-restore] [FILE...]\n"
    "Starts the Korbanix window; every FILE is added to the task list. When the window\n"
    "is already open, the files are added to it instead and no second window opens.\n"
    "\n"
    "  --no-restore  start with an empty task list; the list kept from the last run\n"
    "                stays saved until the new list is changed\n"
    "  --help        show this text\n"
    "  --version     show the version\n"
    "\n"
    "The command-line converter is korbanix-cli; see 'korbanix-cli --help'.\n";

// How long a start waits for a window that is just opening before it opens
// one of its own.
constexpr auto kHandOffPatience = std::chrono::seconds(15);

std::string currentFolder() {
    std::vector<char> buffer(4096);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

// True when a running window took the files; otherwise `server` holds the lock
// and this start opens the window.
bool handedToRunningWindow(int argc, char* argv[], InstanceServer& server, const std::string& socketPath) {
    const std::vector<std::string> files =
        single_instance::AbsoluteFiles(std::vector<std::string>(argv + 1, argv + argc), currentFolder());
    if (socketPath.empty()) {
        std::fputs("korbanix: the folder for the window's socket is not this user's own; "
                   "this window is not shared\n", stderr);
        return false;
    }
    const auto giveUp = std::chrono::steady_clock::now() + kHandOffPatience;
    for (;;) {
        if (single_instance::HandFilesToRunningWindow(socketPath, files)) return true;
        if (server.TakeLock(socketPath)) return false;
        // No lock can be made there (a missing runtime folder): nobody else holds it.
        if (server.LockUnusable()) return false;
        // Another start holds the lock but does not listen yet: it is opening.
        if (std::chrono::steady_clock::now() > giveUp) {
            std::fputs("korbanix: the open window does not answer; opening another one\n", stderr);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the window system is touched, so they work without a display.
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("korbanix %.*s\n", static_cast<int>(KorbanixVersion().size()), KorbanixVersion().data());
            return 0;
        }
    }
    // One window per session: a window that is open already takes the files.
    InstanceServer instance;
    const std::string socketPath = single_instance::SocketPath();
    if (handedToRunningWindow(argc, argv, instance, socketPath)) return 0;
    // FFmpeg's own messages would flood the terminal the window was started from:
    // its errors only.
    av_log_set_level(AV_LOG_ERROR);
    // A file-size limit (ulimit -f) reached fails the row that reaches it ("File too
    // large") instead of killing the window with a partial file.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korbanix");
    QApplication::setApplicationVersion(QString::fromUtf8(KorbanixVersion()));
    // The windows speak the desktop's language when it is shipped; the command-line
    // texts above stay English, as scripts read them.
    UiTranslation translation;
    translation.Install(ChooseUiLanguage(DesktopLanguages()), TranslationsFolder(CurrentPlatform().ExecutableFolder()));
    // After QApplication took its own options out of argv.
    const QStringList files = single_instance::FilesOfArguments(argc, argv);
    instance.Listen(socketPath);
    CTolvaneAVConverterApp program(files, &instance);
    program.InitInstance();
    const int result = program.ExitInstance();
    instance.Close();
    return result;
}
