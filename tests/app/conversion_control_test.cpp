// Convert and Merge from the main window's side, with a fake task list, a fake
// progress window and the platform fake: the start checks and their messages,
// the output folder rules, output names, the timer's texts, bars and row
// statuses, the completion sequence (folder opened once, power-off only when
// asked), Stop waiting for the worker, and the sleep lock held for the run.
// The end-to-end case runs the real Convert and Merge workers on generated clips
// and checks the results with ffprobe.

#include "app/ConversionControl.h"
#include "dialogs/CAVConvertDlg.h"
#include "engine/AVConvert.h"
#include "engine/CodecMap.h"
#include "platform/FakePlatform.h"
#include "platform/UiLanguage.h"
#include "profiles/OutputSettings.h"
#include "support/MediaFixture.h"
#include "support/QtTestApp.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

namespace {

namespace fs = std::filesystem;

// ---- Stand-ins ----

class FakeHost : public ConversionHost {
public:
    AVConvert job;
    std::vector<TaskRow> rows;
    std::vector<QString> statuses;
    QString folderText;
    QString profile = " PSP H.264 Video(*.mp4)";
    QString outputFolder;
    std::vector<QString> writtenFolders;
    int previewStops = 0;
    std::map<int, QString> tips;

    void addRow(const std::string& path, bool checked = true, const std::string& end = "00:00:10") {
        TaskRow row;
        row.sourcePath = path;
        row.endText = end;
        row.checked = checked;
        rows.push_back(row);
        statuses.push_back(" Ready");
    }

    AVConvert& Job() override { return job; }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    TaskRow Row(int row) const override { return rows.at(static_cast<std::size_t>(row)); }
    void SetRowStatus(int row, const QString& status) override { statuses.at(static_cast<std::size_t>(row)) = status; }
    QString RowStatus(int row) const override { return statuses.at(static_cast<std::size_t>(row)); }
    void SetRowStatusTip(int row, const QString& tip) override { tips[row] = tip; }
    void SetRowChecked(int row, bool checked) override { rows.at(static_cast<std::size_t>(row)).checked = checked; }
    QString PullOutputFolderText() override { return folderText; }
    QString ProfileText() const override { return profile; }
    void SetOutputFolder(const QString& folder) override { outputFolder = folder; }
    void WriteOutputFolder(const QString& folder) override { writtenFolders.push_back(folder); }
    void StopPreview() override { ++previewStops; }
    QWidget* Window() override { return reinterpret_cast<QWidget*>(this); }  // only compared
    bool keepTree = false;
    bool skipDone = false;
    bool KeepTree() const override { return keepTree; }
    bool SkipDone() const override { return skipDone; }
};

class CountingSink : public PreviewSink {
public:
    std::atomic<int> pictures{0};
    void rowBegins(int) override {}
    void picture(int, const PreviewPicture&) override { pictures.fetch_add(1); }
    void rowEnds(int) override {}
};

class FakeProgress : public ProgressWindow {
public:
    bool open = false;
    int runs = 0;
    int closes = 0;
    bool shutdownBox = false;
    bool stopping = false;
    QString currentText;
    QString totalText;
    int currentBar = 0;
    int totalBar = 0;
    QString runLeft;
    QString fileLeft;
    AVConvert* job = nullptr;
    std::function<void()> onStop;
    CountingSink sink;

