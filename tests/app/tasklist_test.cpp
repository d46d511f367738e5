// The task list: Add and drop with their row rules, invalid files, doubled
// separators, time texts, removal and selection, the button states, Delete from
// any control, the header box, the profile change, the file information texts
// and the capacity limit.

#include "AppTestSupport.h"

#include "app/MainWindowIds.h"
#include "app/ProbeQueue.h"
#include "app/TaskList.h"
#include "app/TaskListKeeper.h"
#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "dialogs/CFileInfomation.h"
#include "platform/ControlId.h"
#include "engine/AVConvert.h"
#include "platform/FileNames.h"
#include "platform/UiLanguage.h"
#include "profiles/OutputSettings.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/LibraryTree.h"

#include <cerrno>
#include <cstring>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDropEvent>
#include <QSignalSpy>
#include <QLineEdit>
#include <QMimeData>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <sys/resource.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace apptest;
using namespace mainwindow;

namespace {

const QString kProfile0 = " PS3 H.264 Video(*.mp4)";

std::vector<bool> enabledStates(CTolvaneAVConverterDlg& window, std::initializer_list<int> ids) {
    std::vector<bool> states;
    for (int id : ids) states.push_back(window.button(id)->isEnabled());
    return states;
}

}  // namespace

class TaskListTest : public MainWindowTest {
protected:
    CTolvaneAVConverterDlg& withRows(const QStringList& paths) {
        CTolvaneAVConverterDlg& window = open();
        window.AddPaths(paths);
        return window;
    }
    const Media& media() { return SharedMedia(); }
};

TEST_F(TaskListTest, AddingThreeFilesToTwoRowsAppendsThemCheckedInOrder) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA, media().clipB});
    window.profileCombo()->setCurrentIndex(9);
    const QString profile = window.profileCombo()->currentText();
    window.taskList().SetChecked(0, false);

    fake.fileChoices.push_back({media().clipC, media().audio, media().clipA});
    window.button(kAdd)->click();

    ASSERT_EQ(fake.fileChooserCalls.size(), 1u);
    EXPECT_EQ(fake.fileChooserCalls[0].windowsFilter.left(40), "All files (*.*)|*.*|All media files|*.fl");
    EXPECT_TRUE(fake.fileChooserCalls[0].windowsFilter.endsWith("|MPEG-4 Audio(*.m4a)|*.m4a||"));
    TaskList& tasks = window.taskList();
    ASSERT_EQ(tasks.Count(), 5);
    const QString expected[] = {media().clipA, media().clipB, media().clipC, media().audio, media().clipA};
    for (int row = 0; row < 5; ++row) EXPECT_EQ(tasks.Text(row, TaskList::kSource), expected[row]);
    for (int row = 2; row < 5; ++row) {
        EXPECT_TRUE(tasks.IsChecked(row));
        EXPECT_EQ(tasks.Text(row, TaskList::kStatus), " Ready");
        EXPECT_EQ(tasks.Text(row, TaskList::kFormat), profile);
        EXPECT_EQ(tasks.Text(row, TaskList::kStart), "00:00:00");
        EXPECT_EQ(tasks.Text(row, TaskList::kEnd), "00:00:01");
        EXPECT_EQ(tasks.Text(row, TaskList::kDuration), "1");
    }
    EXPECT_FALSE(tasks.IsChecked(0)) << "earlier rows keep their state";
    EXPECT_TRUE(window.taskListControl()->isVisible() || !window.taskListControl()->isHidden());
    EXPECT_EQ(enabledStates(window, {kEmpty, kConvert, kClip, kCut, kFileInfo, kSetting, kMerge, kPlay, kStop}),
              std::vector<bool>(9, true));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(TaskListTest, DroppingThreeFilesPutsTheLastOnTopLikeAddedRows) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA});
    window.DropFiles({media().clipB, media().clipC, QDir(QDir::currentPath()).relativeFilePath(media().audio)});
    TaskList& tasks = window.taskList();
    ASSERT_EQ(tasks.Count(), 4);
    EXPECT_EQ(tasks.Text(0, TaskList::kSource), media().audio);
    EXPECT_EQ(tasks.Text(1, TaskList::kSource), media().clipC);
    EXPECT_EQ(tasks.Text(2, TaskList::kSource), media().clipB);
    EXPECT_EQ(tasks.Text(3, TaskList::kSource), media().clipA);
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(tasks.IsChecked(row)) << "a dropped file is converted like an added one";
        EXPECT_EQ(tasks.Text(row, TaskList::kFormat), kProfile0);
        EXPECT_EQ(tasks.Text(row, TaskList::kStatus), " Ready");
    }
    EXPECT_EQ(tasks.FirstSelected(), 0);
    EXPECT_TRUE(window.button(kPlay)->isEnabled() && window.button(kStop)->isEnabled());
    EXPECT_TRUE(window.button(kMerge)->isEnabled());
    EXPECT_EQ(CurrentFileInfoTexts().filePath, media().audio) << "the selected row's information";
}

// A running row's status reads whole at the window's first size ("Converting
// 74 %" read "Con…4 %"); a wider window shows the output format whole, then
// more of the source, the status keeping what it needs.
TEST_F(TaskListTest, TheStatusOfARunningRowFitsItsColumn) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    CCheckListCtrl& list = *window.taskListControl();
    window.taskList().SetText(0, TaskList::kStatus, "Converting 100 %");
    const int status = list.columnWidth(TaskList::kStatus);
    EXPECT_GE(status, TaskList::StatusWidthNeeded(list.fontMetrics()));
    EXPECT_EQ(list.ShownText(0, TaskList::kStatus), "Converting 100 %");
    EXPECT_GE(list.columnWidth(TaskList::kSource), 130) << "the file names keep most of their room";
    // Growing step by step, the format reads whole before the source takes more
    // than the 150 pixels that keep a name readable.
    int source = list.columnWidth(TaskList::kSource);
    for (int step = 0; step < 40 && list.ShownText(0, TaskList::kFormat) != window.taskList().Text(0, TaskList::kFormat); ++step) {
        window.resize(window.size() + QSize(10, 0));
        EXPECT_LE(list.columnWidth(TaskList::kSource), std::max(source, 150)) << "the format is not whole yet";
        source = list.columnWidth(TaskList::kSource);
    }
    EXPECT_EQ(list.ShownText(0, TaskList::kFormat), window.taskList().Text(0, TaskList::kFormat));
    window.resize(window.size() + QSize(400, 0));
    EXPECT_GT(list.columnWidth(TaskList::kSource), source + 100);
    EXPECT_EQ(list.ShownText(0, TaskList::kStatus), "Converting 100 %");
    // A restored row's format is set as the kept list is read, not as files are added.
    const QString longer = "PSP H.264 Video for firmware 2.00 and above(*.mp4)";
    window.taskList().SetText(0, TaskList::kFormat, longer);
    window.resize(window.size() + QSize(200, 0));
    EXPECT_EQ(list.ShownText(0, TaskList::kFormat), longer);
}

