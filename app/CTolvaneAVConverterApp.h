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
// arguments starts with an empty list instead (and is not taken for a file).
// Needs a QApplication; UI thread only.

#include <QString>
#include <QStringList>

class CTolvaneAVConverterApp {
public:
    explicit CTolvaneAVConverterApp(QStringList filesToAdd = {});

    bool InitInstance();
    int ExitInstance();

private:
    QStringList m_filesToAdd;
    QString m_screenshotPath;
    bool m_restoreTasks = true;
    bool m_screenshotFailed = false;
};