    void RunModal() override {
        open = true;
        stopping = false;
        ++runs;
    }
    bool IsOpen() const override { return open; }
    void Close() override {
        if (open) ++closes;
        open = false;
    }
    void SetCurrentText(const QString& text) override { currentText = text; }
    void SetTotalText(const QString& text) override { totalText = text; }
    void SetCurrentBar(int percent) override { currentBar = percent; }
    void SetTotalBar(int percent) override { totalBar = percent; }
    bool ShutdownChecked() const override { return shutdownBox; }
    void ShowStopping() override { stopping = true; }
    void SetTimeLeft(const QString& run, const QString& file) override {
        runLeft = run;
        fileLeft = file;
    }
    void SetRunningRows(const std::vector<RunningRow>& rows) override { running = rows; }
    std::vector<RunningRow> running;
    void SetJob(AVConvert* j) override { job = j; }
    void SetStopHandler(std::function<void()> handler) override { onStop = std::move(handler); }
    PreviewSink* Preview() override { return &sink; }
};

// ---- Workers the tests steer ----

std::atomic<bool> g_release{false};
std::atomic<int> g_convertRuns{0};
std::atomic<int> g_mergeRuns{0};

// Stays in its row until released or stopped, touching nothing, so the test can
// write the exchange fields itself.
void gatedWorker(AVConvert& job) {
    while (!g_release.load() && !job.stopRequested.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
void gatedConvert(AVConvert& job) {
    g_convertRuns.fetch_add(1);
    gatedWorker(job);
}
void gatedMerge(AVConvert& job) {
    g_mergeRuns.fetch_add(1);
    gatedWorker(job);
}
// Takes its time to notice a stop, as a worker finishing an output does.
void slowToStop(AVConvert& job) {
    g_convertRuns.fetch_add(1);
    while (!job.stopRequested.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    job.currentFile.store(job.fileCount);
}

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_release = false;
        g_convertRuns = 0;
        g_mergeRuns = 0;
        host.folderText = QString::fromStdString(dir.path().string());
        control.SetWorkerProcedures(&gatedConvert, &gatedMerge);
    }
    void TearDown() override { g_release = true; }

    // The worker has passed `rows` rows with these result codes.
    void workerAt(int current, std::initializer_list<std::uint8_t> states) {
        int i = 0;
        for (std::uint8_t s : states) host.job.fileState[static_cast<std::size_t>(i++)].store(s);
        host.job.currentFile.store(current);
    }

    testmedia::TempDir dir;
    FakePlatform platform;
    ScopedPlatform installed{platform};
    FakeHost host;
    FakeProgress window;
    OutputSettings settings;
    ConversionControl control{host, window, settings};
};

// ---- Start checks ----

TEST_F(ConversionTest, EmptyListIsRefusedByBothCommands) {
    EXPECT_FALSE(control.StartConversion());
    EXPECT_FALSE(control.StartMerge());
    EXPECT_EQ(platform.messageTexts(), (QStringList{"Please add video files!", "Please add video files!"}));
    EXPECT_EQ(platform.messages.at(0).owner, nullptr);
    EXPECT_EQ(window.runs, 0);
    EXPECT_EQ(host.previewStops, 2) << "the preview stops before the checks";
}

TEST_F(ConversionTest, NoCheckedRowIsRefused) {
    host.addRow("/v/a.avi", false);
    host.addRow("/v/b.avi", false);
    EXPECT_FALSE(control.StartConversion());
    EXPECT_EQ(platform.messageTexts(), QStringList{"Please check at least one task to convert!"});
    EXPECT_EQ(g_convertRuns.load(), 0);
}

TEST_F(ConversionTest, MergeNeedsTwoCheckedRows) {
    host.addRow("/v/a.avi", false);
    host.addRow("/v/b.avi", true);
    host.addRow("/v/c.avi", false);
    EXPECT_FALSE(control.StartMerge());
    EXPECT_EQ(platform.messageTexts(), QStringList{"Merge is effective when two or more files are chosen!"});
    EXPECT_EQ(g_mergeRuns.load(), 0);
}

TEST_F(ConversionTest, MergeOfTwoRowsStartsTheMergeWorkerWithTheSummedLength) {
    host.addRow("/v/a.avi", true, "00:00:10");
    host.addRow("/v/b.avi", false, "00:05:00");
    host.addRow("/v/c.avi", true, "00:01:05");
    host.rows[2].startText = "00:00:05";
    EXPECT_TRUE(control.StartMerge());
    EXPECT_EQ(host.job.mergeTotalSeconds, 10 + 60);
    EXPECT_EQ(host.job.checkedCount, 2);
    EXPECT_EQ(control.CheckedRows(), (std::vector<int>{0, -1, 2}));
    g_release = true;
    control.WaitForWorker();
    EXPECT_EQ(g_mergeRuns.load(), 1);
    EXPECT_EQ(g_convertRuns.load(), 0);
}

// ---- Output names and folders ----

TEST_F(ConversionTest, OnlyTheLastExtensionIsCut) {
    host.addRow("/v/holiday.2010.avi");
    host.addRow("/media/usb/odd.dir.name/clip.mkv");
    host.addRow("/v/no_extension");
    ASSERT_TRUE(control.StartConversion());
    const std::string folder = dir.path().string();
    EXPECT_EQ(host.job.outputPaths[0], folder + "/holiday.2010.mp4");
    EXPECT_EQ(host.job.outputPaths[1], folder + "/clip.mp4") << "cut after the last slash";
    EXPECT_EQ(host.job.outputPaths[2], folder + "/no_extension.mp4") << "a name without a dot converts whole";
    EXPECT_EQ(host.job.sourcePaths[0], "/v/holiday.2010.avi");
    g_release = true;
    control.WaitForWorker();
    EXPECT_EQ(g_convertRuns.load(), 1) << "a worker ran";
}

TEST_F(ConversionTest, ExistingFolderIsUsedAndStored) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(host.outputFolder, host.folderText);
    EXPECT_EQ(host.writtenFolders, std::vector<QString>{host.folderText});
}

TEST_F(ConversionTest, MissingFolderIsCreatedOneLevel) {
    host.addRow("/v/a.avi");
    host.folderText = QString::fromStdString((dir.path() / "new out").string());
    ASSERT_TRUE(control.StartConversion());
    EXPECT_TRUE(fs::is_directory(dir.path() / "new out"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ConversionTest, FolderThatCannotBeCreatedIsReported) {
    host.addRow("/v/a.avi");
    host.folderText = QString::fromStdString((dir.path() / "no" / "such").string());
    EXPECT_FALSE(control.StartConversion());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "The folder \"" + host.folderText +
                                             "\" does not exist and cannot be created: the folder above it does "
                                             "not exist either. Please specify a different folder!");
    EXPECT_EQ(platform.messages[0].owner, host.Window());
    EXPECT_TRUE(platform.messages[0].caption.isEmpty());
    EXPECT_FALSE(fs::exists(dir.path() / "no"));
    EXPECT_TRUE(host.writtenFolders.empty());
    EXPECT_EQ(g_convertRuns.load(), 0);
}

TEST_F(ConversionTest, AFolderThatTakesNoFilesIsRefusedWithTheReasonAndNotStored) {
    host.addRow("/v/a.avi");
    // Permission bits do not hold root back; /proc takes no files from anyone.
    const fs::path locked = dir.path() / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const QString folder = QString::fromStdString(geteuid() == 0 ? std::string("/proc") : locked.string());
    host.folderText = folder;
    EXPECT_FALSE(control.StartConversion());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.startsWith("The output folder \"" + folder + "\" does not accept files: "))
        << platform.messages[0].text.toStdString();
    EXPECT_FALSE(ConversionControl::FolderWriteRefusal(folder).isEmpty());
    EXPECT_EQ(platform.messages[0].owner, host.Window());
    EXPECT_TRUE(host.writtenFolders.empty()) << "a refused folder is not remembered";
    EXPECT_NE(host.outputFolder, folder);
    EXPECT_EQ(g_convertRuns.load(), 0);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_TRUE(ConversionControl::FolderWriteRefusal(QString::fromStdString(locked.string())).isEmpty());
    EXPECT_TRUE(fs::is_empty(locked)) << "the check leaves nothing behind";
}

TEST_F(ConversionTest, ARunThatWroteNothingDoesNotOpenTheFolder) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    workerAt(2, {kRowFailed, kRowFailed});
    g_release = true;
    control.ConversionTimer();
    EXPECT_FALSE(window.open);
    EXPECT_TRUE(platform.openedPaths.empty());
}