// A hand-over of many measured files becomes rows in one step (the list lays
// itself out once, not once a row), in the order single additions give.
TEST_F(TaskListTest, ManyRowsAreInsertedInOneStepInTheOrderSingleAdditionsGive) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA});
    TaskList& tasks = window.taskList();
    std::vector<TaskList::NewTask> files;
    for (int i = 0; i < 300; ++i) files.push_back({QStringLiteral("/media/file %1.avi").arg(i), {0, 3, 3000000}});
    QSignalSpy inserted(window.taskListControl()->model(), &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(tasks.AddTasks(files, true, kProfile0), 0);
    EXPECT_EQ(tasks.AddTasks(files, false, kProfile0), 600);
    EXPECT_EQ(inserted.count(), 2);
    ASSERT_EQ(tasks.Count(), 601);
    EXPECT_EQ(tasks.Text(0, TaskList::kSource), "/media/file 299.avi") << "a drop puts each file above the one before";
    EXPECT_EQ(tasks.Text(299, TaskList::kSource), "/media/file 0.avi");
    EXPECT_EQ(tasks.Text(300, TaskList::kSource), media().clipA);
    EXPECT_EQ(tasks.Text(301, TaskList::kSource), "/media/file 0.avi") << "Add appends in the given order";
    EXPECT_EQ(tasks.Text(600, TaskList::kSource), "/media/file 299.avi");
    for (int row : {0, 299, 301, 600}) {
        EXPECT_TRUE(tasks.IsChecked(row));
        EXPECT_EQ(tasks.Text(row, TaskList::kEnd), "00:00:03");
        EXPECT_EQ(tasks.Text(row, TaskList::kFormat), kProfile0);
        EXPECT_EQ(tasks.Text(row, TaskList::kStatus), " Ready");
    }
    EXPECT_EQ(window.taskListControl()->UncheckedCount(), 0);
}

TEST_F(TaskListTest, FilesDroppedFromAFileManagerArriveAsAUriList) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // A Latin-1 name arrives escaped byte by byte; the row keeps those bytes.
    const std::string latin1 = exeDir.file("caf\xE9.avi");
    std::filesystem::copy_file(media().clipA.toStdString(), latin1);
    const QByteArray latin1Url =
        "file://" + QByteArray::fromStdString(latin1).toPercentEncoding("/");
    QMimeData mime;
    mime.setData("text/uri-list", (QUrl::fromLocalFile(media().clipA).toEncoded() + "\r\n" +
                                   QUrl::fromLocalFile(media().clipB).toEncoded() + "\r\n" +
                                   "https://example.org/not-a-file.avi\r\n" + latin1Url + "\r\n"));
    const QPoint at(200, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();  // the drop is handled after the drag ends
    ASSERT_EQ(window.taskList().Count(), 3) << "no file refused as invalid";
    EXPECT_EQ(EncodeFileName(window.taskList().Text(0, TaskList::kSource)), latin1);
    EXPECT_EQ(window.taskList().Text(1, TaskList::kSource), media().clipB);
    EXPECT_EQ(window.taskList().Text(2, TaskList::kSource), media().clipA);
}

namespace {

// The rows' files below `root`, top to bottom.
std::vector<std::string> RowsBelow(TaskList& tasks, const std::string& root) {
    std::vector<std::string> rows;
    for (int row = 0; row < tasks.Count(); ++row) {
        const std::string path = EncodeFileName(tasks.Text(row, TaskList::kSource));
        rows.push_back(path.rfind(root + "/", 0) == 0 ? path.substr(root.size() + 1) : path);
    }
    return rows;
}

}  // namespace

// A folder dropped, chosen through Add, or handed over on the command line ("Open
// with") adds exactly its media files in natural order, each row knowing its
// folder below the one added; nothing is said of the files that are no media.
TEST_F(TaskListTest, AFolderAddsExactlyItsMediaFilesInNaturalOrder) {
    const testmedia::LibraryTree tree =
        testmedia::MakeLibraryTree(exeDir.file("library"), media().clipA.toStdString(), exeDir.file("elsewhere"));
    const QString root = DecodeFileName(tree.root);
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        CTolvaneAVConverterDlg& window = open();
        if (way == 0) window.DropFiles({root});
        if (way == 1) window.AddPaths({root});  // the files of the command line at start
        if (way == 2) window.TakeHandedFiles({root});  // handed over by a later start
        if (way == 3) {
            fake.fileChoices.push_back({root});
            window.AddFiles();
        }
        TaskList& tasks = window.taskList();
        EXPECT_EQ(RowsBelow(tasks, tree.root), tree.media);
        ASSERT_EQ(tasks.Count(), static_cast<int>(tree.media.size()));
        EXPECT_EQ(tasks.Subfolder(0), "Season 1");
        EXPECT_EQ(EncodeFileName(tasks.Subfolder(2)), "Season 1/Extras");
        EXPECT_EQ(tasks.Row(2).subfolder, "Season 1/Extras");
        EXPECT_EQ(tasks.Subfolder(5), "");
        EXPECT_TRUE(fake.messages.empty()) << fake.messageTexts().join("\n").toStdString();
        EXPECT_FALSE(window.addingBar()->isVisible());
        fake.messages.clear();
    }
    // A drop of a file and a folder: each on top as dropped, the folder's files as one block.
    CTolvaneAVConverterDlg& window = open();
    window.DropFiles({media().clipB, root + "/Season 2", media().clipC});
    EXPECT_EQ(RowsBelow(window.taskList(), tree.root),
              (std::vector<std::string>{media().clipC.toStdString(), "Season 2/01.mkv", media().clipB.toStdString()}));
}

// Files handed over by a later start ("Open with" on several files) join the end of
// the list in the order given, as Add's do, not on top in reverse.
TEST_F(TaskListTest, HandedFilesJoinTheEndInTheirOrder) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({media().clipA});
    window.TakeHandedFiles({media().clipB, media().clipC});
    TaskList& tasks = window.taskList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tasks.Count() == 3; }));
    EXPECT_EQ(tasks.Text(0, TaskList::kSource), media().clipA);
    EXPECT_EQ(tasks.Text(1, TaskList::kSource), media().clipB);
    EXPECT_EQ(tasks.Text(2, TaskList::kSource), media().clipC);
}

