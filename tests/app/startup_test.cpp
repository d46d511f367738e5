// Start-up: the output folder from the configuration file (or the default,
// created), the XDG fallback for an unwritable executable folder, the initial
// control states, and the keys and commands that end (or must not end) the window.

#include "AppTestSupport.h"

#include "app/AppFolders.h"
#include "app/MainWindowIds.h"
#include "app/SingleInstance.h"
#include "platform/FileNames.h"
#include "controls/ControlButton.h"
#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "profiles/OutputSettings.h"

#include <QScreen>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include "engine/AVConvert.h"

#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace apptest;
using namespace mainwindow;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class StartupTest : public MainWindowTest {};

TEST_F(StartupTest, WithoutIniTheDefaultFolderIsShownAndCreated) {
    CTolvaneAVConverterDlg& window = open();
    const QString expected = exeFolder() + "/OutPut";
    EXPECT_EQ(window.outputFolderCombo()->currentText(), expected);
    EXPECT_EQ(window.outputFolderCombo()->count(), 1);
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(window.folders().iniPath, exeFolder() + "/bin/Path_Registration.ini");
    EXPECT_FALSE(QFileInfo::exists(window.folders().iniPath)) << "start-up writes nothing";
}

TEST_F(StartupTest, KeyInAnotherCaseGivesTheStoredFolder) {
    writeText(exeFolder() + "/bin/Path_Registration.ini", "[INFO]\r\nPATH=/media/stored videos\r\n");
    CTolvaneAVConverterDlg& window = open();
    EXPECT_EQ(window.outputFolderCombo()->currentText(), "/media/stored videos");
    EXPECT_EQ(window.outputFolder(), "/media/stored videos");
    EXPECT_FALSE(QFileInfo::exists(exeFolder() + "/OutPut")) << "the default is not created";
    EXPECT_EQ(window.Job().preferredLanguage, "") << "no language stored: the desktop's";
}

TEST_F(StartupTest, AStoredLanguageIsTheJobsPreferredOne) {
    writeText(exeFolder() + "/bin/Path_Registration.ini", "[Info]\nPath=/srv/out\nLanguage=ger\nStillSeconds=12\n");
    CTolvaneAVConverterDlg& window = open();
    EXPECT_EQ(window.Job().preferredLanguage, "ger");
    EXPECT_EQ(window.Job().stillPictureSeconds, 12);
}

TEST_F(StartupTest, StoredSourceValuesOutOfRangeAreTheDefaults) {
    writeText(exeFolder() + "/bin/Path_Registration.ini", "[Info]\nLanguage=german\nStillSeconds=0\n");
    CTolvaneAVConverterDlg& window = open();
    EXPECT_EQ(window.Job().preferredLanguage, "");
    EXPECT_EQ(window.Job().stillPictureSeconds, 5);
}

TEST_F(StartupTest, MissingKeyGivesTheDefaultFolder) {
    writeText(exeFolder() + "/bin/Path_Registration.ini", "[Info]\nOther=1\n");
    CTolvaneAVConverterDlg& window = open();
    EXPECT_EQ(window.outputFolderCombo()->currentText(), exeFolder() + "/OutPut");
}

