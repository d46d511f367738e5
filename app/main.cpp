#include "app/CTolvaneAVConverterApp.h"
#include "packaging/Version.h"

#include <QApplication>

extern "C" {
#include <libavutil/log.h>
}

#include <csignal>
#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: korbanix [FILE...]\n"
    "Starts the Korbanix window; every FILE is added to the task list as if dropped on it.\n"
    "\n"
    "  --help       show this text\n"
    "  --version    show the version\n"
    "\n"
    "The command-line converter is korbanix-cli; see 'korbanix-cli --help'.\n";

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
    // FFmpeg's own messages would flood the terminal the window was started from:
    // its errors only.
    av_log_set_level(AV_LOG_ERROR);
    // A file-size limit (ulimit -f) reached fails the row that reaches it ("File too
    // large") instead of killing the window with a partial file.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korbanix");
    QApplication::setApplicationVersion(QString::fromUtf8(KorbanixVersion()));
    QStringList files = QApplication::arguments();
    files.removeFirst();
    CTolvaneAVConverterApp program(files);
    program.InitInstance();
    return program.ExitInstance();
}
