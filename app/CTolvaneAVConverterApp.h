#pragma once
// CTolvaneAVConverterApp: the program run. InitInstance builds the main window,
// runs it modally for the whole run and returns false (nothing follows it);
// ExitInstance ends the process's part of the run and returns the exit code.
//
// Files named on the command line (a desktop's "Open with") are added exactly as
// files dropped on the window are. For unattended smoke runs, when the variable
// KORBANIX_SCREENSHOT names a PNG file, the program saves a picture of the
// screen there about two seconds after those files were added, prints one line
// per task to the standard output, and closes.
// The task list, profile and output settings of the last run come back at the
// start (TaskListKeeper) and are kept as they change; "--no-restore" among the
// arguments starts with an empty list instead (and is not taken for a file); the
// kept list is then left as it is until the person changes the new one.
// SIGTERM, SIGINT and SIGHUP end the run as Close does, stopping a running
// conversion the way Stop does; the task list is kept (SessionSignals).
// With `instance` (the listening side of SingleInstance.h), files handed over by
// later starts are added to this window.
// KORBANIX_SMOKE_PLAY=1 (smoke runs) presses Play once the command line's files
// are added and prints "preview: playing" when the preview plays.
// Needs a QApplication; UI thread only.

#include <QString>
#include <QStringList>

class InstanceServer;

class CTolvaneAVConverterApp {
public:
    explicit CTolvaneAVConverterApp(QStringList filesToAdd = {}, InstanceServer* instance = nullptr);

    bool InitInstance();
    int ExitInstance();

private:
    QStringList m_filesToAdd;
    InstanceServer* m_instance = nullptr;
    QString m_screenshotPath;
    bool m_restoreTasks = true;
    bool m_screenshotFailed = false;
};
