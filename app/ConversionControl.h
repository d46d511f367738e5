#pragma once
// The main window's side of a conversion: Convert and Merge check the task list
// and the output folder, fill the shared job from the checked rows and the output
// settings, start the worker, run the progress window, and every 300 ms copy the
// job's progress into the progress window and the task list. At the end the output
// folder is opened (when something was written) and, when asked, the machine is
// powered off.
//
// A plain class: the main window is reached through ConversionHost, the progress
// window through ProgressWindow and the desktop through CurrentPlatform(), so tests
// drive all of it without a display.
//
// Threads: everything here runs on the UI thread; the worker only sees the job.
// At most one worker runs at a time (a Convert worker may run several rows at once
// on threads of its own; the timer names them, shows their mean progress, gives
// each its own line in the progress window and "Converting nn %" in the task
// list, and moves the total bar by every row's share of the media), and
// the job's rows and settings are never refilled while one does: a new Convert or
// Merge first waits for a stopping worker to finish its outputs (WaitForWorker).
//
// While a run is in progress the desktop is asked not to suspend (a sleep lock
// from the platform), released when the run ends however it ends; the launcher
// entry shows the run's progress. A run that completes while none of the
// program's windows is active ends with a desktop notification ("N completed,
// M failed") that opens the output folder when clicked. A run with failed rows
// ends with a summary message that names each failed file and why.

#include "engine/TimeLeft.h"
#include "engine/WorkerThread.h"
#include "profiles/JobSetup.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class AVConvert;
class ProgressWindow;
class QWidget;
class SleepInhibitor;
struct OutputSettings;

// What the conversion control needs of the main window.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;
    // The shared job (the host creates it on first need).
    virtual AVConvert& Job() = 0;
    virtual int RowCount() const = 0;
    // Columns 0 (source path), 1 (start), 2 (end) and the check box of a row.
    virtual TaskRow Row(int row) const = 0;
    virtual void SetRowStatus(int row, const QString& status) = 0;  // column 4
    virtual QString RowStatus(int row) const = 0;
    // The status cell's tooltip: why a row failed ("" clears it).
    virtual void SetRowStatusTip(int /*row*/, const QString& /*tip*/) {}
    virtual void SetRowChecked(int row, bool checked) = 0;
    // The output-folder combo's text as it stands now (typed or chosen).
    virtual QString PullOutputFolderText() = 0;
    // The profile combo's current entry, e.g. " PSP H.264 Video(*.mp4)".
    virtual QString ProfileText() const = 0;
    // The folder a successful check settled on; the host keeps it as outputFolder.
    virtual void SetOutputFolder(const QString& folder) = 0;
    // Stores the folder in the configuration file.
    virtual void WriteOutputFolder(const QString& folder) = 0;
    virtual void StopPreview() = 0;
    // Owner of the folder message; may be null.
    virtual QWidget* Window() = 0;
    // Puts the focus on the output folder's field, which a folder message is about:
    // it is there for the person to mend once the message is closed.
    virtual void FocusOutputFolder() {}
    // The Output area's options: outputs in their sources' folders below the
    // output folder (rows added with a folder); rows whose complete output an
    // earlier run wrote are left out and show "Done before".
    virtual bool KeepTree() const { return false; }
    virtual bool SkipDone() const { return false; }
};

class ConversionControl {
    Q_DECLARE_TR_FUNCTIONS(ConversionControl)

public:
    static constexpr int kTimerPeriodMs = 300;
    // While stopping, the worker's end is looked for more often than the progress.
    static constexpr int kStoppingPollMs = 50;
    enum class State { Idle, Running, Stopping };

    // `window` and `host` must outlive the control. `settings` defaults to the
    // process-wide output settings.
    ConversionControl(ConversionHost& host, ProgressWindow& window);
    ConversionControl(ConversionHost& host, ProgressWindow& window, OutputSettings& settings);
    // Stops and joins a worker that still runs.
    ~ConversionControl();
    ConversionControl(const ConversionControl&) = delete;
    ConversionControl& operator=(const ConversionControl&) = delete;

    // Convert (button 1004) and Merge (button 1099). Return after the progress
    // window has closed; true when a worker was started, false when a check
    // refused (its message shown).
    bool StartConversion();
    bool StartMerge();

