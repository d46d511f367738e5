#include "app/ConversionControl.h"

#include "app/AppFolders.h"
#include "dialogs/CAVConvertDlg.h"
#include "dialogs/EngineTexts.h"
#include "engine/AVConvert.h"
#include "engine/MergeWorker.h"
#include "engine/TranscodeWorker.h"
#include "platform/FileNames.h"
#include "platform/NumericLocale.h"
#include "platform/Platform.h"
#include "profiles/OutputSettings.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <atomic>

namespace {

// The worker procedure for the next start. One conversion worker runs per
// process, so one slot is enough; WorkerThread only takes a plain function, and
// the trampoline below reads the slot to know what to run and to count itself.
std::atomic<WorkerThread::Procedure> g_nextProcedure{nullptr};
// Workers started and not yet returned (raised on the UI thread before the start,
// so a worker that has not been scheduled yet already counts).
std::atomic<int> g_liveWorkers{0};
// Workers inside their procedure right now, and the most ever at once.
std::atomic<int> g_insideWorkers{0};
std::atomic<int> g_mostInside{0};

void trackedWorker(AVConvert& job) {
    const int inside = g_insideWorkers.fetch_add(1, std::memory_order_relaxed) + 1;
    int most = g_mostInside.load(std::memory_order_relaxed);
    while (inside > most && !g_mostInside.compare_exchange_weak(most, inside, std::memory_order_relaxed)) {
    }
    const WorkerThread::Procedure procedure = g_nextProcedure.load(std::memory_order_acquire);
    if (procedure) procedure(job);
    g_insideWorkers.fetch_sub(1, std::memory_order_relaxed);
    g_liveWorkers.fetch_sub(1, std::memory_order_release);
}

// Translated where they are used: the translator is installed after these exist.
const char* const kNoFiles = QT_TRANSLATE_NOOP("ConversionControl", "Please add video files!");
const char* const kNoChecked = QT_TRANSLATE_NOOP("ConversionControl", "Please check at least one task to convert!");
const char* const kMergeNeedsTwo =
    QT_TRANSLATE_NOOP("ConversionControl", "Merge is effective when two or more files are chosen!");
const char* const kStoppedStatus = QT_TRANSLATE_NOOP("ConversionControl", "Stopped");
// An earlier run's complete output is there.
const char* const kDoneBeforeStatus = QT_TRANSLATE_NOOP("ConversionControl", "Done before");
const char* const kReadyStatus = QT_TRANSLATE_NOOP("TaskList", " Ready");
const char* const kConvertingStatus = QT_TRANSLATE_NOOP("ConversionControl", "Converting %1 %");

// The name of a path after its last separator (the whole text without one).
QString fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return DecodeFileName(slash == std::string::npos ? path : path.substr(slash + 1));
}

// A folder text of only a root separator (the Windows "\" of the current drive,
// or "/" here) is dropped silently, as it always was.
bool isBareRoot(const QString& folder) { return folder == QStringLiteral("\\") || folder == QStringLiteral("/"); }

}  // namespace

ConversionControl::ConversionControl(ConversionHost& host, ProgressWindow& window)
    : ConversionControl(host, window, CurrentOutputSettings()) {}

ConversionControl::ConversionControl(ConversionHost& host, ProgressWindow& window, OutputSettings& settings)
    : m_host(host),
      m_window(window),
      m_settings(settings),
      m_convertProcedure(&TranscodeWorker),
      m_mergeProcedure(&MergeWorker),
      m_isActive([] { return QApplication::activeWindow() != nullptr; }) {
    m_timer.setInterval(kTimerPeriodMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { ConversionTimer(); });
    m_window.SetStopHandler([this] { RequestStop(); });
}

ConversionControl::~ConversionControl() {
    // The host may be half destroyed already (it usually owns this control), so
    // only the job pointer of the last start is used here.
    m_timer.stop();
    m_window.SetStopHandler({});
    if (!m_job) return;
    if (m_worker.running()) {
        m_job->stopRequested.store(true, std::memory_order_relaxed);
        m_worker.join();
    }
    m_job->jpegError = nullptr;
    m_job->previewSink = nullptr;
    m_window.SetJob(nullptr);
}

void ConversionControl::SetWorkerProcedures(WorkerThread::Procedure convert, WorkerThread::Procedure merge) {
    m_convertProcedure = convert;
    m_mergeProcedure = merge;
}