// The measuring threads yield to the window thread: on a machine with two cores
// the window must keep answering while they read thousands of files.
TEST_F(TaskListTest, MeasuringThreadsRunBelowTheWindowThread) {
    const int own = getpriority(PRIO_PROCESS, 0);
    const auto niceOf = [](const std::filesystem::path& task) {
        std::ifstream stat(task / "stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // A thread that ended since the folder was listed has no stat left to read.
        const std::size_t nameEnd = text.rfind(')');
        if (nameEnd == std::string::npos) return -100;
        // Fields after the name in parentheses; the nice value is the 19th field.
        std::istringstream rest(text.substr(nameEnd + 2));
        std::string field;
        for (int i = 3; i <= 19; ++i) rest >> field;
        return std::stoi(field);
    };
    ProbeQueue probes;
    std::set<int> seen;
    QObject::connect(&probes, &ProbeQueue::arrived, &probes, [&] {
        for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) seen.insert(niceOf(task.path()));
    });
    QSignalSpy finished(&probes, &ProbeQueue::finished);
    probes.Start(QStringList(400, media().clipA), 5);
    ASSERT_TRUE(finished.wait(120000));
    EXPECT_TRUE(seen.count(std::min(own + ProbeQueue::kYieldToWindow, 19))) << "no measuring thread ran lower";
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), own) << "the window thread keeps its priority";
}

TEST_F(TaskListTest, AddingKeepsTheEventLoopRunning) {
    CTolvaneAVConverterDlg& window = open();
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start();
    window.AddPaths({media().clipA, media().clipB, media().clipC});
    EXPECT_GE(ticks, 3) << "timers (and painting) run while each file is probed";
    EXPECT_EQ(window.taskList().Count(), 3);
}

// Many files: rows appear while the rest are measured, with a count and Cancel
// under the list; Cancel keeps the rows already added and adds no more.
TEST_F(TaskListTest, ManyFilesArriveRowByRowWithACountAndCancel) {
    QStringList copies;
    // Enough files that measuring them takes several hand-over ticks on any machine.
    for (int i = 0; i < 400; ++i) {
        const QString copy = QString::fromStdString(exeDir.file("many " + std::to_string(i) + ".avi"));
        ASSERT_TRUE(QFile::copy(media().clipA, copy));
        copies << copy;
    }
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString countShown;
    int rowsWhileAdding = -1;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!window.addingBar()->isVisible() || window.taskList().Count() < 5) return;
        watcher.stop();
        rowsWhileAdding = window.taskList().Count();
        countShown = window.addingBar()->findChild<QLabel*>()->text();
        // A real click on Cancel.
        auto* cancel = window.addingBar()->findChild<QPushButton*>("cancelAdding");
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    watcher.start();
    window.AddPaths(copies);
    EXPECT_GE(rowsWhileAdding, 5) << "rows came while the rest were measured";
    EXPECT_TRUE(countShown.startsWith("Adding files: ") && countShown.endsWith(" of 400")) << countShown.toStdString();
    EXPECT_LT(window.taskList().Count(), 400) << "Cancel stopped the addition";
    EXPECT_GE(window.taskList().Count(), rowsWhileAdding) << "the rows already there stay";
    EXPECT_FALSE(window.addingBar()->isVisible());
    EXPECT_FALSE(window.isBusy());
    for (int row = 0; row < window.taskList().Count(); ++row)
        EXPECT_EQ(window.taskList().Text(row, TaskList::kSource), copies[row]) << "in the given order";
}

TEST_F(TaskListTest, EveryProbeFirstLetsTheConversionControlFinishAWorker) {
    CTolvaneAVConverterDlg& window = open();
    int calls = 0;
    window.beforeProbe = [&calls] { ++calls; };
    // Added files are measured in jobs of their own (a running conversion goes
    // on); the shared job is probed for the selected row's information only.
    window.AddPaths({media().clipA, media().clipB});
    EXPECT_EQ(calls, 1);
    window.taskListControl()->SelectAndFocus(0);
    window.ClickTask();
    window.DropFiles({media().clipC});
    EXPECT_EQ(calls, 3);
}

TEST_F(TaskListTest, DropOfAnAddressThatIsNoFileAddsNothing) {
    CTolvaneAVConverterDlg& window = open();
    window.DropFiles({});
    EXPECT_EQ(window.taskList().Count(), 0);
    EXPECT_TRUE(window.taskListControl()->isHidden());
}

TEST_F(TaskListTest, InvalidFilesAreRefusedInOneMessageThatSaysWhy) {
    CTolvaneAVConverterDlg& window = open();
    const QString missing = QString::fromStdString(media().dir.file("gone.mp4"));
    const QString locked = QString::fromStdString(exeDir.file("locked.mp3"));
    ASSERT_TRUE(QFile::copy(media().audio, locked));
    ASSERT_EQ(::chmod(locked.toLocal8Bit().constData(), 0), 0);
    const bool unreadable = ::access(locked.toLocal8Bit().constData(), R_OK) != 0;  // root reads anything
    const QString notes = QString::fromStdString(exeDir.file("notes.txt"));
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a media file\n");
    }
    // A FIFO is judged by what it is: opening it to ask would wait for a writer.
    const QString pipe = QString::fromStdString(exeDir.file("pipe.avi"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    window.AddPaths({notes, media().clipA, missing, pipe});
    window.DropFiles({media().broken});
    EXPECT_EQ(window.taskList().Count(), 1);
    EXPECT_EQ(fake.messageTexts().join("|").toStdString(),
              QStringList({"3 files are invalid and were not added:\n"
                           "notes.txt: it is not a video or audio file that can be read\n"
                           "gone.mp4: the file does not exist\n"
                           "pipe.avi: it is not a plain file",
                           "File:broken.mp4 is invalid: the file is empty."})
                  .join("|")
                  .toStdString())
        << "one message per addition, each file with its reason";
    for (const auto& message : fake.messages) EXPECT_EQ(message.icon, MessageIcon::Exclamation) << "a warning, like the others";
    if (unreadable) {
        window.AddPaths({locked});
        EXPECT_EQ(fake.messageTexts().last(), "File:locked.mp3 is invalid: it cannot be read (permission denied).");
    }
}

TEST_F(TaskListTest, ClickOnARowWhoseFileVanishedShowsTheFullPath) {
    const QString copy = QString::fromStdString(exeDir.file("vanishing.avi"));
    ASSERT_TRUE(QFile::copy(media().clipA, copy));
    CTolvaneAVConverterDlg& window = withRows({copy});
    QFile::remove(copy);
    window.taskListControl()->SelectAndFocus(0);
    window.ClickTask();
    EXPECT_EQ(fake.messageTexts(), QStringList({"File:" + copy + " invalid!"}));
    EXPECT_EQ(fake.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(window.taskList().Count(), 1) << "the row stays";
}

TEST_F(TaskListTest, DoubledSeparatorsAreReduced) {
    EXPECT_EQ(TaskList::ReduceDoubledSeparators("/a//b///c.mp4"), "/a/b/c.mp4");
    EXPECT_EQ(TaskList::ReduceDoubledSeparators("name.mp4"), "name.mp4");
    CTolvaneAVConverterDlg& window = open();
    QString doubled = media().clipA;
    doubled.replace("/", "//");
    window.DropFiles({doubled});
    ASSERT_EQ(window.taskList().Count(), 1);
    EXPECT_EQ(window.taskList().Text(0, TaskList::kSource), media().clipA);
}

TEST_F(TaskListTest, LongFileShowsItsHoursMinutesAndSeconds) {
    // 3725 s of silence as FLAC: small and quick to make, exact length.
    const std::string path = exeDir.file("long.flac");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -v error -y -f lavfi -i anullsrc=r=8000:cl=mono -t 3725 -c:a flac " +
                                    testmedia::shellQuote(path)),
              0);
    CTolvaneAVConverterDlg& window = withRows({QString::fromStdString(path)});
    ASSERT_EQ(window.taskList().Count(), 1);
    EXPECT_EQ(window.taskList().Text(0, TaskList::kEnd), "01:02:05");
    EXPECT_EQ(window.taskList().Text(0, TaskList::kDuration), "3725");
    window.taskListControl()->SelectAndFocus(0);
    ASSERT_TRUE(window.LoadSelectedFileInfo());
    EXPECT_EQ(CurrentFileInfoTexts().mediaLength, "01:02:05.0");
    EXPECT_EQ(CurrentFileInfoTexts().sampleRate, "8000");
    EXPECT_EQ(CurrentFileInfoTexts().channels, "1");
    EXPECT_EQ(CurrentFileInfoTexts().frameRate, " 0.00 fps") << "no pictures, no division by zero";
}

