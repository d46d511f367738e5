// Adding a folder to the task list: drops one folder onto the real main window
// (offscreen, shown) and prints, on one line, the seconds to the first row, the
// seconds to the last, the rows, the longest time the window did not answer (a
// 10 ms timer's longest gap) and the peak memory in KiB.
//   korbanix_bench_folders_window <folder>
#include "app/CTolvaneAVConverterDlg.h"
#include "platform/FileNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    CTolvaneAVConverterDlg dialog;
    dialog.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    QElapsedTimer sinceTick;
    qint64 longestPauseMs = 0;
    double firstRow = -1;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPauseMs = std::max(longestPauseMs, sinceTick.restart());
        if (firstRow < 0 && dialog.taskList().Count() > 0) firstRow = timer.nsecsElapsed() / 1e9;
    });
    timer.start();
    sinceTick.start();
    ticker.start();
    dialog.DropFiles({DecodeFileName(argv[1])});
    const double seconds = timer.nsecsElapsed() / 1e9;
    longestPauseMs = std::max(longestPauseMs, sinceTick.elapsed());
    ticker.stop();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %.3f %d %lld %ld\n", firstRow < 0 ? seconds : firstRow, seconds, dialog.taskList().Count(),
                static_cast<long long>(longestPauseMs), usage.ru_maxrss);
    return 0;
}
