#include "app/CTolvaneAVConverterApp.h"

#include "app/CTolvaneAVConverterDlg.h"
#include "app/SessionSignals.h"
#include "app/SingleInstance.h"
#include "app/TaskListKeeper.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

namespace {
constexpr int kScreenshotDelayMs = 2000;
constexpr int kEndingRepeatMs = 50;

// What the smoke run checks besides the picture: one line per task.
void reportTasks(TaskList& tasks) {
    QTextStream out(stdout);
    for (int row = 0; row < tasks.Count(); ++row) {
        QStringList columns;
        for (int column = TaskList::kSource; column < TaskList::kDuration; ++column)
            columns << tasks.Text(row, static_cast<TaskList::Column>(column));
        out << "task " << row << ": " << columns.join(" | ") << " | "
            << (tasks.IsChecked(row) ? "checked" : "unchecked") << "\n";
    }
    out.flush();
}
}  // namespace

CTolvaneAVConverterApp::CTolvaneAVConverterApp(QStringList filesToAdd, InstanceServer* instance)
    : m_filesToAdd(std::move(filesToAdd)),
      m_instance(instance),
      m_screenshotPath(qEnvironmentVariable("KORBANIX_SCREENSHOT")) {
    m_restoreTasks = m_filesToAdd.removeAll(QStringLiteral("--no-restore")) == 0;
}

bool CTolvaneAVConverterApp::InitInstance() {
    CTolvaneAVConverterDlg dialog;
    TaskListKeeper keeper(dialog, TaskListStore::DefaultPath());
    // Taken from the start: a restore may already hold a message box open.
    SessionSignals sessionSignals;
    // exit() leaves only the loops running at that moment: a signal seen while the
    // window's own loop has not begun yet (events handled during adding or while
    // a restore message opens) would be lost, so it is repeated until every loop
    // has been left.
    QTimer ending;
    ending.setInterval(kEndingRepeatMs);
    QObject::connect(&ending, &QTimer::timeout, [] { QCoreApplication::exit(0); });
    QObject::connect(&sessionSignals, &SessionSignals::received, &dialog, [&dialog, &ending] {
        if (ending.isActive()) return;
        ending.start();
        dialog.EndSession();
        // Leaves every loop, a progress window's or a message box's as well.
        QCoreApplication::exit(0);
    });
    if (m_restoreTasks) keeper.Restore();
    else keeper.KeepSavedUntilChanged();
    if (m_instance)
        QObject::connect(m_instance, &InstanceServer::filesArrived, &dialog, &CTolvaneAVConverterDlg::TakeHandedFiles);
    const bool smokePlay = qEnvironmentVariable("KORBANIX_SMOKE_PLAY") == QStringLiteral("1");
    if (!m_filesToAdd.isEmpty() || smokePlay) {
        // Files given by "Open with" are added exactly as Add adds them.
        QTimer::singleShot(0, &dialog, [&dialog, smokePlay, files = m_filesToAdd] {
            if (!files.isEmpty()) dialog.AddPaths(files);
            if (!smokePlay) return;
            dialog.TogglePlay();
            if (dialog.preview().playState() == PlayState::Pause) {
                QTextStream(stdout) << "preview: playing" << Qt::endl;
            }
        });
    }
    if (!m_screenshotPath.isEmpty()) {
        // Counted from the start of the run; a drop with message boxes would
        // hold it, which the smoke run avoids by adding valid files only.
        QTimer::singleShot(kScreenshotDelayMs, &dialog, [this, &dialog] {
            QScreen* screen = QGuiApplication::primaryScreen();
            const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
            m_screenshotFailed = shot.isNull() || !shot.save(m_screenshotPath, "PNG");
            reportTasks(dialog.taskList());
            dialog.onClose();
        });
    }
    dialog.modalRunner(dialog);
    keeper.Flush();
    return false;
}

int CTolvaneAVConverterApp::ExitInstance() { return m_screenshotFailed ? 1 : 0; }