TEST_F(TaskListTest, FileInformationTextsOfAVideo) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA});
    window.taskListControl()->SelectAndFocus(0);
    window.ClickTask();
    const FileInfoTexts& texts = CurrentFileInfoTexts();
    EXPECT_EQ(texts.filePath, media().clipA);
    EXPECT_TRUE(texts.mediaLength.startsWith("00:00:01.")) << texts.mediaLength.toStdString();
    EXPECT_EQ(texts.frameRate, "25.00 fps");
    EXPECT_EQ(texts.width, "64");
    EXPECT_EQ(texts.height, "48");
    EXPECT_EQ(texts.sampleRate, "44100");
    EXPECT_EQ(texts.channels, "2");
    window.button(kFileInfo)->click();
    EXPECT_EQ(modalClasses, QStringList({"CFileInfomation"}));
}

// A Matroska file with 5.1 AC-3 sound, clipped in the task list: its information
// says six channels in their layout (not "stereo"), a video bit rate from the
// container (Matroska streams state none; not "0 Kbps") and the file's own length,
// not the task's end time.
TEST_F(TaskListTest, FileInformationOfASurroundMatroskaFile) {
    const std::string path = exeDir.file("surround.mkv");
    testmedia::ClipSpec shape;
    shape.seconds = 2.0;
    shape.videoSize = "64x48";
    shape.channels = 6;
    shape.extraArgs = "-c:v mpeg4 -b:v 400k -c:a ac3";
    ASSERT_TRUE(testmedia::makeClip(path, shape));
    CTolvaneAVConverterDlg& window = withRows({QString::fromStdString(path)});
    ASSERT_EQ(window.taskList().Count(), 1);
    window.taskList().SetText(0, TaskList::kEnd, "00:00:01");  // clipped
    window.taskListControl()->SelectAndFocus(0);
    ASSERT_TRUE(window.LoadSelectedFileInfo());
    const FileInfoDisplay shown = FormatFileInfo(CurrentFileInfoTexts(), QLocale::c());
    EXPECT_TRUE(shown.channels.startsWith("6 Channel 5.1")) << shown.channels.toStdString();
    EXPECT_NE(shown.videoBitRate, "0 Kbps");
    EXPECT_TRUE(shown.videoBitRate.endsWith(" Kbps")) << shown.videoBitRate.toStdString();
    EXPECT_GT(shown.videoBitRate.section(' ', 0, 0).toInt(), 50);
    EXPECT_TRUE(shown.mediaLength.startsWith("00:00:02.")) << shown.mediaLength.toStdString();
}

TEST_F(TaskListTest, RemovalSelectsTheNextRowAndUpdatesButtons) {
    CTolvaneAVConverterDlg& window =
        withRows({media().clipA, media().clipB, media().clipC, media().audio, media().clipA});
    TaskList& tasks = window.taskList();
    CCheckListCtrl* list = window.taskListControl();

    EXPECT_EQ(tasks.Selected(), std::vector<int>({0})) << "Add selects its first row when none is";
    list->clearSelection();
    list->SelectAndFocus(4);  // the last of five
    window.RemoveTask();
    EXPECT_EQ(tasks.Count(), 4);
    EXPECT_EQ(tasks.Selected(), std::vector<int>({3}));

    list->clearSelection();
    list->SelectAndFocus(1);
    list->SelectAndFocus(2);
    window.RemoveTask();  // one row per command, the first selected
    EXPECT_EQ(tasks.Count(), 3);
    EXPECT_EQ(tasks.Text(1, TaskList::kSource), media().clipC);
    EXPECT_EQ(tasks.FirstSelected(), 1);

    list->clearSelection();
    window.RemoveTask();  // nothing selected: nothing happens
    EXPECT_EQ(tasks.Count(), 3);

    list->SelectAndFocus(0);
    window.RemoveTask();
    list->SelectAndFocus(0);
    window.RemoveTask();
    EXPECT_EQ(tasks.Count(), 1);
    EXPECT_FALSE(window.button(kMerge)->isEnabled()) << "one row left";
    EXPECT_TRUE(window.button(kConvert)->isEnabled());

    list->SelectAndFocus(0);
    window.button(kCut)->click();
    EXPECT_EQ(tasks.Count(), 0);
    EXPECT_TRUE(list->isHidden());
    EXPECT_EQ(enabledStates(window, {kClip, kConvert, kSetting, kEmpty, kCut, kMerge, kFileInfo}),
              std::vector<bool>(7, false));
}