TEST_F(ConversionTest, ABlankFolderIsRefusedAndNothingIsMadeWhereTheProgramStarted) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    host.rows.back().checked = false;
    host.statuses[1] = "Stopped";  // the last run's: a refused run leaves it so
    const fs::path started = fs::current_path();
    fs::current_path(dir.path());
    for (const char* blank : {"", " ", "  \t"}) {
        host.folderText = blank;
        EXPECT_FALSE(control.StartConversion()) << '"' << blank << '"';
    }
    fs::current_path(started);
    EXPECT_EQ(platform.messageTexts(),
              QStringList(3, "No output folder is given. Please specify a different folder!"));
    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Exclamation) << "as every message about a bad choice";
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_EQ(g_convertRuns.load(), 0);
    EXPECT_EQ(host.statuses[1], "Stopped");
    // A typed folder's blanks around it are slips, not part of its name.
    host.folderText = " " + QString::fromStdString(dir.path().string()) + " ";
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(host.outputFolder, QString::fromStdString(dir.path().string()));
}

TEST_F(ConversionTest, AFileIsNoFolder) {
    host.addRow("/v/a.avi");
    const fs::path file = dir.path() / "taken";
    std::ofstream(file) << "x";
    host.folderText = QString::fromStdString(file.string());
    EXPECT_FALSE(control.StartConversion());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(g_convertRuns.load(), 0);
}

