// Desktop services through the platform interface: the fake records what windows
// ask for, the filter conversion keeps every pattern, the shell reasons are the
// exact texts, dialog units map like dialog templates, controls are found by id.
#include "platform/ControlId.h"
#include "platform/DeviceFolders.h"
#include "platform/DialogUnits.h"
#include "platform/FakePlatform.h"
#include "platform/FileNames.h"
#include "platform/LinuxPlatform.h"
#include "platform/WindowPlacement.h"

#include "tests/support/QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include <cmath>

#include <sys/stat.h>

namespace {

const char* const kAddFilter =
    "All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi|Flash files (*.flv)|*.flv|"
    "Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts||";

// Names hold bytes: every one comes back, valid UTF-8 reads as Qt reads it, and a
// dropped file's address keeps its escaped bytes.
TEST(FileNames, EveryByteComesBackAndUtf8IsPlainText) {
    const std::string names[] = {"", "/tmp/a.avi", "/tmp/caf\xE9.avi", "\xC3\xA9t\xC3\xA9 \xF0\x9F\x8E\xAC.mkv",
                                 "\xC3", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF\xFE"};
    for (const std::string& name : names) {
        EXPECT_EQ(EncodeFileName(DecodeFileName(name)), name) << name;
        if (QString::fromStdString(name).toStdString() == name) {
            EXPECT_EQ(DecodeFileName(name), QString::fromStdString(name)) << name;
        }
    }
    EXPECT_EQ(DecodeFileName("caf\xE9").size(), 4);
    EXPECT_EQ(WideFileName(DecodeFileName("caf\xE9 \xF0\x9F\x8E\xAC")), (std::wstring{L'c', L'a', L'f', wchar_t(0xDCE9), L' ', wchar_t(0x1F3AC)}));
    EXPECT_EQ(FileNameFromLocalUrl("file:///tmp/caf%E9%20x.avi"), DecodeFileName("/tmp/caf\xE9 x.avi"));
    EXPECT_EQ(FileNameFromLocalUrl("file:///tmp/%C3%A9.avi"), QString::fromUtf8("/tmp/\xC3\xA9.avi"));
    EXPECT_EQ(FileNameFromLocalUrl("https://example.org/a.avi"), QString());
}

TEST(ShellReasons, TextsAreExactIncludingTheTrailingBlank) {
    EXPECT_EQ(ShellErrorReason(26), "A sharing violation occurred. ");
    EXPECT_EQ(ShellErrorReason(2), "The specified file was not found.");
    EXPECT_EQ(ShellErrorReason(0), "The operating system is out\nof memory or resources.");
    EXPECT_EQ(ShellErrorReason(31), "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(ShellErrorReason(7), "Unknown Error (7) occurred.");
    EXPECT_EQ(ShellErrorReason(-1), "Unknown Error (-1) occurred.");
}

TEST(FilterConversion, EveryPairBecomesOneQtFilterWithItsRealPatterns) {
    const QStringList filters = WindowsFilterToQt(QString::fromLatin1(kAddFilter));
    ASSERT_EQ(filters.size(), 5);
    EXPECT_EQ(filters[0], "All files (*)");  // files without a dot too
    EXPECT_EQ(filters[1], "All media files (*.flv *.swf *.mov *.qt *.avi)");
    EXPECT_EQ(filters[2], "Flash files (*.flv)");
    EXPECT_EQ(filters[3], "Real Media Files (*.rm *.rmvb)");
    // The shown patterns are the applied ones, not the description's.
    EXPECT_EQ(filters[4], "High-Definition files (*.mts *.ts *.m2ts)");
    for (const QString& filter : filters) EXPECT_FALSE(filter.contains(';')) << filter.toStdString();
}

TEST(FilterConversion, EmptyAndOddStringsGiveNoFiltersNotACrash) {
    EXPECT_TRUE(WindowsFilterToQt("").isEmpty());
    EXPECT_TRUE(WindowsFilterToQt("||").isEmpty());
    EXPECT_TRUE(WindowsFilterToQt("Only a description").isEmpty());
    EXPECT_EQ(WindowsFilterToQt("Videos|;;*.avi;|"), QStringList{"Videos (*.avi)"});
}

TEST(FakePlatformTest, RecordsEverythingAndAnswersFromItsScript) {
    FakePlatform fake;
    ScopedPlatform installed(fake);
    Platform& desktop = CurrentPlatform();
    ASSERT_EQ(&desktop, &fake);

    EXPECT_EQ(desktop.MessageBox(nullptr, "Please add video files!"), MessageResult::Ok);
    fake.messageAnswers.push_back(MessageResult::Yes);
    EXPECT_EQ(desktop.MessageBox(nullptr, "Sure?", "Korbanix", MessageButtons::YesNo, MessageIcon::Question),
              MessageResult::Yes);
    EXPECT_EQ(desktop.MessageBox(nullptr, "Again?", QString(), MessageButtons::YesNo), MessageResult::No);
    EXPECT_EQ(fake.messageTexts(), (QStringList{"Please add video files!", "Sure?", "Again?"}));
    EXPECT_EQ(fake.messages[1].caption, "Korbanix");
    EXPECT_EQ(fake.messages[1].icon, MessageIcon::Question);

    EXPECT_TRUE(desktop.ChooseOpenFiles(nullptr, kAddFilter).isEmpty());  // cancelled
    fake.fileChoices.push_back({"/a.avi", "/b.mp4"});
    EXPECT_EQ(desktop.ChooseOpenFiles(nullptr, kAddFilter), (QStringList{"/a.avi", "/b.mp4"}));
    EXPECT_EQ(fake.fileChooserCalls.size(), 2u);
    EXPECT_EQ(fake.fileChooserCalls[0].windowsFilter, kAddFilter);

    fake.folderChoices.push_back("/out");
    EXPECT_EQ(desktop.ChooseFolder(nullptr, "Please select output folder:"), "/out");
    EXPECT_EQ(fake.folderChooserCalls.at(0).title, "Please select output folder:");

    fake.openResults.push_back(FakePlatform::Failure(26));
    const OpenResult failed = desktop.OpenUrl("https://korbanix.org");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.reason, "A sharing violation occurred. ");
    EXPECT_TRUE(desktop.OpenPath("/out").ok);
    EXPECT_EQ(fake.openedUrls, std::vector<QString>{"https://korbanix.org"});
    EXPECT_EQ(fake.openedPaths, std::vector<QString>{"/out"});

    EXPECT_TRUE(desktop.PowerOff());
    EXPECT_EQ(fake.powerOffCount, 1);
    desktop.Beep();
    EXPECT_EQ(fake.beepCount, 1);
}

TEST(FakePlatformTest, ScopedPlatformRestoresThePreviousOne) {
    Platform* realDesktop = &CurrentPlatform();
    EXPECT_NE(dynamic_cast<LinuxPlatform*>(realDesktop), nullptr);
    FakePlatform outer, inner;
    {
        ScopedPlatform first(outer);
        {
            ScopedPlatform second(inner);
            EXPECT_EQ(&CurrentPlatform(), &inner);
        }
        EXPECT_EQ(&CurrentPlatform(), &outer);
    }
    EXPECT_EQ(&CurrentPlatform(), realDesktop);
}

TEST(LinuxPlatformChecks, MissingTargetsAreReportedBeforeAskingTheDesktop) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(CheckLocalTarget(dir.path()).ok);
    const OpenResult noFile = CheckLocalTarget(dir.filePath("missing.chm"));
    EXPECT_FALSE(noFile.ok);
    EXPECT_EQ(noFile.code, 2);
    EXPECT_EQ(noFile.reason, "The specified file was not found.");
    const OpenResult noPath = CheckLocalTarget(dir.filePath("gone/missing.chm"));
    EXPECT_EQ(noPath.code, 3);
    EXPECT_FALSE(CheckLocalTarget(QString()).ok);
    // A folder whose name is not UTF-8 is found, and the desktop is given its bytes.
    const std::string latin1 = dir.path().toStdString() + "/sortie\xE9";
    ASSERT_EQ(::mkdir(latin1.c_str(), 0700), 0);
    EXPECT_TRUE(CheckLocalTarget(DecodeFileName(latin1)).ok);
    EXPECT_EQ(LocalFileUrl(DecodeFileName(latin1)).toEncoded(),
              "file://" + QByteArray::fromStdString(dir.path().toStdString()) + "/sortie%E9");
    EXPECT_EQ(EncodeFileName(FileNameFromLocalUrl(LocalFileUrl(DecodeFileName(latin1)).toEncoded())), latin1);
}

TEST(LinuxPlatformChecks, FoldersComeFromTheProcessAndXdg) {
    EXPECT_EQ(QDir(ExecutableFolderOfProcess()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg-conf");
    EXPECT_EQ(XdgUserConfigFolder(), "/tmp/xdg-conf/Korbanix");
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(XdgUserConfigFolder(), QDir::homePath() + "/.config/Korbanix");
    if (saved.isNull()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", saved);
}

TEST(LinuxPlatformChecks, TheRealPlatformAnswersItsFolderQueries) {
    LinuxPlatform desktop;
    EXPECT_EQ(desktop.ExecutableFolder(), ExecutableFolderOfProcess());
    EXPECT_FALSE(desktop.ExecutableFolder().endsWith('/'));
    EXPECT_EQ(desktop.UserConfigFolder(), XdgUserConfigFolder());
    EXPECT_TRUE(QDir::isAbsolutePath(desktop.VideosFolder()));
}

class DialogUnitsTest : public ::testing::Test {
protected:
    QFont font = DialogFont(8);
    int cx = 0, cy = 0;
    void SetUp() override {
        const QFontMetrics metrics(font);
        const int width52 = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        cx = (width52 / 26 + 1) / 2;
        cy = metrics.height();
    }
    int mapX(int x) const { return static_cast<int>(std::lround(x * cx / 4.0)); }
    int mapY(int y) const { return static_cast<int>(std::lround(y * cy / 8.0)); }
};

TEST_F(DialogUnitsTest, BaseUnitsAreTheRoundedAverageLetterWidthAndTheHeight) {
    EXPECT_EQ(DialogBaseUnits(font), QSize(cx, cy));
    EXPECT_GT(cx, 2);
    EXPECT_EQ(MapDialogRect(QRect(0, 0, 4, 8), font), QRect(0, 0, cx, cy));
}

TEST_F(DialogUnitsTest, EdgesAreMappedAndRoundedSoNeighboursStayAdjacent) {
    // The About box's OK button.
    const QRect ok = MapDialogRect(QRect(231, 138, 50, 16), font);
    EXPECT_EQ(ok.left(), mapX(231));
    EXPECT_EQ(ok.top(), mapY(138));
    EXPECT_EQ(ok.width(), mapX(281) - mapX(231));
    EXPECT_EQ(ok.height(), mapY(154) - mapY(138));
    for (int x = 0; x < 40; ++x) {
        const QRect left = MapDialogRect(QRect(x, 3, 7, 9), font);
        const QRect right = MapDialogRect(QRect(x + 7, 3, 5, 9), font);
        EXPECT_EQ(left.right() + 1, right.left()) << x;
    }
    EXPECT_EQ(MapDialogPoint(QPoint(7, 7), font), QPoint(mapX(7), mapY(7)));
    EXPECT_EQ(MapDialogSize(QSize(288, 161), font), QSize(mapX(288), mapY(161)));
}

TEST(ControlIds, ControlsAreFoundByIdAtAnyDepthAndOnlyByTheirOwnId) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* label = new QLabel(panel);
    SetControlId(label, 1018);
    auto* impostor = new QLabel(&window);
    impostor->setObjectName("1019");  // a name alone is no id
    EXPECT_EQ(FindControl(&window, 1018), label);
    EXPECT_EQ(FindControlAs<QLabel>(&window, 1018), label);
    EXPECT_EQ(label->objectName(), "1018");
    EXPECT_EQ(label->property("controlId").toInt(), 1018);
    EXPECT_EQ(ControlId(label), 1018);
    EXPECT_EQ(FindControl(&window, 1019), nullptr);
    EXPECT_EQ(ControlId(impostor), -1);
    EXPECT_EQ(FindControl(nullptr, 1018), nullptr);
}

}  // namespace

namespace {

// A mount table of our own over folders in a temporary folder standing in for
// /media: which volumes are device folders, with their label and target.
class DeviceFoldersTest : public ::testing::Test {
protected:
    QString volume(const QString& name, bool pspFolder = false) {
        const QString point = root.path() + "/media/me/" + name;
        QDir().mkpath(pspFolder ? point + "/PSP" : point);
        return point;
    }
    // The kernel writes a blank in a path as \040.
    static QByteArray escaped(const QString& path) { return path.toUtf8().replace(" ", "\\040"); }
    void writeTable(const QList<QByteArray>& lines) {
        QFile file(table());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QByteArray& line : lines) file.write(line + "\n");
    }
    QString table() const { return root.path() + "/mounts"; }
    QStringList roots() const { return {root.path() + "/media/"}; }
    QTemporaryDir root;
};

TEST_F(DeviceFoldersTest, PspSticksAndFat32DrivesAreOfferedWithTheirLabel) {
    const QString psp = volume("PSP STICK", true);
    const QString usb = volume("USB32");
    const QString exfatPsp = volume("XPSP", true);
    const QString exfat = volume("BIGDRIVE");
    const QString ext4 = volume("DATA", true);
    writeTable({
        "/dev/sda1 /boot/efi vfat rw,relatime 0 0",  // a system FAT volume, not mounted for the user
        "/dev/sdb1 " + escaped(psp) + " vfat rw,nosuid 0 0",
        "/dev/sdc1 " + escaped(usb) + " vfat rw 0 0",
        "/dev/sdd1 " + escaped(exfatPsp) + " exfat rw 0 0",
        "/dev/sde1 " + escaped(exfat) + " exfat rw 0 0",  // a PS3 cannot read exFAT
        "/dev/sdf1 " + escaped(ext4) + " ext4 rw 0 0",
        "garbage",
        "/dev/sdg1 " + escaped(root.path() + "/media/me/UNPLUGGED") + " vfat rw 0 0",  // no such folder
    });
    const std::vector<MountEntry> mounts = ReadMountTable(table());
    ASSERT_EQ(mounts.size(), 7u);
    EXPECT_EQ(mounts[1].mountPoint, psp) << "escapes are read back";

    const std::vector<DeviceFolder> video = FindDeviceFolders(mounts, false, roots());
    ASSERT_EQ(video.size(), 3u);
    EXPECT_EQ(video[0].DisplayText(), "PSP memory stick PSP STICK: " + psp + "/VIDEO");
    EXPECT_EQ(video[1].DisplayText(), "PS3 USB drive USB32: " + usb + "/VIDEO");
    EXPECT_EQ(video[2].kind, "PSP memory stick");
    EXPECT_EQ(video[2].folder, exfatPsp + "/VIDEO");
    const std::vector<DeviceFolder> music = FindDeviceFolders(mounts, true, roots());
    ASSERT_EQ(music.size(), 3u);
    EXPECT_EQ(music[1].folder, usb + "/MUSIC");

    EXPECT_TRUE(FindDeviceFolders(ReadMountTable(root.path() + "/no-table"), false, roots()).empty());
    EXPECT_TRUE(FindDeviceFolders(mounts, false).empty()) << "the real roots hold none of these";
}

TEST_F(DeviceFoldersTest, TheMountOfAPathIsTheLongestHoldingIt) {
    const QString usb = volume("USB32");
    writeTable({"/dev/root / ext4 rw 0 0", "/dev/sdc1 " + escaped(usb) + " vfat rw 0 0",
                "/dev/sdd1 " + escaped(usb + "2") + " ext4 rw 0 0"});
    const std::vector<MountEntry> mounts = ReadMountTable(table());
    ASSERT_NE(MountOf(usb + "/VIDEO", mounts), nullptr);
    EXPECT_TRUE(HasFat32FileLimit(*MountOf(usb + "/VIDEO", mounts)));
    EXPECT_TRUE(HasFat32FileLimit(*MountOf(usb, mounts)));
    EXPECT_FALSE(HasFat32FileLimit(*MountOf(usb + "2/VIDEO", mounts))) << "a sibling with a longer name";
    EXPECT_EQ(MountOf("/home/me/Videos", mounts)->mountPoint, "/");
    EXPECT_EQ(MountOf("/x", {}), nullptr);

    // A mount point whose name is Latin-1 is found for an output folder that keeps its bytes.
    const std::string latin1 = root.path().toStdString() + "/media/me/caf\xe9";
    writeTable({"/dev/sdh1 " + QByteArray::fromStdString(latin1) + " vfat rw 0 0"});
    const std::vector<MountEntry> others = ReadMountTable(table());
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(others[0].mountPoint, DecodeFileName(latin1));
    EXPECT_NE(MountOf(DecodeFileName(latin1 + "/VIDEO"), others), nullptr);
}

}  // namespace

// A remembered window place comes back wholly on a screen that is there now, no
// larger than it; one that had to be cut or moved comes back centred on its screen,
// one on no screen centred on the primary one.
struct PlaceCase {
    const char* what;
    QRect wanted;
    QRect expected;
};
class WindowPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(WindowPlaceTest, LandsOnAScreen) {
    const std::vector<QRect> screens = {QRect(0, 0, 1366, 740), QRect(1366, 0, 1920, 1080)};
    const PlaceCase& c = GetParam();
    EXPECT_EQ(PlaceOnScreens(c.wanted, screens, QSize(600, 300)), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, WindowPlaceTest,
    ::testing::Values(PlaceCase{"on screen stays", {100, 50, 880, 537}, {100, 50, 880, 537}},
                      PlaceCase{"off the left and top", {-258, -157, 880, 537}, {242, 101, 880, 537}},
                      PlaceCase{"mostly on the second", {2800, 900, 880, 537}, {1885, 271, 880, 537}},
                      PlaceCase{"on no screen", {9000, 9000, 880, 537}, {242, 101, 880, 537}},
                      PlaceCase{"taller than the screen", {0, 0, 1000, 2000}, {182, 0, 1000, 740}},
                      PlaceCase{"kept on a larger screen", {600, 400, 880, 537}, {242, 101, 880, 537}},
                      PlaceCase{"below the minimum", {10, 10, 100, 100}, {10, 10, 600, 300}}));

TEST(WindowPlaceText, ReadsWhatItWritesAndRefusesTheRest) {
    EXPECT_EQ(WindowPlaceFromText(WindowPlaceText(QRect(-258, -157, 880, 537))), QRect(-258, -157, 880, 537));
    // Values a hand-edited file may hold that no screen has: the corners they
    // give overflow int (caught by the sanitizer) before any check could refuse them.
    for (const char* bad : {"", "1,2,3", "a,b,c,d", "0,0,0,10", "0,0,-5,10", "1,2,3,4,5",
                            "-2147483648,2147483647,-1,0", "2147483647,0,2,2", "0,-2147483648,10,-1",
                            "0,0,2147483647,2147483647"})
        EXPECT_FALSE(WindowPlaceFromText(QString::fromLatin1(bad)).isValid()) << bad;
}