TEST_F(TaskListTest, ClickButtonStatesFollowTheSelection) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA, media().clipB});
    CCheckListCtrl* list = window.taskListControl();
    list->clearSelection();
    window.ClickTask();
    EXPECT_EQ(enabledStates(window, {kClip, kCut, kMerge, kFileInfo}), std::vector<bool>(4, false));
    EXPECT_TRUE(window.button(kConvert)->isEnabled());

    list->SelectAndFocus(1);  // the last row: Merge is not enabled by the click
    window.ClickTask();
    EXPECT_EQ(enabledStates(window, {kClip, kCut, kFileInfo, kConvert}), std::vector<bool>(4, true));
    EXPECT_FALSE(window.button(kMerge)->isEnabled());
    list->clearSelection();
    list->SelectAndFocus(0);
    window.ClickTask();
    EXPECT_TRUE(window.button(kMerge)->isEnabled());
}

TEST_F(TaskListTest, DeleteEditsTheFolderTextAndRemovesTasksOnlyInTheList) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA, media().clipB});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.taskListControl()->SelectAndFocus(0);
    QLineEdit* edit = window.outputFolderCombo()->lineEdit();
    const QString folderText = edit->text();
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(window.taskList().Count(), 2) << "no task is lost to a key meant for the text";
    EXPECT_EQ(edit->text(), folderText.mid(1));

    window.taskListControl()->setFocus();
    QTest::keyClick(window.taskListControl(), Qt::Key_Delete);
    ASSERT_EQ(window.taskList().Count(), 1);
    EXPECT_EQ(window.taskList().Text(0, TaskList::kSource), media().clipB);
}

TEST_F(TaskListTest, HeaderBoxChecksAndClearsEveryRow) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA});
    window.DropFiles({media().clipB});
    window.taskList().SetChecked(0, false);
    CCheckListCtrl* list = window.taskListControl();
    list->ToggleAllFromHeader();
    EXPECT_TRUE(window.taskList().IsChecked(0) && window.taskList().IsChecked(1));
    list->ToggleAllFromHeader();
    EXPECT_FALSE(window.taskList().IsChecked(0) || window.taskList().IsChecked(1));
}

TEST_F(TaskListTest, ProfileChangeRewritesEveryRow) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA, media().clipB});
    window.DropFiles({media().clipC});
    window.taskList().SetChecked(1, false);
    window.profileCombo()->setCurrentIndex(14);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(window.taskList().Text(row, TaskList::kFormat), " MP3 -MPEG Layer-3 Audio(*.mp3)");
    EXPECT_EQ(CurrentOutputSettings().profileCode, 90106);
    EXPECT_TRUE(CurrentOutputSettings().audioOnly);
}

TEST_F(TaskListTest, ClearEmptiesTheListAndDisablesTheRowButtons) {
    CTolvaneAVConverterDlg& window = withRows({media().clipA, media().clipB});
    window.button(kEmpty)->click();
    EXPECT_EQ(window.taskList().Count(), 0);
    EXPECT_TRUE(window.taskListControl()->isHidden());
    EXPECT_EQ(enabledStates(window, {kEmpty, kClip, kCut, kConvert, kSetting, kMerge, kFileInfo}),
              std::vector<bool>(7, false));
}