TEST_F(ConversionTest, BareRootFolderStopsSilently) {
    host.addRow("/v/a.avi");
    for (const char* root : {"\\", "/"}) {
        host.folderText = root;
        EXPECT_FALSE(control.StartConversion()) << root;
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(g_convertRuns.load(), 0);
}

TEST_F(ConversionTest, SettingsGoIntoTheJob) {
    host.addRow("/v/a.avi");
    settings.frameRateText = "25.0 fps";
    settings.videoEncoder = "MPEG4";
    settings.audioEncoder = "MP3";
    settings.audioOnly = false;
    settings.makeThumbnail = true;
    ASSERT_TRUE(control.StartConversion());
    EXPECT_DOUBLE_EQ(host.job.outputFrameRate, 25.0);
    EXPECT_EQ(host.job.videoCodecId, 13);
    EXPECT_EQ(host.job.audioCodecId, 0x15001);
    EXPECT_EQ(host.job.thumbnailMode, 1);
    EXPECT_TRUE(host.job.encodeVideo);
    EXPECT_EQ(host.job.currentFile.load(), -1);
    EXPECT_EQ(host.job.progressPercent.load(), 0);
}

// ---- The timer ----

TEST_F(ConversionTest, FiveRowsCountUpAndMoveTheTotalBar) {
    // "%1" in a name is the name's own, not a place for the percentage.
    for (const char* name : {"/v/a.avi", "/v/b%1.avi", "/v/c.avi", "/v/d.avi", "/v/e.avi"}) host.addRow(name);
    ASSERT_TRUE(control.StartConversion());
    EXPECT_TRUE(window.open);
    EXPECT_TRUE(control.TimerActive());
    control.ConversionTimer();
    EXPECT_EQ(window.totalText, "0 Task Completed / Total 5 Task(s)");
    EXPECT_EQ(window.totalBar, 0);

    host.job.progressPercent.store(37);
    workerAt(1, {kRowCompleted});
    control.ConversionTimer();
    EXPECT_EQ(window.totalText, "1 Task Completed / Total 5 Task(s)");
    EXPECT_EQ(window.totalBar, 27) << "the finished row and the running row's share: (10 + 3.7) / 50";
    EXPECT_EQ(window.currentText, "b%1.avi   37% has completed");
    EXPECT_EQ(window.currentBar, 37);
    EXPECT_EQ(host.statuses[0], "Completed");
    EXPECT_FALSE(host.rows[0].checked) << "a completed row is unchecked";
    EXPECT_TRUE(host.rows[1].checked);
    EXPECT_EQ(host.statuses[1], " Ready");
}

TEST_F(ConversionTest, TimeLeftComesFromMediaSecondsAcrossTheBatch) {
    double now = 50;
    control.SetClock([&now] { return now; });
    host.addRow("/v/a.avi", true, "00:01:00");
    host.addRow("/v/b.avi", false, "00:10:00");  // not converted: not in the estimate
    host.addRow("/v/c.avi", true, "00:02:00");
    ASSERT_TRUE(control.StartConversion());
    workerAt(0, {});
    host.job.progressPercent.store(0);
    control.ConversionTimer();
    EXPECT_EQ(window.runLeft, "") << "blank until it means something";
    EXPECT_EQ(window.fileLeft, "");
    // 30 media seconds in 10 wall seconds: 3 per second.
    now = 60;
    host.job.progressPercent.store(50);
    control.ConversionTimer();
    EXPECT_EQ(window.runLeft, "About 00:50 left in all");  // (180 - 30) / 3
    EXPECT_EQ(window.fileLeft, "About 00:10 left for this file");
    // The first row done, a third of the last: 100 s of 180 in 20 s of wall time.
    now = 70;
    host.job.progressPercent.store(33);
    workerAt(2, {kRowCompleted, kRowPending});
    control.ConversionTimer();
    EXPECT_EQ(window.runLeft, "About 00:17 left in all");  // (180 - 99.6) / (99.6 / 20), rounded up
    EXPECT_EQ(window.fileLeft, "About 00:17 left for this file");
}

TEST_F(ConversionTest, SeveralRunningRowsShowTheFirstNameTheirMeanAndRowsDoneOutOfOrder) {
    for (const char* name : {"/v/a.avi", "/v/b.avi", "/v/c.avi", "/v/d.avi"}) host.addRow(name);
    ASSERT_TRUE(control.StartConversion());
    // Rows 0 and 2 run; row 1 has already completed behind the lowest running row.
    host.job.rowsStarted.store(3);
    host.job.runningRows[0].store(2);
    host.job.runningRows[1].store(0);
    host.job.rowPercent[0].store(30);
    host.job.rowPercent[2].store(60);
    host.job.fileState[1].store(kRowCompleted);
    host.job.currentFile.store(0);
    host.job.progressPercent.store(45);
    control.ConversionTimer();
    EXPECT_EQ(window.currentText, "a.avi + 1 more   45% has completed");
    EXPECT_EQ(window.currentBar, 45);
    EXPECT_EQ(host.statuses[1], "Completed");
    EXPECT_FALSE(host.rows[1].checked);
    // Each running row shows itself: in the task list and on a line of its own.
    EXPECT_EQ(host.statuses[0], "Converting 30 %");
    EXPECT_EQ(host.statuses[2], "Converting 60 %");
    EXPECT_EQ(host.statuses[3], " Ready");
    EXPECT_EQ(window.running, (std::vector<ProgressWindow::RunningRow>{{"a.avi", 30}, {"c.avi", 60}}));
    EXPECT_EQ(window.totalText, "1 Task Completed / Total 4 Task(s)");
    EXPECT_EQ(window.totalBar, 47) << "every row's share: (10 + 3 + 6) / 40";

    // Row 2 fails, row 0 completes; the last row runs alone.
    host.job.failRow(2, "The video encoder does not accept these settings");
    host.job.noteRow(0, "video kept as it is");
    host.job.fileState[0].store(kRowCompleted);
    host.job.runningRows[0].store(-1);
    host.job.runningRows[1].store(3);
    host.job.rowsStarted.store(4);
    host.job.currentFile.store(3);
    host.job.progressPercent.store(10);
    host.job.rowPercent[3].store(10);
    control.ConversionTimer();
    EXPECT_EQ(window.currentText, "d.avi   10% has completed");
    EXPECT_EQ(host.statuses[2], "Failure");
    EXPECT_EQ(host.statuses[0], "Completed");
    EXPECT_EQ(host.tips[0], "video kept as it is") << "what a kept video did, in the status tooltip";
    EXPECT_EQ(host.statuses[3], "Converting 10 %");
    EXPECT_EQ(window.running.size(), 1u);
    EXPECT_EQ(window.totalText, "3 Task Completed / Total 4 Task(s)") << "finished rows, failed ones included";
    EXPECT_EQ(window.totalBar, 70) << "the failed row leaves the total: (10 + 10 + 1) / 30";

    // The run completes with the failure: a summary says what happened and why.
    host.job.fileState[3].store(kRowCompleted);
    host.job.currentFile.store(4);
    control.ConversionTimer();
    EXPECT_EQ(control.CurrentState(), ConversionControl::State::Idle);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text.toStdString(),
              "3 completed, 1 failed, 0 stopped.\n\nFailed:\nc.avi: The video encoder does not accept these settings");
}