int ConversionControl::RunningWorkers() { return g_insideWorkers.load(std::memory_order_relaxed); }
int ConversionControl::MostConcurrentWorkers() { return g_mostInside.load(std::memory_order_relaxed); }

bool ConversionControl::StartConversion() { return start(JobKind::Convert); }
bool ConversionControl::StartMerge() { return start(JobKind::Merge); }

bool ConversionControl::checkRows(JobKind kind, std::vector<TaskRow>& rows) {
    Platform& platform = CurrentPlatform();
    const int rowCount = m_host.RowCount();
    if (rowCount <= 0) {
        platform.MessageBox(nullptr, tr(kNoFiles));
        return false;
    }
    rows.clear();
    m_checkedRows.assign(static_cast<std::size_t>(std::min(rowCount, AVConvert::kMaxRows)), -1);
    int checked = 0;
    for (int i = 0; i < static_cast<int>(m_checkedRows.size()); ++i) {
        rows.push_back(m_host.Row(i));
        if (!rows.back().checked) continue;
        m_checkedRows[static_cast<std::size_t>(i)] = i;
        ++checked;
    }
    if (kind == JobKind::Convert && checked == 0) {
        platform.MessageBox(nullptr, tr(kNoChecked));
        return false;
    }
    if (kind == JobKind::Merge && checked < 2) {
        platform.MessageBox(nullptr, tr(kMergeNeedsTwo));
        return false;
    }
    return true;
}

bool ConversionControl::start(JobKind kind) {
    // Blanks around a typed folder are slips; only blanks would make a folder
    // named by spaces in whatever folder the program was started from.
    m_outputFolderText = m_host.PullOutputFolderText().trimmed();
    m_host.StopPreview();
    // A run that is still stopping owns the job until its worker has let go.
    WaitForWorker();

    std::vector<TaskRow> rows;
    if (!checkRows(kind, rows)) return false;
    if (isBareRoot(m_outputFolderText)) return false;
    if (!CheckOutputFolder(m_outputFolderText)) return false;
    // Only a run that starts puts the last run's stopped rows back to Ready: a
    // refused one leaves the list as it was.
    clearStoppedStatuses();
    m_host.WriteOutputFolder(m_outputFolderText);

    AVConvert& job = m_host.Job();
    m_job = &job;
    m_kind = kind;
    m_timeLeft.Reset();
    m_completedCount = 0;
    const std::string extension = ExtensionFromProfile(m_host.ProfileText().toStdString());
    if (!m_host.KeepTree())
        for (TaskRow& row : rows) row.subfolder.clear();
    FillJob(job, rows, m_settings, EncodeFileName(m_outputFolderText), extension, kind);
    job.skipDone = kind == JobKind::Convert && m_host.SkipDone();

    job.previewSink = m_window.Preview();
    // A thumbnail's JPEG failure is reported on the UI thread while the worker
    // goes on; the timer object lives there, so its queue carries the message.
    QPointer<QTimer> timer(&m_timer);
    job.jpegError = [timer](const std::string& message) {
        if (!timer) return;
        const QString text = QString::fromStdString(message);
        QMetaObject::invokeMethod(
            timer.data(),
            [text] {
                CurrentPlatform().MessageBox(QApplication::activeWindow(), text, tr("JPEG Error"),
                                             MessageButtons::Ok, MessageIcon::Error);
            },
            Qt::QueuedConnection);
    };
    m_window.SetJob(&job);

    m_sleepLock = CurrentPlatform().InhibitSleep(tr("Converting media files"));
    startWorker(kind, job);
    m_state = State::Running;
    m_timer.start(kTimerPeriodMs);
    if (!m_window.IsOpen()) m_window.RunModal();
    return true;
}

void ConversionControl::startWorker(JobKind kind, AVConvert& job) {
    g_nextProcedure.store(kind == JobKind::Convert ? m_convertProcedure : m_mergeProcedure,
                          std::memory_order_release);
    m_worker.join();  // WaitForWorker has ended any earlier one; this only reaps it
    g_liveWorkers.fetch_add(1, std::memory_order_relaxed);
    UseCNumericLocale();  // whatever re-set it since (a desktop chooser, a plug-in)
    m_worker.start(&trackedWorker, job);
}

bool ConversionControl::workerEnded() const {
    return !m_worker.running() || g_liveWorkers.load(std::memory_order_acquire) == 0;
}