// A FIFO would block the start for ever and /dev/zero would fill the memory: the
// window starts with the default folder and says why the stored one is not used.
TEST_F(StartupTest, AConfigurationFileThatIsNoPlainFileIsNotReadAndTheWindowWorksOn) {
    const QString ini = exeFolder() + "/bin/Path_Registration.ini";
    QDir().mkpath(exeFolder() + "/bin");
    for (const char* kind : {"fifo", "link to /dev/zero"}) {
        SCOPED_TRACE(kind);
        QFile::remove(ini);
        QFile::remove(ini + ".set-aside");
        if (kind[0] == 'f') ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
        else ASSERT_TRUE(QFile::link("/dev/zero", ini));
        fake.messages.clear();
        CTolvaneAVConverterDlg& window = open();
        EXPECT_EQ(window.outputFolderCombo()->currentText(), exeFolder() + "/OutPut");
        ASSERT_EQ(fake.messageTexts().size(), 1);
        EXPECT_TRUE(fake.messageTexts()[0].startsWith("The output folder is not remembered: "));
        EXPECT_TRUE(window.button(kAdd)->isEnabled());
        if (kind[0] == 'f') {
            // Set aside like a link (a FIFO keeps no settings), and the file is ours again.
            EXPECT_TRUE(fake.messageTexts()[0].contains("was no plain file")) << fake.messageTexts()[0].toStdString();
            EXPECT_EQ(QFileInfo(ini + ".set-aside").exists() || QFileInfo(ini + ".set-aside").isSymLink(), true);
            EXPECT_TRUE(window.WriteOutputFolder("/srv/out"));
            EXPECT_TRUE(QFileInfo(ini).isFile());
            EXPECT_EQ(ReadOutputFolder(ini), "/srv/out");
        } else {
            // A link is never followed: it was set aside, and the file is ours again.
            EXPECT_TRUE(fake.messageTexts()[0].contains("was a symbolic link")) << fake.messageTexts()[0].toStdString();
            EXPECT_TRUE(QFileInfo(ini + ".link-set-aside").isSymLink());
            EXPECT_TRUE(window.WriteOutputFolder("/srv/out"));
            EXPECT_FALSE(QFileInfo(ini).isSymLink());
            EXPECT_EQ(ReadOutputFolder(ini), "/srv/out");
        }
        dialog.reset();
    }
}

TEST_F(StartupTest, StoredFolderIsShownOnTheNextStart) {
    const QString chosen = QString::fromStdString(exeDir.file("chosen"));
    {
        CTolvaneAVConverterDlg& window = open();
        ASSERT_TRUE(window.WriteOutputFolder(chosen));
        dialog.reset();
    }
    CTolvaneAVConverterDlg& again = open();
    EXPECT_EQ(again.outputFolderCombo()->currentText(), chosen);
    EXPECT_EQ(ReadOutputFolder(again.folders().iniPath), chosen);
}

TEST_F(StartupTest, UnwritableExecutableFolderUsesTheUserFolders) {
    fake.executableFolder = "/proc";  // no file can be created there, even by root
    CTolvaneAVConverterDlg& window = open();
    EXPECT_FALSE(window.folders().besideExecutable);
    EXPECT_EQ(window.folders().iniPath, fake.userConfigFolder + "/bin/Path_Registration.ini");
    EXPECT_EQ(window.outputFolderCombo()->currentText(), fake.videosFolder + "/OutPut");
    EXPECT_TRUE(QFileInfo(fake.videosFolder + "/OutPut").isDir());
    ASSERT_TRUE(window.WriteOutputFolder("/srv/out"));
    EXPECT_EQ(ReadOutputFolder(fake.userConfigFolder + "/bin/Path_Registration.ini"), "/srv/out");
}

TEST_F(StartupTest, InstalledCopyUsesTheUserFoldersThoughItCouldWriteBesideItself) {
    // The layout of /usr: <prefix>/bin/korbanix and <prefix>/share/korbanix/help.html.
    const QString prefix = QString::fromStdString(exeDir.file("prefix"));
    writeText(prefix + "/share/korbanix/help.html", "<html></html>");
    QDir().mkpath(prefix + "/bin");
    fake.executableFolder = prefix + "/bin";
    CTolvaneAVConverterDlg& window = open();
    EXPECT_FALSE(window.folders().besideExecutable);
    EXPECT_EQ(window.folders().helpPath, prefix + "/share/korbanix/help.html");
    EXPECT_EQ(window.outputFolderCombo()->currentText(), fake.videosFolder + "/OutPut");
    ASSERT_TRUE(window.WriteOutputFolder("/srv/out"));
    EXPECT_EQ(QDir(prefix + "/bin").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList())
        << "nothing is written beside the installed program";
}