TEST_F(ConversionTest, FailedRowsShowFailureAndStayChecked) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    host.job.failRow(0, "Cannot create the output: Read-only file system");
    workerAt(1, {kRowFailed});
    control.ConversionTimer();
    EXPECT_EQ(host.statuses[0], "Failure");
    EXPECT_EQ(host.tips[0], "Cannot create the output: Read-only file system") << "the reason, in the status tooltip";
    EXPECT_TRUE(host.rows[0].checked);
    // The summary tells rows of one name apart by their folders.
    host.job.fileState[0].store(kRowFailed);
    host.job.currentFile.store(2);
    host.rows[1].sourcePath = "/w/a.avi";
    EXPECT_EQ(control.RunSummary(host.job, {0, 1, 0}).toStdString(),
              "0 completed, 1 failed, 0 stopped.\n\nFailed:\nv/a.avi: Cannot create the output: Read-only file system");
}

// Under another language the row's reason, the note of a kept video and the
// summary are in that language; the command line's English stays the engine's.
TEST_F(ConversionTest, ReasonsAndNotesReadInTheWindowsLanguage) {
    UiTranslation german;
    ASSERT_TRUE(german.Install(QStringLiteral("de"), qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/translations"));
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    host.job.failRow(0, "Cannot create the output: Read-only file system");
    host.job.noteRow(1, "video kept as it is");
    host.job.noteRow(1, "sound converted: only AAC-LC plays on the PSP");
    workerAt(2, {kRowFailed, kRowCompleted});
    control.ConversionTimer();
    EXPECT_EQ(host.statuses[0], "Fehlgeschlagen");
    EXPECT_EQ(host.tips[0], "Die Ausgabedatei kann nicht angelegt werden: Dateisystem ist schreibgeschützt");
    EXPECT_EQ(host.tips[1], "Video unverändert beibehalten; Ton konvertiert: die PSP spielt nur AAC-LC ab");
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_TRUE(platform.messages.back().text.endsWith(
        "a.avi: Die Ausgabedatei kann nicht angelegt werden: Dateisystem ist schreibgeschützt"))
        << platform.messages.back().text.toStdString();
    EXPECT_EQ(host.job.failureReason(0), "Cannot create the output: Read-only file system") << "the engine's own words";
}

TEST_F(ConversionTest, ARowStoppedBeforeItWroteAnythingIsReadyAgain) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    host.job.rowsStarted.store(1);
    host.job.runningRows[0].store(0);
    host.job.rowPercent[0].store(0);
    host.job.currentFile.store(0);
    control.ConversionTimer();
    EXPECT_EQ(host.statuses[0], "Converting 0 %");
    control.RequestStop();
    control.WaitForWorker();
    EXPECT_EQ(host.statuses[0], " Ready") << "no \"Converting\" left behind";
    EXPECT_TRUE(platform.messages.empty()) << "a stopped run without failures needs no summary";
}

TEST_F(ConversionTest, StoppedRowShowsStoppedAndStaysChecked) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    workerAt(1, {kRowStopped});
    control.ConversionTimer();
    EXPECT_EQ(host.statuses[0], "Stopped");
    EXPECT_TRUE(host.rows[0].checked);
    EXPECT_EQ(host.statuses[1], " Ready");
}

// A row added with a folder keeps its place below the output folder only while the
// option says so; "Skip files done before" reaches the worker, and its rows say so.
TEST_F(ConversionTest, TheOutputAreaOptionsReachTheJobAndDoneRowsSaySo) {
    host.addRow("/v/Season 1/a.avi");
    host.rows.back().subfolder = "Season 1";
    host.addRow("/v/b.avi");
    const std::string folder = host.folderText.toStdString();
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(host.job.outputPaths[0], folder + "/a.mp4") << "flat, as by default";
    EXPECT_FALSE(host.job.skipDone);
    g_release = true;
    control.WaitForWorker();
    g_release = false;

    host.keepTree = true;
    host.skipDone = true;
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(host.job.outputPaths[0], folder + "/Season 1/a.mp4");
    EXPECT_EQ(host.job.outputPaths[1], folder + "/b.mp4");
    EXPECT_TRUE(host.job.skipDone);
    workerAt(2, {kRowDoneBefore, kRowCompleted});
    control.ConversionTimer();
    EXPECT_EQ(host.statuses[0], "Done before");
    EXPECT_FALSE(host.rows[0].checked) << "done, as a completed row";
    EXPECT_EQ(window.totalText, "2 Task Completed / Total 2 Task(s)");

    host.rows[0].checked = host.rows[1].checked = true;
    g_release = true;
    control.WaitForWorker();
    g_release = false;
    ASSERT_TRUE(control.StartMerge());
    EXPECT_FALSE(host.job.skipDone) << "a merge writes one new file";
}

