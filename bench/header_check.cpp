// Times the task list's header check box at full capacity: 9,999 rows, checked
// all at once from the header and cleared again. The list keeps a count of
// unchecked rows, so each row's change costs one step; --with-scan also times the
// alternative of scanning the rows after every change, for comparison.
//
//   korbanix_bench_header_check [--with-scan]

#include "controls/CheckListCtrl.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kRows = 9999;

void fill(CCheckListCtrl& list) {
    const char* headings[] = {"Source file", "Start time", "End time", "Output format", "Status", "Duration"};
    const int widths[] = {200, 75, 75, 100, 150, 0};
    for (int column = 0; column < 6; ++column) list.InsertColumn(column, headings[column], widths[column]);
    list.AddExtendedStyle(CCheckListCtrl::kGridLines | CCheckListCtrl::kCheckBoxes | CCheckListCtrl::kFullRowSelect);
    for (int row = 0; row < kRows; ++row) {
        list.InsertItem(row, QStringLiteral("/home/user/Videos/clip%1.mp4").arg(row));
        list.SetItemText(row, 1, "00:00:00");
        list.SetItemText(row, 2, "00:01:05");
        list.SetItemText(row, 4, " Ready");
        list.SetItemText(row, 5, "65");
    }
    list.InitCheckHeader();
}

// The scan the header would need without a count: the first unchecked row.
int firstUnchecked(const CCheckListCtrl& list) {
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (!list.GetCheck(row)) return row;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool withScan = argc > 1 && std::strcmp(argv[1], "--with-scan") == 0;

    CCheckListCtrl list;
    list.resize(700, 400);
    list.show();
    fill(list);
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    list.ToggleAllFromHeader();
    const double checkMs = timer.nsecsElapsed() / 1e6;
    QApplication::processEvents();
    const bool allChecked = list.UncheckedCount() == 0 && list.HeaderImageIndex() == CCheckListCtrl::kHeaderChecked;

    timer.restart();
    list.ToggleAllFromHeader();
    const double clearMs = timer.nsecsElapsed() / 1e6;
    QApplication::processEvents();
    const bool allCleared = list.UncheckedCount() == kRows;

    std::printf("header check box, %d rows\n", kRows);
    std::printf("  check all from the header: %8.1f ms %s\n", checkMs, allChecked ? "" : "(WRONG RESULT)");
    std::printf("  clear all from the header: %8.1f ms %s\n", clearMs, allCleared ? "" : "(WRONG RESULT)");

    if (withScan) {
        // What one scan per changed row costs on top (checking all: row i's change
        // scans up to row i + 1).
        timer.restart();
        long long found = 0;
        for (int row = 0; row < kRows; ++row) {
            list.blockSignals(true);
            list.SetCheck(row, true);
            list.blockSignals(false);
            found += firstUnchecked(list);
        }
        std::printf("  one scan per row instead:  %8.1f ms (for comparison; %lld)\n",
                    timer.nsecsElapsed() / 1e6, found);
    }
    return allChecked && allCleared ? 0 : 1;
}
