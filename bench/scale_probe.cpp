// Adding many files to the task list: drops every file named in a list file onto
// the real main window (offscreen, shown, its list kept on disk as the program
// keeps it), the way a file manager's drop or "Open with" adds them, and prints
// the seconds it took, the rows that came of it and the longest time the window
// did not answer (a 10 ms timer's longest gap).
// Goals: 1,000 files listed within 2 s (2 ms a file beyond), no pause over 100 ms;
// exits 1 when one is missed. A message the window shows (files it refuses, a
// full list) is answered at once and counted, so a run never waits for a person.
//   korbanix_bench_scale_probe <file with one path per line>
#include "app/CTolvaneAVConverterDlg.h"
#include "app/TaskListKeeper.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

#include <cstdio>
#include <ctime>

namespace {

// CPU time of the calling thread: on a machine shared with other work the
// pauses the window itself causes stand out from the ones the scheduler adds.
qint64 threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

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
    // The list is kept on disk while it grows, as in the program.
    QTemporaryDir keptIn;
    TaskListKeeper keeper(dialog, keptIn.filePath(QStringLiteral("tasks.json")));
    dialog.show();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    QElapsedTimer sinceTick;
    qint64 longestPauseMs = 0;
    qint64 longestBusyCpuMs = 0;
    qint64 cpuAtTick = threadCpuMs();
    const qint64 cpuAtStart = cpuAtTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPauseMs = std::max(longestPauseMs, sinceTick.restart());
        const qint64 cpu = threadCpuMs();
        longestBusyCpuMs = std::max(longestBusyCpuMs, cpu - cpuAtTick);
        cpuAtTick = cpu;
    });
    int messages = 0;
    QTimer answerer;
    answerer.setInterval(50);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++messages;
            box->reject();
        }
    });
    answerer.start();
    timer.start();
    sinceTick.start();
    ticker.start();
    dialog.DropFiles(files);
    const double seconds = timer.nsecsElapsed() / 1e9;
    longestPauseMs = std::max(longestPauseMs, sinceTick.elapsed());
    ticker.stop();
    const long long count = files.size();
    const double goal = count <= 1000 ? 2.0 : 2.0 * count / 1000.0;
    std::printf("%.3f seconds for %lld files, %d rows, longest pause %lld ms, %d messages (goals: %.0f s, 100 ms); "
                "window thread: %lld ms CPU, longest stretch %lld ms CPU\n",
                seconds, count, dialog.taskList().Count(), static_cast<long long>(longestPauseMs), messages, goal,
                static_cast<long long>(threadCpuMs() - cpuAtStart), static_cast<long long>(longestBusyCpuMs));
    const bool met = dialog.taskList().Count() == files.size() && messages == 0 && seconds <= goal && longestPauseMs <= 100;
    return met ? 0 : 1;
}