TEST_F(ConversionTest, UncheckedRowsInBetweenNeverCount) {
    host.addRow("/v/a.avi", true);
    host.addRow("/v/b.avi", false);
    host.addRow("/v/c.avi", false);
    host.addRow("/v/d.avi", true);
    ASSERT_TRUE(control.StartConversion());
    workerAt(3, {kRowCompleted, kRowPending, kRowPending});
    control.ConversionTimer();
    EXPECT_EQ(window.totalText, "1 Task Completed / Total 2 Task(s)") << "not the worker's row number 3";
    EXPECT_EQ(window.totalBar, 50);
    EXPECT_EQ(host.statuses[1], " Ready");
    EXPECT_FALSE(host.rows[1].checked) << "untouched";
}

// ---- Completion ----

TEST_F(ConversionTest, CompletionOpensTheFolderOnceAndKeepsTheMachineOn) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(platform.heldSleepInhibitors, 1) << "no suspend while converting";
    workerAt(2, {kRowCompleted, kRowCompleted});
    g_release = true;
    control.ConversionTimer();
    control.ConversionTimer();
    QTest::qWait(2 * ConversionControl::kTimerPeriodMs);
    EXPECT_EQ(platform.openedPaths, std::vector<QString>{host.folderText});
    EXPECT_EQ(platform.powerOffCount, 0);
    EXPECT_FALSE(control.ShutdownWhenDone());
    EXPECT_FALSE(window.open);
    EXPECT_EQ(window.closes, 1);
    EXPECT_FALSE(control.TimerActive());
    EXPECT_EQ(window.totalText, "2 Task Completed / Total 2 Task(s)");
    EXPECT_EQ(window.totalBar, 100);
    EXPECT_EQ(platform.heldSleepInhibitors, 0) << "the lock goes with the run";
    EXPECT_EQ(platform.sleepInhibitCount, 1);
}

TEST_F(ConversionTest, CompletionWhileAwayNotifiesWithTheCountsAndTheFolder) {
    bool active = false;
    control.SetActiveCheck([&active] { return active; });
    host.addRow("/v/a.avi", true, "00:00:10");
    host.addRow("/v/b.avi", false);
    host.addRow("/v/c.avi", true, "00:00:30");
    host.addRow("/v/d.avi", true, "00:00:20");
    ASSERT_TRUE(control.StartConversion());
    workerAt(1, {kRowCompleted});
    host.job.progressPercent.store(50);
    control.ConversionTimer();
    ASSERT_FALSE(platform.launcherProgress.empty());
    EXPECT_DOUBLE_EQ(platform.launcherProgress.back(), 10.0 / 60) << "media seconds of the checked rows";
    workerAt(4, {kRowCompleted, kRowPending, kRowFailed, kRowCompleted});
    g_release = true;
    control.ConversionTimer();
    ASSERT_EQ(platform.notifications.size(), 1u);
    EXPECT_EQ(platform.notifications[0].summary, "Conversion finished");
    EXPECT_EQ(platform.notifications[0].body, "2 completed, 1 failed") << "the unchecked row is not counted";
    EXPECT_EQ(platform.notifications[0].folder, host.folderText);
    EXPECT_DOUBLE_EQ(platform.launcherProgress.back(), -1.0) << "the launcher's bar goes with the run";

    // Looking at the window: it closes in front of the user, no notification.
    active = true;
    for (auto& row : host.rows) row.checked = true;
    g_release = false;
    ASSERT_TRUE(control.StartConversion());
    workerAt(4, {kRowCompleted, kRowCompleted, kRowCompleted, kRowCompleted});
    g_release = true;
    control.ConversionTimer();
    EXPECT_EQ(platform.notifications.size(), 1u);
}

TEST_F(ConversionTest, AStoppedRunSendsNoNotification) {
    control.SetActiveCheck([] { return false; });
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    control.RequestStop();
    control.WaitForWorker();
    EXPECT_TRUE(platform.notifications.empty());
}

TEST_F(ConversionTest, CompletionPowersOffOnlyWhenTheBoxIsChecked) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    window.shutdownBox = true;
    workerAt(1, {kRowCompleted});
    g_release = true;
    control.ConversionTimer();
    EXPECT_TRUE(control.ShutdownWhenDone());
    EXPECT_EQ(platform.powerOffCount, 1);
    EXPECT_EQ(platform.openedPaths.size(), 1u) << "the folder is opened before the power-off";
}