TEST_F(TaskListTest, TheTenThousandthFileIsRefusedWithAMessage) {
    CTolvaneAVConverterDlg& window = open();
    CCheckListCtrl* list = window.taskListControl();
    list->setUpdatesEnabled(false);
    for (int row = 0; row < TaskList::kCapacity - 1; ++row) list->InsertItem(row, "/x/filler.avi");
    window.AddPaths({media().clipA, media().clipB, media().clipC});
    EXPECT_EQ(window.taskList().Count(), TaskList::kCapacity);
    EXPECT_EQ(window.taskList().Text(TaskList::kCapacity - 1, TaskList::kSource), media().clipA);
    EXPECT_EQ(fake.messageTexts(), QStringList({TaskList::FullListMessage()}));
    window.DropFiles({media().clipB});
    EXPECT_EQ(window.taskList().Count(), TaskList::kCapacity);
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST_F(TaskListTest, ButtonRulesAsData) {
    CTolvaneAVConverterDlg& window = open();
    TaskList& tasks = window.taskList();
    EXPECT_EQ(tasks.StatesAfterAdding(),
              ButtonChanges({{kEmpty, false}, {kConvert, false}, {kSetting, false}, {kMerge, false}, {kFileInfo, false}}));
    // Merge takes two files: one row leaves it off, after adding and after a click.
    for (const auto& [rows, merge] : {std::pair{1, false}, std::pair{2, true}}) {
        window.taskListControl()->InsertItem(0, "/x/filler.avi");
        EXPECT_EQ(tasks.StatesAfterAdding(), ButtonChanges({{kEmpty, true}, {kConvert, true}, {kClip, true}, {kCut, true},
                                                            {kFileInfo, true}, {kSetting, true}, {kMerge, merge}}))
            << rows;
        window.taskListControl()->SelectAndFocus(0);
        EXPECT_EQ(tasks.StatesAfterClick(true).size(), merge ? 5u : 4u) << rows;
    }
    EXPECT_EQ(TaskList::InvalidFileMessage("/videos/holiday.avi"), "File:holiday.avi is invalid!");
    EXPECT_EQ(TaskList::InvalidFileMessage("plain.avi"), "File:plain.avi is invalid!");
    EXPECT_EQ(TaskList::InvalidClickMessage("/videos/holiday.avi"), "File:/videos/holiday.avi invalid!");
}

// ---- The task list kept between runs ----

class KeptTaskListTest : public TaskListTest {
protected:
    QString statePath() const { return QString::fromStdString(exeDir.file("state/korbanix/tasks.json")); }
    // A second run: a fresh window whose keeper restores what the first kept.
    CTolvaneAVConverterDlg& reopen() {
        keeper.reset();
        dialog.reset();
        CTolvaneAVConverterDlg& window = open();
        keeper = std::make_unique<TaskListKeeper>(window, statePath());
        keeper->Restore();
        return window;
    }
    void writeState(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(statePath()).absolutePath());
        QFile file(statePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void TearDown() override {
        keeper.reset();
        TaskListTest::TearDown();
    }
    std::unique_ptr<TaskListKeeper> keeper;
};

TEST_F(KeptTaskListTest, RowsProfileAndSettingsComeBackAtTheNextStart) {
    CTolvaneAVConverterDlg& first = reopen();
    first.AddPaths({media().clipA, media().clipB, media().audio});
    first.profileCombo()->setCurrentIndex(9);
    CurrentOutputSettings().confirmedProfileCode = CurrentOutputSettings().profileCode;
    CurrentOutputSettings().videoBitRateChoice = "768 kbps";
    CurrentOutputSettings().videoBitRate = 768000;
    CurrentOutputSettings().copyCompatible = true;
    CurrentOutputSettings().targetSizeBytes = 681574400;  // not a whole number of megabytes
    TaskList& tasks = first.taskList();
    tasks.SetText(1, TaskList::kStart, "00:00:01");
    tasks.SetChecked(1, false);
    tasks.SetText(2, TaskList::kStatus, "Stopped: a status text of any kind");
    EXPECT_TRUE(keeper->SavePending()) << "a change schedules a save";
    const SavedTaskList before = keeper->Capture();
    keeper->Flush();
    EXPECT_FALSE(keeper->SavePending());

    CTolvaneAVConverterDlg& second = reopen();
    const SavedTaskList after = keeper->Capture();
    EXPECT_EQ(after.tasks, before.tasks);
    EXPECT_EQ(after.tasks.size(), 3u);
    EXPECT_EQ(second.profileCombo()->currentIndex(), 9);
    EXPECT_EQ(CurrentOutputSettings().videoBitRate, 768000);
    EXPECT_EQ(CurrentOutputSettings().videoBitRateChoice, "768 kbps");
    EXPECT_TRUE(CurrentOutputSettings().copyCompatible) << "keeping the video stays chosen";
    SavedTaskList written;
    QString reason;
    ASSERT_TRUE(TaskListStore::Parse(TaskListStore::Serialize(before), written, reason)) << reason.toStdString();
    EXPECT_TRUE(written.settings.copyCompatible);
    EXPECT_FALSE(written.settings.exactCut);
    EXPECT_EQ(CurrentOutputSettings().targetSizeBytes, 681574000) << "the target size is kept to the kilobyte";
    EXPECT_TRUE(second.taskList().Control().isVisible() || !second.isVisible());
    EXPECT_TRUE(second.button(kConvert)->isEnabled());
    EXPECT_FALSE(keeper->SavePending()) << "restoring is no change to save";
    EXPECT_TRUE(fake.messages.empty());
}

// A kept status reads in the language of the next run: a list kept in German
// shows Japanese words under Japanese, also a list kept before statuses were
// stored as codes (its German words only); words of no status stay as they were.
TEST_F(KeptTaskListTest, StatusesReadInTheLanguageOfTheNextRun) {
    const QString folder = qEnvironmentVariable("KORBANIX_BUILD_DIR") + QStringLiteral("/app/translations");
    SavedTaskList kept;
    {
        UiTranslation german;
        ASSERT_TRUE(german.Install(QStringLiteral("de"), folder));
        CTolvaneAVConverterDlg& first = reopen();
        first.AddPaths({media().clipA, media().clipB, media().audio});
        first.taskList().SetText(0, TaskList::kStatus, QStringLiteral("Fertig"));
        first.taskList().SetText(1, TaskList::kStatus, QStringLiteral("Konvertierung 15 %"));
        keeper->Flush();
        kept = keeper->Capture();
        keeper.reset();
        dialog.reset();
    }
    UiTranslation japanese;
    ASSERT_TRUE(japanese.Install(QStringLiteral("ja"), folder));
    const std::vector<QString> expected{QStringLiteral("完了"),
                                        QCoreApplication::translate("TaskList", " Ready"),
                                        QCoreApplication::translate("TaskList", " Ready")};
    for (const bool older : {false, true}) {
        if (older) {  // the same list as an older version kept it: words only
            for (SavedTask& task : kept.tasks) task.statusCode.clear();
            writeState(TaskListStore::Serialize(kept));
        }
        CTolvaneAVConverterDlg& second = reopen();
        ASSERT_EQ(second.taskList().Count(), 3);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(second.taskList().Text(row, TaskList::kStatus), expected[std::size_t(row)])
                << (older ? "older list, row " : "row ") << row;
    }
    kept.tasks[2].status = QStringLiteral("a status text of any kind");
    writeState(TaskListStore::Serialize(kept));
    EXPECT_EQ(reopen().taskList().Text(2, TaskList::kStatus), QStringLiteral("a status text of any kind"));
}

// The folder of each row and the Output area's options are kept too.
TEST_F(KeptTaskListTest, FoldersOfRowsAndTheOutputOptionsComeBack) {
    const testmedia::LibraryTree tree =
        testmedia::MakeLibraryTree(exeDir.file("library"), media().clipA.toStdString(), exeDir.file("elsewhere"));
    CTolvaneAVConverterDlg& first = reopen();
    EXPECT_FALSE(first.keepTreeBox()->isChecked()) << "off by default";
    EXPECT_FALSE(first.skipDoneBox()->isChecked());
    first.AddPaths({DecodeFileName(tree.root)});
    first.keepTreeBox()->setChecked(true);
    EXPECT_TRUE(keeper->SavePending()) << "an option is a change to keep";
    first.skipDoneBox()->setChecked(true);
    keeper->Flush();
    CTolvaneAVConverterDlg& second = reopen();
    EXPECT_TRUE(second.keepTreeBox()->isChecked());
    EXPECT_TRUE(second.skipDoneBox()->isChecked());
    ASSERT_EQ(second.taskList().Count(), static_cast<int>(tree.media.size()));
    EXPECT_EQ(EncodeFileName(second.taskList().Subfolder(2)), "Season 1/Extras");
}

// A long addition is not written whole at every interval while it grows: the
// timed save waits for its end and then writes every row at once.
TEST_F(KeptTaskListTest, TheListIsSavedOnceTheAdditionEnds) {
    CTolvaneAVConverterDlg& window = reopen();
    int writesWhileAdding = -1;
    QTimer::singleShot(0, &window, [&] {
        ASSERT_TRUE(window.isBusy());
        keeper->ScheduleSave();
        // Inside the addition's own loop: it cannot end before this returns.
        QTest::qWait(TaskListKeeper::kSaveDelayMs + 300);
        writesWhileAdding = keeper->WriteCount();
    });
    window.AddPaths({media().clipA, media().clipB, media().audio});
    EXPECT_EQ(writesWhileAdding, 0);
    EXPECT_TRUE(keeper->SavePending()) << "the save waits for the end of the addition";
    QTest::qWait(TaskListKeeper::kSaveDelayMs + 300);
    EXPECT_EQ(keeper->WriteCount(), 1);
    const TaskListStore::LoadResult kept = TaskListStore(statePath()).Load();
    ASSERT_EQ(kept.outcome, TaskListStore::LoadOutcome::Loaded);
    EXPECT_EQ(kept.list.tasks.size(), 3u);
}

// A start with an empty list ("--no-restore") leaves the kept list alone until
// the person changes the new one; then the new one is kept.
TEST_F(KeptTaskListTest, AnEmptyStartKeepsTheSavedListUntilTheNewOneChanges) {
    CTolvaneAVConverterDlg& first = reopen();
    first.AddPaths({media().clipA, media().clipB});
    keeper->Flush();
    keeper.reset();
    dialog.reset();

    CTolvaneAVConverterDlg& empty = open();
    keeper = std::make_unique<TaskListKeeper>(empty, statePath());
    keeper->KeepSavedUntilChanged();
    empty.show();
    QApplication::setActiveWindow(&empty);  // the window becoming active is no change
    QApplication::processEvents();
    keeper->Flush();
    TaskListStore::LoadResult kept = TaskListStore(statePath()).Load();
    ASSERT_EQ(kept.outcome, TaskListStore::LoadOutcome::Loaded);
    EXPECT_EQ(kept.list.tasks.size(), 2u) << "nothing done yet: the saved list is still there";

    empty.AddPaths({media().clipC});
    keeper->Flush();
    kept = TaskListStore(statePath()).Load();
    ASSERT_EQ(kept.list.tasks.size(), 1u) << "the person's new list is kept now";
    EXPECT_EQ(kept.list.tasks[0].source, media().clipC);
}

// The tracks chosen in the File Information window go with the row into the
// conversion and into the kept list; a list kept by an older version still reads.
TEST_F(KeptTaskListTest, TracksChosenInTheInformationWindowStayWithTheRow) {
    const std::string film = exeDir.file("film.mkv");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i color=s=64x48:d=1 -f lavfi -i sine=d=1 "
                                    "-f lavfi -i sine=f=1000:d=1 -map 0 -map 1 -map 2 -metadata:s:a:0 language=jpn "
                                    "-metadata:s:a:1 language=eng -c:v mpeg4 -c:a mp2 " + testmedia::shellQuote(film)),
              0);
    CTolvaneAVConverterDlg& first = reopen();
    first.AddPaths({media().clipA, QString::fromStdString(film)});
    first.modalRunner = [](QDialog& shown) {
        if (auto* sound = FindControlAs<QComboBox>(&shown, CFileInfomation::kSoundTrack)) sound->setCurrentIndex(2);
        if (auto* subtitles = FindControlAs<QComboBox>(&shown, CFileInfomation::kSubtitles)) subtitles->setCurrentIndex(1);
        return int(QDialog::Rejected);
    };
    first.taskListControl()->clearSelection();
    first.taskListControl()->SelectAndFocus(1);
    first.button(kFileInfo)->click();
    TaskList& tasks = first.taskList();
    EXPECT_EQ(tasks.TrackRequest(1, TaskList::TrackSlot::Sound), "2");
    EXPECT_EQ(tasks.Row(1).audioTrack, "2");
    EXPECT_EQ(tasks.Row(1).subtitles, "none");
    EXPECT_EQ(tasks.Row(0).audioTrack, "") << "the other row stays automatic";
    EXPECT_TRUE(keeper->SavePending());
    keeper->Flush();

    CTolvaneAVConverterDlg& second = reopen();
    EXPECT_EQ(second.taskList().Row(1).audioTrack, "2");
    EXPECT_EQ(second.taskList().Row(1).subtitles, "none");
    const QByteArray kept = TaskListStore::Serialize(keeper->Capture());
    EXPECT_EQ(kept.count("soundTrack"), 1) << "only a chosen track is written";
    SavedTaskList older;
    QString reason;
    ASSERT_TRUE(TaskListStore::Parse(R"({"format":"korbanix-task-list","version":1,"tasks":[{"source":"/a.avi"}]})",
                                     older, reason));
    ASSERT_EQ(older.tasks.size(), 1u);
    EXPECT_EQ(older.tasks[0].soundTrack, "");
}

