#pragma once
// Keeps the main window's task list, profile and output settings in a
// TaskListStore: restores them at start-up and saves them after every change.
//
// Changes are noticed from the list's own model (rows added, removed, texts and
// check boxes changed - whoever changes them), the profile combo and the main
// window becoming active again (the settings dialog has closed). Saving is
// coalesced: the first change starts a short timer and everything changed until
// it fires is written at once, so checking all 9,999 rows or a conversion
// updating statuses writes the file about once per interval, not per row. A save
// whose content equals the last one written does not touch the disk. While the
// window is adding files the timed save waits for the end of the addition: a
// list growing by thousands of rows would otherwise be written whole every
// interval, each time holding the window longer.
//
// A save that fails (a full disk) leaves the kept file as it was, says so once
// through the platform's message box - not at every change - and is tried again
// after kRetryDelayMs; the next save that goes through ends the failure.
//
// UI thread only. The window must outlive the keeper.

#include "app/TaskListStore.h"

#include <QObject>
#include <QTimer>

class CTolvaneAVConverterDlg;

class TaskListKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kSaveDelayMs = 1000;
    static constexpr int kRetryDelayMs = 30000;

    TaskListKeeper(CTolvaneAVConverterDlg& window, QString path);
    ~TaskListKeeper() override;

    // Puts the kept list into the window (which should be empty). A file that
    // cannot be used is set aside with a message through the platform. Rows
    // whose file has vanished come back unchecked and marked.
    void Restore();
    // Leaves the kept list as it is until the window's list or settings change
    // (a start with an empty list must not throw the kept one away unasked).
    void KeepSavedUntilChanged();
    // Writes the window's state now if it differs from the last save.
    void Flush();
    // A change: a save is due within kSaveDelayMs.
    void ScheduleSave();

    // The window's state as it would be saved.
    SavedTaskList Capture() const;
    bool SavePending() const { return m_timer.isActive(); }
    // The last save failed; another try is due.
    bool SaveFailing() const { return m_failing; }
    int WriteCount() const { return m_writes; }
    const TaskListStore& Store() const { return m_store; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(const SavedTaskList& list);
    void onTimer();

    CTolvaneAVConverterDlg& m_window;
    TaskListStore m_store;
    QTimer m_timer;
    QByteArray m_lastWritten;
    bool m_restoring = false;
    bool m_failing = false;  // the failure has been told; not again until a save works
    int m_writes = 0;
};