TEST_F(ConversionTest, TheRealTimerDrivesTheRun) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    workerAt(1, {kRowCompleted});
    g_release = true;
    for (int i = 0; i < 50 && control.CurrentState() != ConversionControl::State::Idle; ++i) QTest::qWait(20);
    EXPECT_EQ(control.CurrentState(), ConversionControl::State::Idle);
    EXPECT_EQ(platform.openedPaths.size(), 1u);
}

// ---- Stop ----

TEST_F(ConversionTest, StopWaitsForTheWorkerAndNeverRunsTwo) {
    control.SetWorkerProcedures(&slowToStop, &slowToStop);
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    const int mostBefore = ConversionControl::MostConcurrentWorkers();
    ASSERT_TRUE(control.StartConversion());
    ASSERT_TRUE(window.onStop);
    window.onStop();  // Stop pressed
    EXPECT_TRUE(host.job.stopRequested.load());
    EXPECT_TRUE(window.stopping) << "\"Stopping...\" while the worker finishes";
    EXPECT_TRUE(window.open) << "the window stays until the worker has ended";
    EXPECT_EQ(control.CurrentState(), ConversionControl::State::Stopping);

    // Convert again at once: the old worker is waited for before the job is refilled.
    ASSERT_TRUE(control.StartConversion());
    EXPECT_FALSE(host.job.stopRequested.load()) << "the new run starts clean";
    EXPECT_EQ(window.runs, 2);
    EXPECT_EQ(platform.openedPaths.size(), 0u) << "a stopped run opens nothing";
    EXPECT_EQ(platform.heldSleepInhibitors, 1) << "only the new run's lock";
    control.WaitForWorker();
    EXPECT_EQ(g_convertRuns.load(), 2);
    EXPECT_LE(ConversionControl::MostConcurrentWorkers(), std::max(mostBefore, 1));
    EXPECT_EQ(platform.heldSleepInhibitors, 0);
}

TEST_F(ConversionTest, StoppedRunClosesWhenTheWorkerEnds) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    workerAt(0, {});
    window.onStop();
    workerAt(1, {kRowStopped});  // the worker cut row 0 short and passed it
    for (int i = 0; i < 50 && window.open; ++i) QTest::qWait(20);
    EXPECT_FALSE(window.open);
    EXPECT_EQ(control.CurrentState(), ConversionControl::State::Idle);
    EXPECT_TRUE(platform.openedPaths.empty());
    EXPECT_EQ(platform.powerOffCount, 0);
    EXPECT_EQ(host.statuses[0], "Stopped") << "the row cut short says so; its output is kept";
    EXPECT_TRUE(host.rows[0].checked) << "converted again by the next Convert";

    // Until the next run: then it is a task like any other again.
    g_release = true;
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(host.statuses[0], " Ready");
    control.WaitForWorker();
}

TEST_F(ConversionTest, ARowThatStillCompletesAfterStopIsNotStopped) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    workerAt(0, {});
    window.onStop();
    workerAt(1, {kRowCompleted, kRowPending});  // the stop came as row 0 ended
    g_release = true;
    for (int i = 0; i < 50 && window.open; ++i) QTest::qWait(20);
    EXPECT_EQ(host.statuses[0], "Completed");
    EXPECT_EQ(host.statuses[1], " Ready") << "never started";
}

TEST_F(ConversionTest, RowsFinishedWhileStoppingStillGetTheirStatus) {
    host.addRow("/v/a.avi");
    host.addRow("/v/b.avi");
    ASSERT_TRUE(control.StartConversion());
    window.onStop();
    // The worker completes the row it was on before it sees the stop.
    workerAt(1, {kRowCompleted, kRowPending});
    g_release = true;
    for (int i = 0; i < 50 && window.open; ++i) QTest::qWait(20);
    EXPECT_FALSE(window.open);
    EXPECT_EQ(host.statuses[0], "Completed");
    EXPECT_FALSE(host.rows[0].checked);
    EXPECT_EQ(host.statuses[1], " Ready");
    EXPECT_TRUE(host.rows[1].checked) << "converted by the next Convert";
    EXPECT_EQ(window.totalText, "1 Task Completed / Total 2 Task(s)");
}

// ---- Messages from the worker ----

TEST_F(ConversionTest, JpegErrorIsShownOnTheUiThreadWhileTheRunGoesOn) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    ASSERT_TRUE(host.job.jpegError);
    std::thread worker([&] { host.job.jpegError("Bogus marker length"); });
    worker.join();
    EXPECT_TRUE(platform.messages.empty()) << "not shown from the worker's thread";
    QCoreApplication::processEvents();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Bogus marker length");
    EXPECT_EQ(platform.messages[0].caption, "JPEG Error");
    EXPECT_EQ(control.CurrentState(), ConversionControl::State::Running);
}