TEST_F(KeptTaskListTest, RowsWhoseFileVanishedComeBackUncheckedAndMarked) {
    const QString gone = QString::fromStdString(exeDir.file("gone.avi"));
    QFile::copy(media().clipA, gone);
    // A name that is not UTF-8 (Latin-1 "café") is still there after the restart.
    const std::string latin1 = exeDir.file("caf\xe9.avi");
    std::filesystem::copy_file(media().clipA.toStdString(), latin1);
    CTolvaneAVConverterDlg& first = reopen();
    first.AddPaths({gone, media().clipB, DecodeFileName(latin1)});
    keeper->Flush();
    QFile::remove(gone);

    CTolvaneAVConverterDlg& second = reopen();
    TaskList& tasks = second.taskList();
    ASSERT_EQ(tasks.Count(), 3);
    EXPECT_FALSE(tasks.IsChecked(0));
    EXPECT_EQ(tasks.Text(0, TaskList::kStatus), TaskListStore::kMissingStatus);
    EXPECT_TRUE(tasks.IsChecked(1));
    EXPECT_EQ(tasks.Text(1, TaskList::kStatus), " Ready");
    EXPECT_TRUE(tasks.IsChecked(2));
    EXPECT_EQ(tasks.Text(2, TaskList::kStatus), " Ready");
}

TEST_F(KeptTaskListTest, AFileThatIsNotOursIsSetAsideWithAMessage) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"{\"tasks\": [", "it is damaged"},
        {"\x00\x01\x02garbage", "it is damaged"},
        {"{\"format\": \"another-program\", \"tasks\": []}", "it is not a task list of this program"},
        {"[1, 2, 3]", "it is damaged"},
        {"{\"format\": \"korbanix-task-list\", \"version\": 99, \"tasks\": []}", "it was written by a newer version"},
    };
    for (const auto& [content, reason] : cases) {
        writeState(content);
        fake.messages.clear();
        CTolvaneAVConverterDlg& window = reopen();
        EXPECT_EQ(window.taskList().Count(), 0) << reason;
        ASSERT_EQ(fake.messages.size(), 1u) << reason;
        EXPECT_TRUE(fake.messages[0].text.contains(reason)) << fake.messages[0].text.toStdString();
        EXPECT_TRUE(fake.messages[0].text.contains("set aside as tasks.json.unreadable-"));
        EXPECT_FALSE(QFileInfo::exists(statePath())) << "moved out of the way";
        const QStringList aside = QDir(QFileInfo(statePath()).absolutePath()).entryList({"tasks.json.unreadable-*"});
        ASSERT_FALSE(aside.isEmpty());
        for (const QString& name : aside) QFile::remove(QFileInfo(statePath()).absolutePath() + "/" + name);
    }
}

TEST_F(KeptTaskListTest, OnlyRegularFilesOfBoundedSizeAreRead) {
    QDir().mkpath(statePath());  // a folder where the file should be
    reopen();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.contains("it is not a regular file"));
    fake.messages.clear();

    QDir().mkpath(QFileInfo(statePath()).absolutePath());
    ASSERT_EQ(::mkfifo(statePath().toLocal8Bit().constData(), 0600), 0);  // would block a plain read
    reopen();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.contains("it is not a regular file"));
    fake.messages.clear();

    QFile big(statePath());
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(TaskListStore::kMaxFileBytes + 1));
    big.close();
    reopen();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.contains("it is too large"));
}