bool ConversionControl::CheckOutputFolder(const QString& folderText) {
    // One level only: a folder whose parent is missing is refused.
    if (!CheckOutputFolderExists(folderText)) {
        m_host.FocusOutputFolder();
        CurrentPlatform().MessageBox(m_host.Window(), FolderMissingMessage(folderText), QString(), MessageButtons::Ok,
                                     MessageIcon::Exclamation);
        return false;
    }
    // Every row would fail in a folder that takes no files; say so before
    // starting, and neither remember nor use the folder.
    const QString refusal = ::FolderWriteRefusal(folderText);
    if (!refusal.isEmpty()) {
        m_host.FocusOutputFolder();
        CurrentPlatform().MessageBox(m_host.Window(),
                                     tr("The output folder \"%1\" does not accept files: %2. "
                                        "Please specify a different folder!")
                                         .arg(folderText, refusal),
                                     QString(), MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    m_host.SetOutputFolder(folderText);
    return true;
}

QString ConversionControl::FolderWriteRefusal(const QString& folder) { return ::FolderWriteRefusal(folder); }

void ConversionControl::updateRowStatuses(AVConvert& job) {
    // Rows running at once finish out of order: every row handed out so far may
    // have its code (a row's code changes from pending only when it ends or fails).
    const int passed = std::min(std::max(job.currentFile.load(std::memory_order_relaxed),
                                         job.rowsStarted.load(std::memory_order_relaxed)),
                                job.fileCount);
    int finished = 0;
    for (int i = 0; i < passed && i < static_cast<int>(m_checkedRows.size()); ++i) {
        const int row = m_checkedRows[static_cast<std::size_t>(i)];
        if (row < 0) continue;  // a row that was not checked is not touched
        // Acquire: a failed row's reason was written before its code.
        const std::uint8_t state = job.fileState[static_cast<std::size_t>(i)].load(std::memory_order_acquire);
        if (state == kRowFailed) {
            m_host.SetRowStatus(row, tr("Failure"));
            m_host.SetRowStatusTip(row, EngineText(job.failureReason(i)));
            ++finished;
        } else if (state == kRowCompleted) {
            m_host.SetRowStatus(row, tr("Completed"));
            // What a kept video did (from the key frame before the start time, the
            // sound converted) is worth knowing; nothing else is said of a success.
            m_host.SetRowStatusTip(row, EngineText(job.rowNote(i)));
            m_host.SetRowChecked(row, false);
            ++finished;
        } else if (state == kRowDoneBefore) {
            m_host.SetRowStatus(row, tr(kDoneBeforeStatus));
            m_host.SetRowStatusTip(row, QString());
            m_host.SetRowChecked(row, false);
            ++finished;
        } else if (state == kRowStopped) {
            // Its shorter output was kept; the row stays checked for the next run.
            m_host.SetRowStatus(row, tr(kStoppedStatus));
            m_host.SetRowStatusTip(row, QString());
        }
    }
    // Finished checked rows only: rows that were not checked never count, so the
    // count cannot pass the number of tasks.
    m_completedCount = finished;
    // The rows being converted say so, each with its own share.
    if (m_state != State::Running) return;
    for (const RunningRow& running : runningRows(job)) {
        const int row = m_checkedRows[static_cast<std::size_t>(running.row)];
        if (row < 0 || job.fileState[static_cast<std::size_t>(running.row)].load(std::memory_order_acquire) != kRowPending)
            continue;
        m_host.SetRowStatus(row, tr(kConvertingStatus).arg(running.percent));
        m_converting.insert(row);
    }
}

// The file names of the rows running now, lowest first: the first one, and
// " + n more" when several run at once. Without running rows, the current row's.
QString ConversionControl::runningNames(const AVConvert& job, int current) const {
    std::vector<int> running;
    for (const auto& slot : job.runningRows) {
        const int row = slot.load(std::memory_order_relaxed);
        if (row >= 0) running.push_back(row);
    }
    std::sort(running.begin(), running.end());
    if (running.empty()) running.push_back(current);
    const int first = running.front();
    const bool known = first >= 0 && first < static_cast<int>(job.sourcePaths.size()) && first < m_host.RowCount();
    QString names = known ? fileNameOf(m_host.Row(first).sourcePath) : QString();
    if (running.size() > 1) names += tr(" + %1 more").arg(running.size() - 1);
    return names;
}

std::vector<ConversionControl::RunningRow> ConversionControl::runningRows(const AVConvert& job) const {
    std::vector<RunningRow> rows;
    for (const auto& slot : job.runningRows) {
        const int row = slot.load(std::memory_order_relaxed);
        if (row < 0 || row >= job.fileCount || row >= static_cast<int>(m_checkedRows.size())) continue;
        const int percent = job.rowPercent[static_cast<std::size_t>(row)].load(std::memory_order_relaxed);
        rows.push_back({row, std::clamp(percent, 0, 100)});
    }
    // The merge runs without slots: its one output has the current-file line.
    std::sort(rows.begin(), rows.end(), [](const RunningRow& a, const RunningRow& b) { return a.row < b.row; });
    return rows;
}

void ConversionControl::showProgress(AVConvert& job) {
    const int current = job.currentFile.load(std::memory_order_relaxed);
    // Several rows at once: the mean of their progress.
    const int percent = job.progressPercent.load(std::memory_order_relaxed);
    const int rowCount = job.fileCount;
    if (percent >= 0 && current < rowCount) {
        m_window.SetCurrentText(tr("%1   %2% has completed").arg(runningNames(job, current), QString::number(percent)));
    }
    m_window.SetTotalText(tr("%1 Task Completed / Total %2 Task(s)").arg(m_completedCount).arg(job.checkedCount));
    // The whole run's share of its media done: finished rows whole, every running
    // row by its own share (a count of finished rows stood still while rows ran).
    const BatchProgress batch = MeasureBatch(job, m_kind == JobKind::Merge);
    const int total = batch.totalSeconds > 0 ? static_cast<int>(batch.doneSeconds * 100 / batch.totalSeconds)
                                             : (job.checkedCount > 0 ? m_completedCount * 100 / job.checkedCount : 0);
    m_window.SetTotalBar(total);
    if (percent >= 0 && percent <= 100) m_window.SetCurrentBar(percent);
    std::vector<ProgressWindow::RunningRow> lines;
    if (m_kind == JobKind::Convert)
        for (const RunningRow& running : runningRows(job))
            lines.push_back({fileNameOf(m_host.Row(running.row).sourcePath), running.percent});
    m_window.SetRunningRows(lines);
    showTimeLeft(job, batch);
}

void ConversionControl::showTimeLeft(AVConvert& job, const BatchProgress& batch) {
    (void)job;
    m_timeLeft.Update(batch);
    if (m_state == State::Running && batch.totalSeconds > 0)
        CurrentPlatform().ShowLauncherProgress(batch.doneSeconds / batch.totalSeconds);
    const std::optional<double> run = m_timeLeft.SecondsLeft();
    const std::optional<double> file = m_timeLeft.CurrentFileSecondsLeft();
    m_window.SetTimeLeft(
        run ? tr("About %1 left in all").arg(QString::fromStdString(FormatDuration(*run))) : QString(),
        file ? tr("About %1 left for this file").arg(QString::fromStdString(FormatDuration(*file)))
             : QString());
}

void ConversionControl::ConversionTimer() {
    if (m_state == State::Idle) return;
    AVConvert& job = *m_job;
    if (m_state == State::Stopping) {
        updateRowStatuses(job);
        // The worker marks the rows a stop cut short (their shorter outputs are
        // kept); finishRun shows them with every other row's result.
        if (workerEnded()) finishRun();
        return;
    }
    updateRowStatuses(job);
    showProgress(job);
    if (job.stopRequested.load(std::memory_order_relaxed)) {
        RequestStop();
        return;
    }
    // The worker has passed the last row, or has ended without getting there
    // (it never does, but then there is nothing left to wait for either).
    if (job.currentFile.load(std::memory_order_relaxed) >= job.fileCount || workerEnded()) completeRun();
}

void ConversionControl::RequestStop() {
    if (m_state != State::Running) return;
    m_job->stopRequested.store(true, std::memory_order_relaxed);
    m_state = State::Stopping;
    m_window.ShowStopping();
    m_timer.start(kStoppingPollMs);
}

void ConversionControl::finishRun() {
    m_timer.stop();
    m_worker.join();
    AVConvert& job = *m_job;
    m_state = State::Stopping;  // no more "Converting" statuses
    updateRowStatuses(job);
    showProgress(job);
    // A row that was running and has no result (a stop before it wrote
    // anything) is as it was before the run.
    for (const int row : m_converting)
        if (row < m_host.RowCount() && m_host.RowStatus(row).startsWith(tr(kConvertingStatus).section(QStringLiteral("%1"), 0, 0)))
            m_host.SetRowStatus(row, QCoreApplication::translate("TaskList", kReadyStatus));
    m_converting.clear();
    job.jpegError = nullptr;
    job.previewSink = nullptr;
    m_sleepLock.reset();
    CurrentPlatform().ShowLauncherProgress(-1.0);
    m_state = State::Idle;
    m_window.Close();
}

void ConversionControl::completeRun() {
    m_shutdownWhenDone = m_window.ShutdownChecked();
    // Asked before the progress window closes: closing it moves the focus.
    const bool away = !(m_isActive && m_isActive());
    m_job->stopRequested.store(true, std::memory_order_relaxed);
    finishRun();
    const RowTally tally = tallyRows(*m_job);
    if (away) notifyRunDone(tally);
    if (tally.failed > 0) showSummary(*m_job, tally);
    // A run in which every row failed wrote nothing worth showing.
    if (tally.completed > 0) CurrentPlatform().OpenPath(m_outputFolderText);
    if (m_shutdownWhenDone) ShutdownComputer();
}

void ConversionControl::clearStoppedStatuses() {
    for (int row = 0; row < m_host.RowCount(); ++row)
        if (m_host.RowStatus(row) == tr(kStoppedStatus)) m_host.SetRowStatus(row, QCoreApplication::translate("TaskList", kReadyStatus));
}

QString ConversionControl::RunSummary(const AVConvert& job, const RowTally& tally) const {
    QString text = tr("%1 completed, %2 failed, %3 stopped.").arg(tally.completed).arg(tally.failed).arg(tally.stopped);
    int listed = 0;
    constexpr int kListed = 15;
    // Rows of one name from different folders are told apart by their folders.
    QStringList names;
    for (int i = 0; i < job.fileCount && i < static_cast<int>(m_checkedRows.size()); ++i)
        if (m_checkedRows[static_cast<std::size_t>(i)] >= 0)
            names << fileNameOf(m_host.Row(m_checkedRows[static_cast<std::size_t>(i)]).sourcePath);
    for (int i = 0; i < job.fileCount && i < static_cast<int>(m_checkedRows.size()); ++i) {
        if (m_checkedRows[static_cast<std::size_t>(i)] < 0) continue;
        if (job.fileState[static_cast<std::size_t>(i)].load(std::memory_order_relaxed) != kRowFailed) continue;
        if (listed++ == 0) text += tr("\n\nFailed:");
        if (listed > kListed) continue;
        const QString why = EngineText(job.failureReason(i));
        const std::string& path = m_host.Row(m_checkedRows[static_cast<std::size_t>(i)]).sourcePath;
        const QString name = fileNameOf(path);
        const std::filesystem::path source(path);
        const std::string withFolder = (source.parent_path().filename() / source.filename()).string();
        const QString shown = names.count(name) > 1 ? DecodeFileName(withFolder) : name;
        text += QStringLiteral("\n") + shown + QStringLiteral(": ") + (why.isEmpty() ? tr("no reason was given") : why);
    }
    if (listed > kListed) text += tr("\n... and %1 more.").arg(listed - kListed);
    return text;
}

void ConversionControl::showSummary(const AVConvert& job, const RowTally& tally) {
    CurrentPlatform().MessageBox(m_host.Window(), RunSummary(job, tally), tr("Conversion finished"),
                                 MessageButtons::Ok, MessageIcon::Exclamation);
}

ConversionControl::RowTally ConversionControl::tallyRows(const AVConvert& job) const {
    RowTally tally;
    for (int i = 0; i < job.fileCount && i < static_cast<int>(m_checkedRows.size()); ++i) {
        if (m_checkedRows[static_cast<std::size_t>(i)] < 0) continue;  // an unchecked row never runs
        const std::uint8_t state = job.fileState[static_cast<std::size_t>(i)].load(std::memory_order_relaxed);
        tally.completed += state == kRowCompleted || state == kRowDoneBefore;
        tally.failed += state == kRowFailed;
        tally.stopped += state == kRowStopped;
    }
    return tally;
}

void ConversionControl::notifyRunDone(const RowTally& tally) {
    CurrentPlatform().NotifyRunDone(tr("Conversion finished"),
                                    tr("%1 completed, %2 failed").arg(tally.completed).arg(tally.failed),
                                    m_outputFolderText);
}

void ConversionControl::WaitForWorker() {
    if (m_worker.running() && m_job) {
        m_job->stopRequested.store(true, std::memory_order_relaxed);
        m_worker.join();
    }
    if (m_state != State::Idle) finishRun();
}

void ConversionControl::ShutdownComputer() { CurrentPlatform().PowerOff(); }