TEST_F(ConversionTest, PreviewSinkAndJobAreHandedToTheWindow) {
    host.addRow("/v/a.avi");
    ASSERT_TRUE(control.StartConversion());
    EXPECT_EQ(window.job, &host.job);
    EXPECT_EQ(host.job.previewSink, &window.sink);
    g_release = true;
    control.WaitForWorker();
    EXPECT_EQ(host.job.previewSink, nullptr) << "no sink is left behind after the run";
}

// ---- The real workers on generated clips ----

void runToIdle(ConversionControl& control) {
    for (int i = 0; i < 1500 && control.CurrentState() != ConversionControl::State::Idle; ++i) QTest::qWait(20);
}

TEST(ConversionRealWorkers, ConvertThenMergeTwoClips) {
    testmedia::TempDir dir;
    FakePlatform platform;
    ScopedPlatform installed(platform);
    FakeHost host;
    FakeProgress window;
    OutputSettings settings;
    settings.width = 320;
    settings.height = 240;
    settings.frameRateText = "25.0 fps";
    settings.videoEncoder = "MPEG4";
    settings.audioEncoder = "AAC";
    settings.videoBitRate = 400000;
    settings.audioBitRate = 96000;
    settings.sampleRate = 44100;
    settings.channels = 2;
    settings.makeThumbnail = true;

    const std::string first = dir.file("first.clip.mkv");
    const std::string second = dir.file("second.avi");
    testmedia::ClipSpec shape;
    shape.seconds = 1.0;
    shape.videoSize = "160x120";
    ASSERT_TRUE(testmedia::makeClip(first, shape));
    ASSERT_TRUE(testmedia::makeClip(second, shape));
    const fs::path out = dir.path() / "out";
    host.folderText = QString::fromStdString(out.string());
    host.addRow(first, true, "00:00:01");
    host.addRow(second, true, "00:00:01");

    ConversionControl control(host, window, settings);
    ASSERT_TRUE(control.StartConversion());
    runToIdle(control);
    ASSERT_EQ(control.CurrentState(), ConversionControl::State::Idle);
    EXPECT_EQ(host.statuses, (std::vector<QString>{"Completed", "Completed"}));
    EXPECT_EQ(window.totalText, "2 Task Completed / Total 2 Task(s)");
    EXPECT_GT(window.sink.pictures.load(), 0) << "the preview got pictures";
    for (const char* name : {"first.clip", "second"}) {
        const std::string output = (out / (std::string(name) + ".mp4")).string();
        const testmedia::ProbeInfo info = testmedia::probe(output);
        ASSERT_TRUE(info.ok) << output;
        ASSERT_NE(info.video(), nullptr) << output;
        ASSERT_NE(info.audio(), nullptr) << output;
        EXPECT_EQ(info.video()->width, 320);
        EXPECT_EQ(info.video()->height, 240);
        EXPECT_EQ(info.video()->codecName, "mpeg4");
        EXPECT_EQ(info.audio()->codecName, "aac");
        EXPECT_NEAR(info.duration, 1.0, 0.3);
        const fs::path thumbnail = out / (std::string(name) + ".THM");
        EXPECT_TRUE(fs::exists(thumbnail)) << thumbnail;
        const testmedia::ProbeInfo thm = testmedia::probe(thumbnail.string());
        ASSERT_TRUE(thm.ok && thm.video());
        EXPECT_EQ(thm.video()->width, 160);
        EXPECT_EQ(thm.video()->height, 120);
    }
    EXPECT_EQ(platform.openedPaths, std::vector<QString>{host.folderText});

    // Both rows were unchecked by the conversion; check them again and merge.
    host.rows[0].checked = true;
    host.rows[1].checked = true;
    ASSERT_TRUE(control.StartMerge());
    runToIdle(control);
    ASSERT_EQ(control.CurrentState(), ConversionControl::State::Idle);
    const testmedia::ProbeInfo merged = testmedia::probe((out / "first.clip(0).mp4").string());
    ASSERT_TRUE(merged.ok) << "the merge is written beside the first conversion under a free name";
    EXPECT_NEAR(merged.duration, 2.0, 0.4);
    EXPECT_EQ(platform.openedPaths.size(), 2u);

    // A target size the second row's length cannot meet fails that row with the
    // reason; the first is fitted and converted.
    settings.targetSizeBytes = 150000;
    host.rows[0].checked = true;
    host.rows[1].checked = true;
    host.rows[1].endText = "01:00:00";
    ASSERT_TRUE(control.StartConversion());
    runToIdle(control);
    EXPECT_EQ(host.statuses, (std::vector<QString>{"Completed", "Failure"}));
    EXPECT_TRUE(host.tips[1].startsWith("The target size of 0.15 MB is too small for \"" +
                                        QString::fromStdString(dir.path().filename().string()) + "/second.avi\""))
        << host.tips[1].toStdString();
}

}  // namespace
