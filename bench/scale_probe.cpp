// Adding many files to the task list: drops every file named in a list file onto
// the real main window (offscreen, shown), the way a file manager's drop or "Open
// with" adds them, and prints the seconds it took, the rows that came of it and
// the longest time the window did not answer (a 10 ms timer's longest gap).
// Goals: 1,000 files listed within 2 s (2 ms a file beyond), no pause over 100 ms;
// exits 1 when one is missed.
//   korbanix_bench_scale_probe <file with one path per line>
#include "app/CTolvaneAVConverterDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <list file>\n", argv[0]);
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
    QStringList files;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.isEmpty()) files << line;
    }
    CTolvaneAVConverterDlg dialog;
    dialog.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    QElapsedTimer sinceTick;
    qint64 longestPauseMs = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPauseMs = std::max(longestPauseMs, sinceTick.restart());
    });
    timer.start();
    sinceTick.start();
    ticker.start();
    dialog.DropFiles(files);
    const double seconds = timer.nsecsElapsed() / 1e9;
    longestPauseMs = std::max(longestPauseMs, sinceTick.elapsed());
    ticker.stop();
    const long long count = files.size();
    const double goal = count <= 1000 ? 2.0 : 2.0 * count / 1000.0;
    std::printf("%.3f seconds for %lld files, %d rows, longest pause %lld ms (goals: %.0f s, 100 ms)\n", seconds,
                count, dialog.taskList().Count(), static_cast<long long>(longestPauseMs), goal);
    const bool met = dialog.taskList().Count() == files.size() && seconds <= goal && longestPauseMs <= 100;
    return met ? 0 : 1;
}