TEST_F(KeptTaskListTest, ManyChangesAreWrittenOnceAndAnUnchangedListNotAgain) {
    // A full list, as a restore makes it without probing.
    SavedTaskList full;
    for (int i = 0; i < TaskList::kCapacity; ++i)
        full.tasks.push_back({QString("/gone/%1.avi").arg(i), false, "00:00:00", "00:00:10", "", " Ready", "10", "", "", "", ""});
    ASSERT_TRUE(TaskListStore(statePath()).Save(TaskListStore::Serialize(full)));
    CTolvaneAVConverterDlg& window = reopen();
    ASSERT_EQ(window.taskList().Count(), TaskList::kCapacity);
    EXPECT_EQ(window.taskList().Text(TaskList::kCapacity - 1, TaskList::kStatus), TaskListStore::kMissingStatus);

    window.taskList().Control().ToggleAllFromHeader();  // 9,999 check boxes change
    EXPECT_TRUE(keeper->SavePending());
    EXPECT_EQ(keeper->WriteCount(), 0) << "nothing is written per row";
    keeper->Flush();
    EXPECT_EQ(keeper->WriteCount(), 1);
    keeper->Flush();
    EXPECT_EQ(keeper->WriteCount(), 1) << "an unchanged list is not written again";
    EXPECT_EQ(QDir(QFileInfo(statePath()).absolutePath()).entryList(QDir::Files), QStringList{"tasks.json"})
        << "the temporary file was renamed over the old one";
}

TEST_F(KeptTaskListTest, TheStateFolderFollowsXdg) {
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(TaskListStore::DefaultPath(), "/somewhere/state/korbanix/tasks.json");
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(TaskListStore::DefaultPath(), QDir::homePath() + "/.local/state/korbanix/tasks.json");
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(TaskListStore::DefaultPath(), QDir::homePath() + "/.local/state/korbanix/tasks.json");
    if (!saved.isNull()) qputenv("XDG_STATE_HOME", saved);
}

TEST_F(KeptTaskListTest, AFailedSaveLeavesTheKeptFileByteForByteSaysSoOnceAndTriesAgain) {
    CTolvaneAVConverterDlg& window = reopen();
    window.AddPaths({media().clipA, media().clipB});
    keeper->Flush();
    QFile kept(statePath());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray before = kept.readAll();
    kept.close();
    ASSERT_GT(before.size(), 200);

    window.AddPaths({media().audio});
    {
        // The disk is full: no file of this process may grow past 64 bytes.
        testmedia::FileSizeLimit full(64);
        keeper->Flush();
        EXPECT_TRUE(keeper->SaveFailing());
        EXPECT_TRUE(keeper->SavePending()) << "another try is due";
        window.taskList().SetChecked(0, false);
        keeper->Flush();  // the next change fails too, and is not told again
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before) << "the kept list must stay as it was";
    kept.close();
    ASSERT_EQ(fake.messages.size(), 1u) << fake.messageTexts().join("|").toStdString();
    EXPECT_TRUE(fake.messages[0].text.contains("could not be saved: " + QString::fromLocal8Bit(std::strerror(EFBIG)))) << fake.messages[0].text.toStdString();
    EXPECT_EQ(QDir(QFileInfo(statePath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"tasks.json"})
        << "no temporary file stays behind";

    keeper->Flush();  // the retry, with room again
    EXPECT_FALSE(keeper->SaveFailing());
    EXPECT_EQ(reopen().taskList().Count(), 3);
    EXPECT_EQ(fake.messages.size(), 1u);
}

TEST_F(KeptTaskListTest, ASymbolicLinkIsNeverFollowedButSetAsideWithAMessage) {
    const std::string foreign = exeDir.file("someone-elses.txt");
    std::ofstream(foreign) << "not yours\n";
    QDir().mkpath(QFileInfo(statePath()).absolutePath());
    ASSERT_EQ(::symlink(foreign.c_str(), statePath().toLocal8Bit().constData()), 0);
    // At start: not read through the link, set aside.
    CTolvaneAVConverterDlg& window = reopen();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.contains(TaskListStore::kLinkReason)) << fake.messages[0].text.toStdString();
    EXPECT_FALSE(QFileInfo(statePath()).isSymLink());

    // A link that appears while the program runs is not written through either.
    ASSERT_EQ(::symlink(foreign.c_str(), statePath().toLocal8Bit().constData()), 0);
    window.AddPaths({media().clipA});
    keeper->Flush();
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_TRUE(fake.messages[1].text.contains("was set aside as tasks.json.unreadable-"));
    EXPECT_TRUE(fake.messages[1].text.contains(TaskListStore::kLinkReason)) << fake.messages[1].text.toStdString();
    std::ifstream in(foreign);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "not yours\n");
    EXPECT_FALSE(QFileInfo(statePath()).isSymLink());
    EXPECT_EQ(reopen().taskList().Count(), 1);
}

// The full disk as it happens: a 64 KB tmpfs in a private mount namespace of a
// child process, filled up, then a longer list saved over the kept one. The kept
// file must stay byte for byte (it used to become an empty file).
TEST(TaskListStoreDisk, ARealFullDiskLeavesTheKeptFileByteForByte) {
    testmedia::TempDir dir;
    const std::string folder = dir.file("state");
    std::filesystem::create_directories(folder);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        const QString path = QString::fromStdString(folder + "/tasks.json");
        SavedTaskList two;
        two.tasks = {{"/v/a.avi", true, "00:00:00", "00:00:10", "", " Ready", "10", "", "", "", ""},
                     {"/v/b.avi", true, "00:00:00", "00:00:20", "", " Ready", "20", "", "", "", ""}};
        const QByteArray kept = TaskListStore::Serialize(two);
        if (!TaskListStore(path).Save(kept)) ::_exit(2);
        {  // everything else the disk holds
            std::ofstream filler(folder + "/filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (filler.write(block.data(), block.size())) {
            }
        }
        SavedTaskList many = two;
        for (int i = 0; i < 200; ++i) many.tasks.push_back(two.tasks[0]);
        const TaskListStore::SaveResult saved = TaskListStore(path).Write(TaskListStore::Serialize(many));
        QFile file(path);
        const bool same = file.open(QIODevice::ReadOnly) && file.readAll() == kept;
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
        std::fprintf(stderr, "written %d, problem %s, same %d, entries %zu\n", saved.written,
                     qPrintable(saved.problem), same, entries);
        ::_exit(!saved.written && saved.problem.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))) && same && entries == 2 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no private mount namespace or tmpfs here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
