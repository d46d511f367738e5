// Adding many files to the task list: drops every file named in a list file onto
// the real main window (offscreen), the way a file manager's drop or "Open with"
// adds them, and prints the seconds it took and the rows that came of it.
//   korbanix_bench_scale_probe <file with one path per line>
#include "app/CTolvaneAVConverterDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

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
    QElapsedTimer timer;
    timer.start();
    dialog.DropFiles(files);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%.3f seconds for %lld files, %d rows\n", seconds, static_cast<long long>(files.size()),
                dialog.taskList().Count());
    return dialog.taskList().Count() == files.size() ? 0 : 1;
}