TEST_F(StartupTest, InitialStatesFollowTheSkinTable) {
    CTolvaneAVConverterDlg& window = open();
    for (int id : {kAdd, kFindTarget, kBrowse, kHelp, kClose, kMinimise, kAbout, kVolumePicture})
        EXPECT_TRUE(window.button(id)->isEnabled()) << id;
    for (int id : {kClip, kConvert, kCut, kEmpty, kMerge, kFileInfo, kSetting, kPlay, kStop})
        EXPECT_FALSE(window.button(id)->isEnabled()) << id;
    // Disabled buttons wear their disabled pictures.
    EXPECT_EQ(window.button(kConvert)->NormalImage(), artwork::Bitmap(279));
    EXPECT_EQ(window.button(kAdd)->HoverImage(), artwork::Bitmap(178));
    EXPECT_EQ(window.button(kAdd)->NormalImage(), artwork::Bitmap(177));
    EXPECT_TRUE(window.button(kAdd)->HasShape());
    EXPECT_FALSE(window.button(kMerge)->HasShape());
    EXPECT_TRUE(window.taskListControl()->isHidden());
    EXPECT_FALSE(window.positionSlider()->isEnabled());
    EXPECT_TRUE(window.volumeSlider()->isEnabled());
    EXPECT_EQ(window.volumeSlider()->GetPos(), 30000);
    EXPECT_EQ(window.volumeSlider()->GetRangeMax(), 100000);
    EXPECT_EQ(window.positionSlider()->GetRangeMax(), 1000);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_EQ(window.preview().volumeLevel(), 19660) << "the level the slider shows";
    EXPECT_EQ(player.volume, 19660);
    EXPECT_EQ(player.count("Initialize"), 1);
    EXPECT_EQ(window.windowTitle(), "Korbanix");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.templateSize(), MapDialogSize(QSize(503, 307), window.font()));
    // The template's size, cut to the screen when the screen is smaller.
    EXPECT_EQ(window.size(), window.templateSize().boundedTo(QGuiApplication::primaryScreen()->availableSize()));
    EXPECT_NE(FindControl(&window, kRemoveHidden), nullptr);
    EXPECT_TRUE(FindControl(&window, kRemoveHidden)->isHidden());
}

TEST_F(StartupTest, ProfileComboHoldsTheSixteenProfilesWithEntryZeroLoaded) {
    CurrentOutputSettings().profileCode = 0;
    CTolvaneAVConverterDlg& window = open();
    QComboBox* profiles = window.profileCombo();
    ASSERT_EQ(profiles->count(), 16);
    EXPECT_EQ(profiles->currentIndex(), 0);
    EXPECT_EQ(profiles->itemText(0), " PS3 H.264 Video(*.mp4)");
    EXPECT_EQ(profiles->itemText(12), " PSP  MPEG4 Video(*.mp4)");
    EXPECT_EQ(profiles->itemText(15), " WMA -Windows Media Audio(*.wma)");
    EXPECT_EQ(CurrentOutputSettings().profileCode, 91200);
    EXPECT_EQ(CurrentOutputSettings().resolutionChoice, "480*320");
}

TEST_F(StartupTest, EnterAndEscapeDoNotEndTheWindowButCloseDoes) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy finished(&window, &QDialog::finished);
    for (QWidget* target : {static_cast<QWidget*>(&window), window.outputFolderCombo()->focusProxy()
                                                                   ? window.outputFolderCombo()->focusProxy()
                                                                   : window.outputFolderCombo()}) {
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        QTest::keyClick(target, Qt::Key_Escape);
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(player.count("Close"), 0);

    window.button(kClose)->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(player.count("Close"), 1) << "the player is closed before the window ends";
}

TEST_F(StartupTest, WindowManagerCloseClosesThePlayer) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(player.count("Close"), 1);
}

TEST_F(StartupTest, CloseRequestedWhileFilesAreProbedEndsTheWindowAfterwards) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy finished(&window, &QDialog::finished);
    bool closedAtOnce = true;
    QTimer::singleShot(0, &window, [&] { closedAtOnce = window.close(); });
    window.AddPaths({SharedMedia().clipA, SharedMedia().clipB});
    EXPECT_FALSE(closedAtOnce) << "the close waited for the probe";
    EXPECT_EQ(window.taskList().Count(), 2);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(player.count("Close"), 1);
}

