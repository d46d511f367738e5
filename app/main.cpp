#include "app/CTolvaneAVConverterApp.h"

#include <QApplication>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char* argv[]) {
    // FFmpeg's own messages would flood the terminal the window was started from:
    // its errors only.
    av_log_set_level(AV_LOG_ERROR);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Korbanix");
    QStringList files = QApplication::arguments();
    files.removeFirst();
    CTolvaneAVConverterApp program(files);
    program.InitInstance();
    return program.ExitInstance();
}