    // True when `folderText` names an existing folder or one level could be
    // created, and it accepts files; the host's outputFolder then takes it.
    // Otherwise the folder message, owned by the main window. An existing file
    // that is not a folder is refused the same way (every output would fail in
    // it); a folder that takes no files gets a message that says why.
    bool CheckOutputFolder(const QString& folderText);
    // Why a file cannot be created in `folder` (the system's reason), or empty
    // when it can. Leaves nothing behind.
    static QString FolderWriteRefusal(const QString& folder);

    // One tick of timer 1: texts, bars, row statuses, completion. Public so tests
    // can tick without waiting.
    void ConversionTimer();

    // The progress window's Stop and close box: the worker is told to stop, the
    // window shows "Stopping..." and closes when the worker has ended. The row the
    // worker was on then, unless it still completes or fails, shows "Stopped" (its
    // output is kept, shorter) until the next Convert or Merge.
    void RequestStop();

    // Waits until no worker runs (telling a running one to stop first) and
    // settles the run's bookkeeping. Call before anything else touches the job
    // (a probe, the clip editor). Returns at once when idle.
    void WaitForWorker();

    // Powers the machine off through the platform.
    void ShutdownComputer();

    State CurrentState() const { return m_state; }
    bool TimerActive() const { return m_timer.isActive(); }
    int CompletedCount() const { return m_completedCount; }
    bool ShutdownWhenDone() const { return m_shutdownWhenDone; }
    // checkedRows of the last start: i for a checked row i, -1 otherwise.
    const std::vector<int>& CheckedRows() const { return m_checkedRows; }

    // The clock of the time-left estimate (tests step a fake one).
    void SetClock(TimeLeftEstimator::Clock clock) { m_timeLeft = TimeLeftEstimator(std::move(clock)); }

    // Whether the user is looking at the program (default: one of its windows
    // is active); decides the notification at the end of a run.
    void SetActiveCheck(std::function<bool()> check) { m_isActive = std::move(check); }

    // Tests replace the workers (default TranscodeWorker and MergeWorker).
    void SetWorkerProcedures(WorkerThread::Procedure convert, WorkerThread::Procedure merge);
    // Workers of this process running right now, and the most ever at once.
    static int RunningWorkers();
    static int MostConcurrentWorkers();

private:
    bool start(JobKind kind);
    bool checkRows(JobKind kind, std::vector<TaskRow>& rows);
    void startWorker(JobKind kind, AVConvert& job);
    bool workerEnded() const;
    void showProgress(AVConvert& job);
    void showTimeLeft(AVConvert& job, const BatchProgress& batch);
    // The rows being converted now (job positions, lowest first) and their shares.
    struct RunningRow {
        int row;
        int percent;
    };
    std::vector<RunningRow> runningRows(const AVConvert& job) const;
    QString runningNames(const AVConvert& job, int current) const;
    void updateRowStatuses(AVConvert& job);
    // The checked rows' results after a run.
    struct RowTally {
        int completed = 0;
        int failed = 0;
        int stopped = 0;
    };

public:
    // After a run with failed rows: "n completed, m failed, k stopped." and each
    // failed file with its reason (shown in a message when the run completes).
    QString RunSummary(const AVConvert& job, const RowTally& tally) const;

private:
    void showSummary(const AVConvert& job, const RowTally& tally);
    void finishRun();
    RowTally tallyRows(const AVConvert& job) const;
    void notifyRunDone(const RowTally& tally);
    void completeRun();
    void clearStoppedStatuses();

    ConversionHost& m_host;
    ProgressWindow& m_window;
    OutputSettings& m_settings;
    AVConvert* m_job = nullptr;  // the job of the last start (the host's, not owned)
    WorkerThread m_worker;
    WorkerThread::Procedure m_convertProcedure;
    WorkerThread::Procedure m_mergeProcedure;
    QTimer m_timer;
    State m_state = State::Idle;
    std::unique_ptr<SleepInhibitor> m_sleepLock;
    TimeLeftEstimator m_timeLeft;
    JobKind m_kind = JobKind::Convert;
    std::function<bool()> m_isActive;

    QString m_outputFolderText;
    std::vector<int> m_checkedRows;
    std::set<int> m_converting;  // rows showing "Converting nn %"
    int m_completedCount = 0;
    bool m_shutdownWhenDone = false;
};