// The hand-over between two starts: relative names are taken where they were
// given, options are no files, and a message comes back as the same names (bytes
// that are not UTF-8 kept).
TEST(SingleInstanceMessage, NamesTravelWhole) {
    using namespace single_instance;
    EXPECT_EQ(AbsoluteFiles({"clip.avi", "/abs/b.mp4", "--no-restore", "sub/c d.mkv"}, "/home/u"),
              (std::vector<std::string>{"/home/u/clip.avi", "/abs/b.mp4", "/home/u/sub/c d.mkv"}));
    const QByteArray message("/home/u/clip.avi\0/v/caf\xe9.avi\0\0", 31);
    EXPECT_TRUE(MessageComplete(message));
    EXPECT_FALSE(MessageComplete(message.left(17)));
    EXPECT_TRUE(MessageComplete(QByteArray(1, '\0'))) << "no files: only the window is wanted";
    const QStringList files = DecodeMessage(message);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], "/home/u/clip.avi");
    EXPECT_EQ(EncodeFileName(files[1]), "/v/caf\xe9.avi");
    // The window's own command line keeps the bytes too.
    char program[] = "korbanix", latin[] = "/v/caf\xe9\xff.avi", plain[] = "b.mp4";
    char* argv[] = {program, latin, plain, nullptr};
    const QStringList given = FilesOfArguments(3, argv);
    ASSERT_EQ(given.size(), 2);
    EXPECT_EQ(EncodeFileName(given[0]), "/v/caf\xe9\xff.avi");
    EXPECT_EQ(given[1], "b.mp4");
}

// A start finds no window when none listens (or only a stale socket is left).
TEST(SingleInstanceMessage, NoWindowMeansNoHandOver) {
    testmedia::TempDir dir;
    EXPECT_FALSE(single_instance::HandFilesToRunningWindow(dir.file("none.socket"), {"/a.avi"}, 500));
    EXPECT_FALSE(single_instance::HandFilesToRunningWindow("", {"/a.avi"}, 500));
}

// Without a runtime folder the socket lives in a folder of a guessable name in a
// shared folder: one made there by someone else (open to others, or not ours) is
// never used, or our files would go to whoever listens in it.
TEST(SingleInstanceMessage, ASocketFolderSomeoneElseMadeIsNotUsed) {
    testmedia::TempDir dir;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QByteArray::fromStdString(dir.path().string()));
    const std::string folder = dir.file("korbanix-" + std::to_string(::getuid()));
    EXPECT_EQ(single_instance::SocketPath(), folder + "/korbanix.socket") << "made, private, ours";
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    EXPECT_EQ(single_instance::SocketPath(), "") << "open to others";
    ASSERT_EQ(::rmdir(folder.c_str()), 0);
    ASSERT_EQ(::symlink(dir.path().c_str(), folder.c_str()), 0);
    EXPECT_EQ(single_instance::SocketPath(), "") << "a link to elsewhere";
    if (runtime.isNull()) qunsetenv("XDG_RUNTIME_DIR");
    else qputenv("XDG_RUNTIME_DIR", runtime);
    if (temp.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", temp);
}

// A lock that cannot even be made (the runtime folder is gone) is held by nobody:
// the start opens its window at once instead of waiting for another start.
TEST(SingleInstanceMessage, ALockThatCannotBeMadeIsNoReasonToWait) {
    testmedia::TempDir dir;
    InstanceServer first;
    ASSERT_TRUE(first.TakeLock(dir.file("k.socket")));
    InstanceServer second;
    EXPECT_FALSE(second.TakeLock(dir.file("k.socket")));
    EXPECT_FALSE(second.LockUnusable()) << "held by a live process";
    InstanceServer third;
    EXPECT_FALSE(third.TakeLock(dir.file("gone/k.socket")));
    EXPECT_TRUE(third.LockUnusable());
}
