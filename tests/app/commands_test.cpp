// The window's commands: Browse and Find Target with the folder list, Help,
// Setting and About, the task list's context menu with its greyed items, the
// window menu, tooltips and the hand cursor by control id, minimise and dragging,
// where dialogs open, and the keyboard (Tab order, focus ring, Enter, Space,
// mnemonics).

#include "AppTestSupport.h"
#include "app/AppFolders.h"
#include "app/DeviceFolderOffer.h"
#include "app/ConversionCommands.h"
#include "profiles/OutputSettings.h"

#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/PreviewPicture.h"
#include "platform/ControlId.h"
#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "controls/SkinPalette.h"
#include "dialogs/CFileInfomation.h"
#include "dialogs/CSettings.h"
#include "engine/AVConvert.h"

#include <QLocale>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QAction>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <map>
#include <algorithm>
#include <set>
#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

using namespace apptest;
using namespace mainwindow;

namespace {

struct MenuItem {
    QString text;
    bool enabled;
    bool operator==(const MenuItem&) const = default;
};

std::vector<MenuItem> itemsOf(QMenu& menu) {
    std::vector<MenuItem> items;
    for (QAction* action : menu.actions())
        if (!action->isSeparator()) items.push_back({action->text(), action->isEnabled()});
    return items;
}

QAction* actionNamed(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

QStringList entries(QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
    return list;
}

}  // namespace

class CommandsTest : public MainWindowTest {
protected:
    QString folder(const QString& name) {
        const QString path = QString::fromStdString(exeDir.file(name.toStdString()));
        QDir().mkpath(path);
        return path;
    }
    // Scripts the next popup menu: records its items and chooses `choice`.
    void chooseInNextMenu(CTolvaneAVConverterDlg& window, const QString& choice) {
        window.menuRunner = [this, choice](QMenu& menu, const QPoint&) {
            shownMenu = itemsOf(menu);
            return choice.isEmpty() ? nullptr : actionNamed(menu, choice);
        };
    }
    std::vector<MenuItem> shownMenu;
};

// Add's chooser opens at home the first time (not where the program was started),
// then in the folder files were last taken from, also after a restart.
TEST_F(CommandsTest, AddOpensAtHomeThenInTheLastFolderUsedForAdd) {
    CTolvaneAVConverterDlg& window = open();
    const QString shows = folder("shows");
    const QString clip = shows + "/clip.mp4";
    ASSERT_TRUE(QFile::copy(SharedMedia().clipA, clip));
    fake.fileChoices = {{clip}};
    window.AddFiles();
    ASSERT_EQ(fake.fileChooserCalls.size(), 1u);
    EXPECT_EQ(fake.fileChooserCalls[0].startFolder, QDir::homePath());
    EXPECT_NE(fake.fileChooserCalls[0].startFolder, QDir::currentPath());
    window.AddFiles();  // cancelled: the folder stays
    EXPECT_EQ(fake.fileChooserCalls[1].startFolder, shows);
    dialog.reset();
    CTolvaneAVConverterDlg& again = open();
    again.AddFiles();
    EXPECT_EQ(fake.fileChooserCalls[2].startFolder, shows) << "kept across restarts";
    ASSERT_TRUE(QDir(shows).removeRecursively());
    again.AddFiles();
    EXPECT_EQ(fake.fileChooserCalls[3].startFolder, QDir::homePath()) << "a folder since removed: home again";
}

TEST_F(CommandsTest, BrowseAddsTheFolderEvenWhenListedAndRefusesMissingOnes) {
    CTolvaneAVConverterDlg& window = open();
    const QString beta = folder("beta");
    const QString alpha = folder("Alpha");
    const QString missing = QString::fromStdString(exeDir.file("missing"));
    fake.folderChoices = {missing, beta};
    window.button(kBrowse)->click();
    EXPECT_EQ(fake.messageTexts(), QStringList({"The output folder name is invalid!"}));
    ASSERT_EQ(fake.folderChooserCalls.size(), 2u) << "the chooser comes again";
    EXPECT_EQ(fake.folderChooserCalls[0].title, "Please select output folder:");
    EXPECT_EQ(fake.folderChooserCalls[0].startFolder, exeFolder() + "/OutPut") << "it opens in the output folder";
    EXPECT_EQ(window.outputFolderCombo()->currentText(), beta);
    EXPECT_EQ(window.outputFolder(), beta);
    EXPECT_EQ(ReadOutputFolder(window.folders().iniPath), beta) << "remembered at once, not after a conversion";

    fake.folderChoices = {alpha};
    window.onBrowse();
    fake.folderChoices = {beta};
    window.onBrowse();
    EXPECT_EQ(entries(window.outputFolderCombo()),
              QStringList({exeFolder() + "/Alpha", beta, beta, exeFolder() + "/OutPut"}))
        << "sorted without regard to case; a listed folder is added again";

    fake.folderChoices.clear();  // cancelled: nothing changes
    window.onBrowse();
    EXPECT_EQ(window.outputFolderCombo()->count(), 4);
}

TEST_F(CommandsTest, FindTargetCreatesOpensAndListsOnlyNewFolders) {
    CTolvaneAVConverterDlg& window = open();
    const QString typed = QString::fromStdString(exeDir.file("typed"));
    window.outputFolderCombo()->setEditText(typed);
    window.button(kFindTarget)->click();
    EXPECT_TRUE(QFileInfo(typed).isDir());
    EXPECT_EQ(fake.openedPaths, std::vector<QString>({typed}));
    EXPECT_EQ(window.outputFolderCombo()->count(), 2);
    window.onFindTarget();
    EXPECT_EQ(window.outputFolderCombo()->count(), 2) << "already listed";
    EXPECT_EQ(fake.openedPaths.size(), 2u);
    EXPECT_EQ(window.outputFolderCombo()->currentText(), typed);

    const QString unreachable = QString::fromStdString(exeDir.file("no/such/parent"));
    window.outputFolderCombo()->setEditText(unreachable);
    window.onFindTarget();
    EXPECT_EQ(fake.messageTexts(),
              QStringList({"The folder \"" + unreachable +
                           "\" does not exist and cannot be created: the folder above it does not exist either. "
                           "Please specify a different folder!"}));
    EXPECT_EQ(fake.openedPaths.size(), 2u);

    // A plain file is no folder: refused instead of opened.
    const QString file = QString::fromStdString(exeDir.file("plain.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    window.outputFolderCombo()->setEditText(file);
    window.onFindTarget();
    EXPECT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messageTexts().last(), "\"" + file + "\" is a file, not a folder. Please specify a different folder!");
    EXPECT_EQ(fake.openedPaths.size(), 2u);
}

TEST_F(CommandsTest, FolderThatCannotBeCreatedSaysTheSystemsReason) {
    CTolvaneAVConverterDlg& window = open();
    const QString locked = folder("locked");
    ASSERT_EQ(::chmod(locked.toLocal8Bit().constData(), 0500), 0);
    if (::access((locked + "/x").toLocal8Bit().constData(), F_OK) == 0 || ::geteuid() == 0) {
        // Root writes anywhere: the refusal cannot be made here.
        ::chmod(locked.toLocal8Bit().constData(), 0700);
        GTEST_SKIP() << "running as root";
    }
    window.outputFolderCombo()->setEditText(locked + "/inner");
    window.onFindTarget();
    ::chmod(locked.toLocal8Bit().constData(), 0700);
    EXPECT_EQ(fake.messageTexts(), QStringList({"The folder \"" + locked + "/inner\" does not exist and cannot be "
                                                "created: permission denied. Please specify a different folder!"}));
}

TEST_F(CommandsTest, HelpOpensThePageBesideTheProgramOrSaysItIsMissing) {
    CTolvaneAVConverterDlg& window = open();
    window.button(kHelp)->click();
    EXPECT_EQ(fake.messageTexts(), QStringList({"Can not find help file!"}));
    EXPECT_TRUE(fake.openedPaths.empty());
    dialog.reset();

    QFile page(exeFolder() + "/help.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    CTolvaneAVConverterDlg& again = open();
    again.onHelp();
    EXPECT_EQ(fake.openedPaths, std::vector<QString>({exeFolder() + "/help.html"}));
    EXPECT_EQ(fake.messages.size(), 1u) << "opened: nothing to say";
    // No browser or handler: the person is told where the page is.
    fake.openResults = {FakePlatform::Failure(31)};
    again.onHelp();
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages.back().text, "No program could open the help page. Please open it in a web browser:\n" +
                                             exeFolder() + "/help.html");
    EXPECT_EQ(fake.messages.back().icon, MessageIcon::Exclamation);
    // The opener started but found no program: known only later, said then. The
    // output folder's Open says the same of the folder.
    fake.nothingOpensPaths = true;
    again.onHelp();
    EXPECT_EQ(fake.messages.size(), 2u) << "not before the opener has given up";
    QCoreApplication::processEvents();
    ASSERT_EQ(fake.messages.size(), 3u);
    EXPECT_TRUE(fake.messages.back().text.startsWith("No program could open the help page."));
    again.outputFolderCombo()->setEditText(exeFolder());
    again.onFindTarget();
    QCoreApplication::processEvents();
    ASSERT_EQ(fake.messages.size(), 4u);
    EXPECT_EQ(fake.messages.back().text,
              "No program could open the output folder. Please open it in a file manager:\n" + exeFolder());
}

// The Setting dialog's "Sources" choices reach the job and the configuration file,
// and a picture added afterwards lasts the chosen length.
TEST_F(CommandsTest, SettingKeepsTheSourceChoicesAndAddingMeasuresPicturesByThem) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.modalRunner = [](QDialog& shown) {
        auto* language = FindControlAs<QComboBox>(&shown, CSettings::kLanguage);
        auto* still = FindControlAs<QComboBox>(&shown, CSettings::kStillSeconds);
        if (!language || !still) return int(QDialog::Rejected);
        language->setCurrentIndex(language->findText(QStringLiteral("日本語 (jpn)")));
        still->setCurrentIndex(still->findText("10 s"));
        FindControlAs<QPushButton>(&shown, CSettings::kOk)->click();
        return shown.result();
    };
    window.button(kSetting)->click();
    EXPECT_EQ(window.Job().preferredLanguage, "jpn");
    EXPECT_EQ(window.Job().stillPictureSeconds, 10);
    const std::filesystem::path ini(EncodeFileName(window.folders().iniPath));
    EXPECT_EQ(IniFile::ReadString(ini, "Info", "Language"), "jpn");
    EXPECT_EQ(IniFile::ReadString(ini, "Info", "StillSeconds"), "10");
    EXPECT_EQ(ReadSourcePreferences(window.folders().iniPath), (SourcePreferences{"jpn", 10}));

    const std::string picture = exeDir.file("picture.png");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -nostdin -v error -y -f lavfi -i color=c=red:s=64x48 -frames:v 1 " +
                                    testmedia::shellQuote(picture)),
              0);
    window.AddPaths({QString::fromStdString(picture)});
    ASSERT_EQ(window.taskList().Count(), 2);
    EXPECT_EQ(window.taskList().Text(1, TaskList::kEnd), "00:00:10");
}

TEST_F(CommandsTest, BuiltHelpPageIsBesideTheBuiltProgram) {
    const QString built = qEnvironmentVariable("KORBANIX_BUILD_DIR") + "/app/help.html";
    QFile page(built);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << built.toStdString();
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.contains("<h1>Korbanix</h1>"));
    EXPECT_TRUE(text.contains("output folder"));
}

TEST_F(CommandsTest, SettingAndAboutRunTheirDialogs) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.button(kSetting)->click();
    window.button(kAbout)->click();
    chooseInNextMenu(window, "Korbanix...");
    window.ShowWindowMenu(QPoint(10, 10));
    EXPECT_EQ(modalClasses, QStringList({"CSettings", "CAbout", "CAbout"}));
    EXPECT_EQ(shownMenu, (std::vector<MenuItem>{{"Minimize", true}, {"Close", true}, {"Korbanix...", true}}));
}

TEST_F(CommandsTest, EveryDialogOpensCentredOnTheWindowAndOnScreen) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<QRect> places;
    window.modalRunner = [&places](QDialog& shown) {
        shown.show();
        places.push_back(shown.frameGeometry());
        shown.hide();
        return int(QDialog::Rejected);
    };
    const QRect screen = window.screen()->availableGeometry();
    for (const QPoint& corner : {screen.center() - window.rect().center(), QPoint(-300, -200),
                                 screen.bottomRight() - QPoint(80, 60)}) {
        window.move(corner);
        places.clear();
        for (int id : {kAbout, kSetting, kFileInfo}) window.button(id)->click();
        ASSERT_EQ(places.size(), 3u);
        for (const QRect& place : places) {
            EXPECT_TRUE(screen.contains(place)) << place.x() << "," << place.y() << " for the window at "
                                                << corner.x() << "," << corner.y();
            if (screen.contains(window.frameGeometry()) && place.width() < screen.width() / 2) {
                EXPECT_LE((place.center() - window.frameGeometry().center()).manhattanLength(), 2);
            }
        }
    }
}

TEST_F(CommandsTest, RightClickOnTheSurfaceAndAltSpaceOpenTheWindowMenu) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    chooseInNextMenu(window, "");
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(300, 10));
    EXPECT_EQ(shownMenu.size(), 3u);
    shownMenu.clear();
    QTest::keyClick(window.outputFolderCombo()->lineEdit(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(shownMenu.size(), 3u);
}

TEST_F(CommandsTest, ContextMenuGreysTheRowItemsWithoutASelection) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA, SharedMedia().clipB});
    window.taskListControl()->clearSelection();
    chooseInNextMenu(window, "");
    window.ShowTaskContextMenu(QPoint(0, 0));
    EXPECT_EQ(shownMenu, (std::vector<MenuItem>{{"Add Files..", true},
                                               {"Remove", false},
                                               {"Clear All", true},
                                               {"Clip...", false},
                                               {"File Information...", false}}));
    EXPECT_FALSE(window.button(kClip)->isEnabled());
    EXPECT_FALSE(window.button(kCut)->isEnabled());
    EXPECT_FALSE(window.button(kFileInfo)->isEnabled());

    window.taskListControl()->SelectAndFocus(1);
    chooseInNextMenu(window, "Remove");
    window.ShowTaskContextMenu(QPoint(0, 0));
    EXPECT_TRUE(std::all_of(shownMenu.begin(), shownMenu.end(), [](const MenuItem& item) { return item.enabled; }));
    EXPECT_EQ(window.taskList().Count(), 1);
    EXPECT_TRUE(window.button(kConvert)->isEnabled());

    chooseInNextMenu(window, "Clear All");
    window.ShowTaskContextMenu(QPoint(0, 0));
    EXPECT_EQ(window.taskList().Count(), 0);

    fake.fileChoices.push_back({SharedMedia().clipC});
    chooseInNextMenu(window, "Add Files..");
    window.ShowTaskContextMenu(QPoint(0, 0));
    EXPECT_EQ(window.taskList().Count(), 1);

    // Shift+F10 opens it from the keyboard as the menu key does.
    shownMenu.clear();
    chooseInNextMenu(window, "");
    QTest::keyClick(window.taskListControl(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shownMenu.size(), 5u);
}

TEST_F(CommandsTest, TooltipsAndHandCursorByControlId) {
    CTolvaneAVConverterDlg& window = open();
    const std::pair<int, const char*> expected[] = {
        {1000, "Add File"},         {1001, "Clip Video"},        {1003, "Play"},
        {1004, "Start Converting"}, {1005, "Open output files"}, {1076, "Set output files"},
        {1090, "Help"},             {1092, "Remove"},            {1095, "Clear All"},
        {1096, "Close"},            {1097, "Minimize"},          {1098, "About"},
        {1099, " Merge into a file"}, {1102, "File Information"}, {1115, "Conversion Settings"},
        {1135, "Stop"},
    };
    for (const auto& [id, text] : expected) {
        QWidget* control = FindControl(&window, id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->toolTip(), text) << id;
    }
    EXPECT_EQ(FindControl(&window, kVolumePicture)->toolTip(), "");
    for (int id : {1000, 1001, 1090, 1092, 1095, 1099, 1102, 1098, 1076, 1005, 1004, 1097, 1096, 1115}) {
        EXPECT_TRUE(FindControl(&window, id)->testAttribute(Qt::WA_SetCursor)) << id;
        EXPECT_EQ(FindControl(&window, id)->cursor().shape(), Qt::BitmapCursor) << id;
    }
    for (int id : {kPlay, kStop, kVolumePicture, kTaskList})
        EXPECT_NE(FindControl(&window, id)->cursor().shape(), Qt::BitmapCursor) << id;
}

// A screen reader names every control by what it shows or does (never the
// template's "Button_MIX", "00" or "&??"), and reads the buttons' and sliders'
// roles and states; Play's name follows what it does next.
TEST_F(CommandsTest, ReadersNameEveryControlAndSeeItsState) {
    CTolvaneAVConverterDlg& window = open();
    auto reader = [&](int id) { return QAccessible::queryAccessibleInterface(FindControl(&window, id)); };
    const std::pair<int, const char*> expected[] = {
        {kAdd, "Add"},          {kCut, "Remove"},        {kEmpty, "Clear all"},     {kClip, "Clip"},
        {kFileInfo, "File information"}, {kSetting, "Setting"}, {kHelp, "Help"},  {kPlay, "Play"},
        {kStop, "Stop"},        {kMinimise, "Minimize"}, {kAbout, "About"},         {kClose, "Close"},
        {kMerge, "Merge into a file"}, {kConvert, "Convert"}, {kBrowse, "Browse for output folder"},
        {kFindTarget, "Open output folder"},
        {kTaskList, "Tasks"},   {kPositionSlider, "Position"}, {kVolumeSlider, "Volume"},
        {kPicture, "Preview"},  {kRemoveHidden, "Remove"},
    };
    for (const auto& [id, name] : expected) {
        ASSERT_NE(reader(id), nullptr) << id;
        EXPECT_EQ(reader(id)->text(QAccessible::Name), name) << id;
    }
    EXPECT_EQ(window.button(kFileInfo)->text(), "File Infomation") << "the template's text stays";
    // A drop-down list's name is its current entry here; its label says what it is.
    for (const auto& [id, label] : {std::pair{kProfile, "Profile:"}, std::pair{kOutputFolder, "Output:"}}) {
        const auto labels = reader(id)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << id;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), label) << id;
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (ControlId(control) <= 0 || qobject_cast<QComboBox*>(control)) continue;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << ControlId(control);
    }
    EXPECT_EQ(reader(kConvert)->role(), QAccessible::Button);
    EXPECT_TRUE(reader(kClip)->state().disabled) << "no task yet";
    EXPECT_FALSE(reader(kAdd)->state().disabled);
    EXPECT_EQ(reader(kVolumeSlider)->role(), QAccessible::Slider);
    EXPECT_EQ(reader(kVolumeSlider)->valueInterface()->currentValue().toInt(),
              window.volumeSlider()->GetPos() * 100 / PreviewController::kVolumeMax) << "in per cent";

    window.AddPaths({SharedMedia().clipA});
    window.taskListControl()->SelectAndFocus(0);
    EXPECT_FALSE(reader(kClip)->state().disabled);
    window.button(kPlay)->click();
    EXPECT_EQ(reader(kPlay)->text(QAccessible::Name), "Pause");
    window.button(kPlay)->click();
    EXPECT_EQ(reader(kPlay)->text(QAccessible::Name), "Play");
}

// What a reader is told beyond names: the window is a window; the lists are
// named by their labels and read their entry as value; the sliders speak in per
// cent and in time; F1 opens the help; the list shows where the keyboard is.
TEST_F(CommandsTest, ReadersHearLabelsUnitsAndTheWindowsRole) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto reader = [&](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(reader(&window)->role(), QAccessible::Window);
    EXPECT_EQ(reader(window.profileCombo())->text(QAccessible::Name), "Profile");
    EXPECT_EQ(reader(window.profileCombo())->text(QAccessible::Value), window.profileCombo()->currentText());
    EXPECT_EQ(reader(window.outputFolderCombo())->text(QAccessible::Name), "Output folder");

    QAccessibleValueInterface* volume = reader(window.volumeSlider())->valueInterface();
    EXPECT_DOUBLE_EQ(volume->maximumValue().toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(volume->currentValue().toDouble(), 30.0);
    EXPECT_EQ(reader(window.volumeSlider())->text(QAccessible::Value), "30 %");

    player.duration = 150.0;
    window.AddPaths({SharedMedia().clipA});
    window.taskListControl()->SelectAndFocus(0);
    window.button(kPlay)->click();
    window.positionSlider()->SetPos(500);
    QAccessibleValueInterface* position = reader(window.positionSlider())->valueInterface();
    EXPECT_DOUBLE_EQ(position->maximumValue().toDouble(), 150.0) << "the place in seconds";
    EXPECT_DOUBLE_EQ(position->currentValue().toDouble(), 75.0);
    EXPECT_EQ(reader(window.positionSlider())->text(QAccessible::Value), "1:15.0 of 2:30.0");
    window.button(kStop)->click();

    // The list draws where the keyboard acts.
    window.taskListControl()->setFocus();
    QApplication::processEvents();
    const QImage focused = window.taskListControl()->viewport()->grab().toImage();
    window.button(kAdd)->setFocus();
    QApplication::processEvents();
    const QImage unfocused = window.taskListControl()->viewport()->grab().toImage();
    EXPECT_NE(focused, unfocused) << "a focus frame around the current row";

    // F1: the help (missing beside this test's stand-in program).
    QTest::keyClick(window.button(kAdd), Qt::Key_F1);
    EXPECT_EQ(fake.messageTexts(), QStringList{"Can not find help file!"});
}

// An unchecked task is still a check box to a reader.
TEST_F(CommandsTest, ReadersSeeUncheckedTasksAsCheckable) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.taskList().SetChecked(0, false);
    QApplication::processEvents();
    EXPECT_FALSE(window.button(kConvert)->isEnabled()) << "nothing checked: nothing to convert";
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(window.taskListControl())->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* cell = table->cellAt(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->state().checkable) << "unchecked, yet checkable";
    EXPECT_FALSE(cell->state().checked);
}

// The empty list says how to fill it; the hint goes with the first row.
TEST_F(CommandsTest, AnEmptyListShowsHowToAddFiles) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(window.emptyHint(), nullptr);
    EXPECT_TRUE(window.emptyHint()->isVisible());
    EXPECT_EQ(window.emptyHint()->text(), "Add files or drop them here");
    // Over the list's place, wherever a resize (a fit to a small screen) puts it.
    window.resize(window.size() + QSize(160, 120));
    EXPECT_EQ(window.emptyHint()->geometry(), window.taskListControl()->geometry());
    window.AddPaths({SharedMedia().clipA});
    EXPECT_FALSE(window.emptyHint()->isVisible());
    window.ClearTasks();
    EXPECT_TRUE(window.emptyHint()->isVisible());
    // From the keyboard it is a button named by its text; Enter, Space and Insert
    // on it are Add, and the file chosen takes the focus on from it.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window.emptyHint());
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(reader->text(QAccessible::Name), "Add files or drop them here");
    window.emptyHint()->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Insert}) QTest::keyClick(window.emptyHint(), key);
    EXPECT_EQ(fake.fileChooserCalls.size(), 3u);
    fake.fileChoices = {{SharedMedia().clipA}};
    QTest::keyClick(window.emptyHint(), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(window.taskList().Count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), window.taskListControl());
}

// The volume a person sets is the one the next start plays at.
TEST_F(CommandsTest, TheVolumeIsKept) {
    {
        CTolvaneAVConverterDlg& window = open();
        window.volumeSlider()->setFocus();
        QTest::keyClick(window.volumeSlider(), Qt::Key_End);
        EXPECT_EQ(window.volumeSlider()->GetPos(), PreviewController::kVolumeMax);
        dialog.reset();
    }
    CTolvaneAVConverterDlg& again = open();
    EXPECT_EQ(again.volumeSlider()->GetPos(), PreviewController::kVolumeMax);
    EXPECT_EQ(again.preview().volumeLevel(), PreviewController::kVolumeCap);
}

TEST_F(CommandsTest, MinimiseAndDragMoveTheWindow) {
    CTolvaneAVConverterDlg& window = open();
    window.move(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint before = window.pos();
    const QPoint surface(300, 8);  // title strip, no control there
    ASSERT_EQ(window.childAt(surface), nullptr);
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, surface);
    QMouseEvent move(QEvent::MouseMove, QPointF(surface + QPoint(40, 25)),
                     QPointF(window.mapToGlobal(surface + QPoint(40, 25))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, surface + QPoint(40, 25));
    EXPECT_EQ(window.pos(), before + QPoint(40, 25));

    window.button(kMinimise)->click();
    EXPECT_TRUE(window.isMinimized());
}

// The window follows the pointer only while a press that began in the title band
// is held: a press elsewhere on the skin moves nothing, and a release the window
// never sees (Open gave the file manager the mouse) or any loss of the mouse ends
// the drag.
TEST_F(CommandsTest, DragStartsOnlyInTheTitleAndEndsWhenTheMouseIsLost) {
    CTolvaneAVConverterDlg& window = open();
    window.move(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto moveTo = [&window](const QPoint& at, Qt::MouseButtons held) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(window.mapToGlobal(at)), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
    };
    const QPoint title(300, window.titleBandHeight() / 2);
    ASSERT_EQ(window.childAt(title), nullptr);
    QPoint body;  // a bare spot of the skin below the title band
    for (int y = window.titleBandHeight() + 2; y < window.height() && body.isNull(); y += 3)
        for (int x = 2; x < window.width() - 8 && body.isNull(); x += 3)
            if (!window.childAt(QPoint(x, y))) body = QPoint(x, y);
    ASSERT_FALSE(body.isNull());

    QPoint before = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, body);
    moveTo(body + QPoint(30, 20), Qt::LeftButton);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, body + QPoint(30, 20));
    EXPECT_EQ(window.pos(), before) << "a press below the title band drags nothing";

    // The release went elsewhere: the next move, with no button, ends the drag.
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, title);
    EXPECT_TRUE(window.isDraggingWindow());
    moveTo(title + QPoint(10, 5), Qt::NoButton);
    EXPECT_FALSE(window.isDraggingWindow());
    EXPECT_EQ(window.pos(), before);

    // Another window takes the mouse (the file manager Open starts): the drag ends
    // and the window stays put, whatever the pointer does next.
    for (QEvent::Type lost : {QEvent::WindowDeactivate, QEvent::UngrabMouse, QEvent::WindowBlocked}) {
        before = window.pos();
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, title);
        ASSERT_TRUE(window.isDraggingWindow());
        QEvent event(lost);
        QApplication::sendEvent(&window, &event);
        EXPECT_FALSE(window.isDraggingWindow()) << lost;
        moveTo(title + QPoint(40, 25), Qt::LeftButton);
        EXPECT_EQ(window.pos(), before) << lost;
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, title);
    }
}

// A dark desktop theme (its palette reaches every widget through the
// application) must leave the skinned window readable: dark text on the pale list,
// light combos and fields, and the same in the dialogs and menus opened from it.
TEST_F(CommandsTest, ADarkDesktopPaletteLeavesEveryPartReadable) {
    const QPalette desktop = QApplication::palette();
    QPalette dark;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, QColor(0x24, 0x24, 0x24));
        dark.setColor(group, QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
        dark.setColor(group, QPalette::Base, QColor(0x1A, 0x1A, 0x1A));
        dark.setColor(group, QPalette::Text, QColor(0xFF, 0xFF, 0xFF));
        dark.setColor(group, QPalette::Button, QColor(0x30, 0x30, 0x30));
        dark.setColor(group, QPalette::ButtonText, QColor(0xFF, 0xFF, 0xFF));
    }
    QApplication::setPalette(dark);
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{desktop};

    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto readable = [](QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole back) {
        const QPalette p = widget->palette();
        return ContrastRatio(p.color(text), p.color(back)) >= 4.5 && p.color(back).lightness() > 180;
    };
    EXPECT_TRUE(readable(window.taskListControl(), QPalette::Text, QPalette::Base));
    for (QComboBox* combo : {window.profileCombo(), window.outputFolderCombo()}) {
        EXPECT_TRUE(readable(combo, QPalette::Text, QPalette::Base));
        EXPECT_TRUE(readable(combo, QPalette::ButtonText, QPalette::Button));
    }
    EXPECT_TRUE(readable(&window, QPalette::WindowText, QPalette::Window));
    EXPECT_TRUE(readable(window.playingTimeLabel(), QPalette::WindowText, QPalette::Window));
    // A combo's list is a window of its own (the Setting dialog's Language list
    // opened dark inside the light skin).
    const auto popupReadable = [&readable](QComboBox* combo) {
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        EXPECT_TRUE(readable(list, QPalette::Text, QPalette::Base)) << combo->objectName().toStdString();
        EXPECT_TRUE(readable(list->window(), QPalette::WindowText, QPalette::Window));
        // What a person sees: the list is drawn light (the chosen entry aside).
        combo->view()->selectionModel()->clear();
        combo->view()->setCurrentIndex(QModelIndex());
        const QImage shot = list->window()->grab().toImage();
        long long lightness = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) lightness += shot.pixelColor(x, y).lightness();
        EXPECT_GT(lightness / std::max(1, shot.width() * shot.height()), 180) << combo->currentText().toStdString();
        combo->hidePopup();
    };
    for (QComboBox* combo : {window.profileCombo(), window.outputFolderCombo()}) popupReadable(combo);

    // What a person sees: the row's text is dark on a light cell.
    CCheckListCtrl* list = window.taskListControl();
    list->clearSelection();
    const QRect cell = list->visualRect(list->model()->index(0, TaskList::kStatus));
    const QImage shot = list->viewport()->grab(cell).toImage();
    int darkest = 255;
    long long lightness = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const int l = shot.pixelColor(x, y).lightness();
            darkest = std::min(darkest, l);
            lightness += l;
        }
    EXPECT_LT(darkest, 90) << "text drawn dark";
    EXPECT_GT(lightness / std::max(1, shot.width() * shot.height()), 180) << "on a light cell";

    // Dialogs and menus opened from the window are windows of their own.
    QStringList checked;
    window.modalRunner = [&](QDialog& shown) {
        shown.show();
        EXPECT_TRUE(readable(&shown, QPalette::WindowText, QPalette::Window)) << shown.metaObject()->className();
        for (QLineEdit* edit : shown.findChildren<QLineEdit*>())
            EXPECT_TRUE(readable(edit, QPalette::Text, QPalette::Base)) << shown.metaObject()->className();
        for (QComboBox* combo : shown.findChildren<QComboBox*>()) popupReadable(combo);
        checked << shown.metaObject()->className();
        shown.hide();
        return int(QDialog::Rejected);
    };
    window.taskListControl()->SelectAndFocus(0);
    for (int id : {kFileInfo, kSetting, kAbout}) window.button(id)->click();
    EXPECT_EQ(checked, (QStringList{"CFileInfomation", "CSettings", "CAbout"}));
    window.menuRunner = [&](QMenu& menu, const QPoint&) {
        menu.show();
        EXPECT_TRUE(readable(&menu, QPalette::WindowText, QPalette::Window));
        menu.hide();
        return static_cast<QAction*>(nullptr);
    };
    window.ShowWindowMenu(window.mapToGlobal(QPoint(10, 10)));
    window.ShowTaskContextMenu(window.mapToGlobal(QPoint(10, 10)));
}

// ---- Size and place ----

// The window fits the screen whatever the scale (ctest runs this again at
// QT_SCALE_FACTOR=2 on a 1366x768 screen, where the template size is larger than
// the screen): every command is on screen, the window can be resized, the list and
// the picture take the extra room, and the place is kept for the next start.
TEST_F(CommandsTest, TheWindowFitsTheScreenResizesAndKeepsItsPlace) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry()))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on " << screen.width()
        << "x" << screen.height();
    for (int id : {kConvert, kMerge, kClose, kAbout, kMinimise, kFindTarget, kBrowse, kAdd}) {
        QWidget* control = window.button(id);
        const QRect place(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_TRUE(screen.contains(place)) << id;
        EXPECT_TRUE(window.rect().contains(control->geometry())) << id;
    }
    EXPECT_LT(window.minimumWidth(), window.maximumWidth()) << "resizable";
    EXPECT_LE(window.minimumWidth(), screen.width());
    EXPECT_LE(window.minimumHeight(), screen.height());

    // Larger: the list and the picture grow, what lies right and below follows.
    window.resize(window.templateSize());
    const QRect list = window.taskListControl()->geometry();
    const QRect picture = window.pictureArea()->geometry();
    const QPoint convert = window.button(kConvert)->pos();
    const QPoint close = window.button(kClose)->pos();
    const QPoint play = window.button(kPlay)->pos();
    window.resize(window.templateSize() + QSize(200, 100));
    EXPECT_EQ(window.taskListControl()->height(), list.height() + 100);
    EXPECT_EQ(window.taskListControl()->width(), list.width() + 120);
    EXPECT_EQ(window.pictureArea()->height(), picture.height() + 100);
    EXPECT_EQ(window.pictureArea()->width(), picture.width() + 80);
    EXPECT_EQ(window.pictureArea()->x(), picture.x() + 120);
    EXPECT_EQ(window.button(kConvert)->pos(), convert + QPoint(200, 100));
    EXPECT_EQ(window.button(kClose)->pos(), close + QPoint(200, 0));
    EXPECT_EQ(window.button(kPlay)->pos(), play + QPoint(120, 100));
    EXPECT_FALSE(window.taskListControl()->geometry().intersects(window.pictureArea()->geometry()));

    // Smallest: nothing overlaps the list or falls off the window.
    window.resize(window.minimumSize());
    for (const auto& [id, control] : std::map<int, QWidget*>{{kConvert, window.button(kConvert)},
                                                             {kClose, window.button(kClose)},
                                                             {kPlay, window.button(kPlay)},
                                                             {kProfile, window.profileCombo()}}) {
        EXPECT_TRUE(window.rect().contains(control->geometry())) << id;
        EXPECT_FALSE(control->geometry().intersects(window.taskListControl()->geometry())) << id;
    }

    // The windows opened from it fit the screen too.
    window.AddPaths({SharedMedia().clipA});
    window.taskListControl()->SelectAndFocus(0);
    QStringList opened;
    window.modalRunner = [&](QDialog& shown) {
        opened << shown.metaObject()->className();
        EXPECT_LE(shown.height(), screen.height()) << shown.metaObject()->className();
        EXPECT_LE(shown.width(), screen.width()) << shown.metaObject()->className();
        return int(QDialog::Rejected);
    };
    for (int id : {kClip, kSetting, kFileInfo, kAbout}) window.button(id)->click();
    EXPECT_EQ(opened, (QStringList{"CClipDialog", "CSettings", "CFileInfomation", "CAbout"}));

    // Kept at the end, brought back at the next start.
    QRect kept(screen.topLeft() + QPoint(10, 10), window.minimumSize() + QSize(30, 20));
    if (!screen.contains(kept)) kept = window.geometry();  // a screen with no room to spare
    window.setGeometry(kept);
    ASSERT_EQ(window.geometry(), kept);
    window.onClose();
    dialog.reset();
    CTolvaneAVConverterDlg& again = open();
    EXPECT_EQ(again.geometry(), kept);
}

// On a small screen at a large scale the room goes where a person needs it: the
// columns fit the list (Status readable without scrolling sideways), the picture
// keeps a film's shape and a fair share of the height, the list shows more rows,
// and nothing overlaps.
TEST_F(CommandsTest, TheWindowFitsTheScreenWithColumnsRowsAndPictureInIt) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths(QStringList(12, SharedMedia().clipA));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QSize& size : {window.size(), window.minimumSize(), window.templateSize()}) {
        window.resize(size);
        SCOPED_TRACE(testing::Message() << window.width() << "x" << window.height());
        QTest::qWait(20);
        QTableWidget* list = window.taskListControl();
        const QHeaderView* header = list->horizontalHeader();
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0) << "no sideways scrolling";
        EXPECT_LE(header->sectionViewportPosition(TaskList::kStatus) + TaskList::StatusWidthNeeded(list->fontMetrics()),
                  list->viewport()->width())
            << "the status is seen whole";
        const QRect picture = window.pictureArea()->geometry();
        EXPECT_LE(picture.width() * 9, picture.height() * 16 + 16) << picture.width() << "x" << picture.height();
        EXPECT_GE(picture.height() * 5, window.height()) << picture.height();
        // Seven rows where the window opens on a 1366x768 screen at twice the scale
        // (six before); six at the smallest the window can be.
        EXPECT_GE(list->viewport()->height() / list->rowHeight(0), size == window.minimumSize() ? 6 : 7)
            << "rows in sight: " << list->viewport()->height() << "/" << list->rowHeight(0) << " header "
            << header->height();
        for (QWidget* below : {static_cast<QWidget*>(window.button(kPlay)), static_cast<QWidget*>(window.positionSlider()),
                               static_cast<QWidget*>(window.button(kVolumePicture))}) {
            EXPECT_FALSE(below->geometry().intersects(picture)) << ControlId(below);
            EXPECT_LE(below->geometry().bottom(), window.button(kMerge)->geometry().top()) << ControlId(below);
        }
        EXPECT_LT(list->geometry().bottom(), window.profileCombo()->geometry().top());
    }
}

// A place kept on a screen since unplugged (or beyond the left edge) comes back on
// the screen, centred, not at -258,-157 nor pushed into a corner; a size beyond the
// screen is cut to it.
TEST_F(CommandsTest, APlaceOffEveryScreenComesBackOnScreen) {
    const QString ini = exeFolder() + "/bin/Path_Registration.ini";
    ASSERT_TRUE(IniFile::WriteString(ini.toStdString(), "Window", "Place", "-258,-157,880,537"));
    CTolvaneAVConverterDlg& window = open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.geometry())) << window.x() << "," << window.y();
    EXPECT_LE((window.geometry().center() - screen.center()).manhattanLength(), 2) << window.x() << "," << window.y();
    dialog.reset();
    ASSERT_TRUE(IniFile::WriteString(ini.toStdString(), "Window", "Place", "5000,4000,20000,9000"));
    CTolvaneAVConverterDlg& second = open();
    EXPECT_TRUE(screen.contains(second.geometry())) << second.x() << "," << second.y();
}

// A size kept at another scale (cut to 683x384 on a laptop at twice the scale)
// opens at the template's size, fitted to the screen and centred on it; one kept
// at this scale is the person's choice and is kept.
TEST_F(CommandsTest, ASizeKeptAtAnotherScaleOpensAtTheTemplateSize) {
    const QString ini = exeFolder() + "/bin/Path_Registration.ini";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(IniFile::WriteString(ini.toStdString(), "Window", "Place", "20,10,683,384"));
    ASSERT_TRUE(IniFile::WriteString(ini.toStdString(), "Window", "Scale", "3"));
    CTolvaneAVConverterDlg& first = open();
    EXPECT_EQ(first.size(), first.templateSize().boundedTo(screen.size()));
    EXPECT_LE((first.geometry().center() - screen.center()).manhattanLength(), 2) << "centred, not in the corner";
    first.show();
    first.close();  // keeps the place at this scale
    EXPECT_EQ(IniFile::ReadString(ini.toStdString(), "Window", "Scale"),
              QString::number(QGuiApplication::primaryScreen()->devicePixelRatio()).toStdString());
    dialog.reset();
    ASSERT_TRUE(IniFile::WriteString(ini.toStdString(), "Window", "Place", "0,0,700,420"));
    CTolvaneAVConverterDlg& second = open();
    EXPECT_EQ(second.size(), QSize(700, 420).expandedTo(second.minimumSize()).boundedTo(screen.size()));
}

// ---- Keyboard ----

// The reading order is the picture's: the title band's buttons (About, Minimise,
// Close), the tool strip, the task list (or the hint in its place while it is
// empty), what sits under the preview, the bottom strip.
TEST_F(CommandsTest, TabWalksEveryControlOnceInVisualOrder) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA, SharedMedia().clipB});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.button(kAbout)->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited;
    for (int i = 0; i < 40; ++i) {
        visited.push_back(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == window.button(kAbout)) break;
    }
    EXPECT_EQ(QApplication::focusWidget(), window.button(kAbout)) << "back to the first after the last control";
    const std::set<QWidget*> once(visited.begin(), visited.end());
    EXPECT_EQ(once.size(), visited.size()) << "each control once";
    EXPECT_GE(visited.size(), 19u);
    ASSERT_GE(visited.size(), 4u);
    EXPECT_EQ(visited[1], window.button(kMinimise));
    EXPECT_EQ(visited[2], window.button(kClose));
    EXPECT_EQ(visited[3], window.button(kAdd)) << "then the tool strip";
    // Backwards from where the work starts, the title band comes first, not last.
    window.button(kAdd)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.button(kAdd), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window.button(kClose));
    const auto at = [&visited](QWidget* widget) { return std::find(visited.begin(), visited.end(), widget) - visited.begin(); };
    EXPECT_EQ(at(window.taskListControl()), at(window.button(kHelp)) + 1) << "the list after the tool strip";
    EXPECT_EQ(at(window.button(kPlay)), at(window.taskListControl()) + 1) << "then the preview's controls";
    EXPECT_EQ(visited.back(), window.findChildren<QCheckBox*>().back()) << "the options last";
    EXPECT_EQ(std::count(visited.begin(), visited.end(), window.positionSlider()), 0)
        << "the position slider is skipped while nothing plays";
    // The rest in reading order: line by line from the top, left to right.
    const int tolerance = window.fontMetrics().height() / 2;
    // The folder combo's edit field has the focus for its combo: the combo's place counts.
    auto place = [&window](QWidget* widget) {
        QWidget* control = widget->parentWidget() == &window ? widget : widget->parentWidget();
        return control->geometry();
    };
    for (std::size_t i = 1; i < visited.size(); ++i) {
        const QRect before = place(visited[i - 1]);
        const QRect now = place(visited[i]);
        const bool sameLine = std::abs(before.center().y() - now.center().y()) <= tolerance;
        EXPECT_TRUE(sameLine ? before.left() < now.left() : before.center().y() < now.center().y())
            << ControlId(visited[i - 1]) << " before " << ControlId(visited[i]);
    }

    // While a file plays the position slider is on the way, above Play.
    window.taskListControl()->SelectAndFocus(0);
    window.button(kPlay)->click();
    ASSERT_TRUE(window.positionSlider()->isEnabled());
    window.taskListControl()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.taskListControl(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.positionSlider());
    QTest::keyClick(window.positionSlider(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.button(kPlay));
    window.button(kStop)->click();
    // The list emptied from the keyboard hides: the focus goes to Add, not on
    // to the volume slider.
    window.taskListControl()->setFocus(Qt::TabFocusReason);
    for (int row = 0; row < 2; ++row) {
        window.taskListControl()->SelectAndFocus(0);
        QTest::keyClick(window.taskListControl(), Qt::Key_Delete);
    }
    ASSERT_EQ(window.taskList().Count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), window.button(kAdd));
    // Empty, the hint takes the list's turn: the area is not skipped.
    window.button(kHelp)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.button(kHelp), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.emptyHint());
    QTest::keyClick(window.emptyHint(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window.button(kHelp));
}

// The style's focus mark on a combo is a faint line, and the empty list's hint has
// none: a focused combo or hint gets a clear ring around it, and loses it with the focus.
TEST_F(CommandsTest, AFocusedComboShowsAClearRing) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.button(kAdd)->setFocus(Qt::TabFocusReason);
    // The empty list's hint too: a large flat area that shows no focus of its own.
    for (QWidget* combo : {static_cast<QWidget*>(window.profileCombo()), static_cast<QWidget*>(window.outputFolderCombo()),
                           static_cast<QWidget*>(window.emptyHint())}) {
        const QRect around = combo->geometry().adjusted(-4, -4, 4, 4);
        const QImage before = window.grab(around).toImage();
        combo->setFocus(Qt::TabFocusReason);
        const QImage focused = window.grab(around).toImage();
        int strong = 0;
        for (int y = 0; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                if (ContrastRatio(focused.pixelColor(x, y), before.pixelColor(x, y)) >= 3) ++strong;
        EXPECT_GT(strong, 2 * (around.width() + around.height())) << "a ring all round, seen against the skin";
        window.button(kAdd)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(window.grab(around).toImage(), before) << "gone with the focus";
    }
}

// A new window starts on its work, not on the title bar's About (first on the
// top line), where Space would open About.
TEST_F(CommandsTest, ANewWindowHasTheFocusOnAddOrOnTheList) {
    CTolvaneAVConverterDlg& empty = open();
    empty.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&empty));
    EXPECT_EQ(QApplication::focusWidget(), empty.button(kAdd));
    dialog.reset();
    CTolvaneAVConverterDlg& filled = open();
    filled.AddPaths({SharedMedia().clipA});
    filled.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&filled));
    EXPECT_EQ(QApplication::focusWidget(), filled.taskListControl());
    // Space on Add, a file chosen: the focus goes on to the new row, not two Tabs
    // away from Clear All.
    filled.button(kAdd)->setFocus(Qt::TabFocusReason);
    fake.fileChoices = {{SharedMedia().clipB}};
    QTest::keyClick(filled.button(kAdd), Qt::Key_Space);
    ASSERT_EQ(filled.taskList().Count(), 2);
    EXPECT_EQ(QApplication::focusWidget(), filled.taskListControl());
}

// A message box closed from the keyboard leaves the focus where the person was,
// or on the field the message is about (the desktop may leave it on nothing).
TEST_F(CommandsTest, AfterAMessageTheFocusIsWhereTheWorkGoesOn) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    fake.realMessageBoxes = true;
    QComboBox* output = window.outputFolderCombo();
    const QString refused = QString::fromStdString(exeDir.file("notes.txt"));
    QFile(refused).open(QIODevice::WriteOnly);
    fake.fileChoices = {{refused}};  // the invalid files' message
    output->setEditText(QString::fromStdString(exeDir.file("gone/deeper")));
    window.AddPaths({SharedMedia().clipA});
    for (auto [id, key, after] : {std::tuple{kAdd, Qt::Key_Return, static_cast<QWidget*>(window.button(kAdd))},
                                  {kConvert, Qt::Key_Escape, output}, {kFindTarget, Qt::Key_Return, output}}) {
        auto* poll = new QTimer(&window);  // the key a person presses in the box, once it is there
        QObject::connect(poll, &QTimer::timeout, [poll, key] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            poll->stop();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
        });
        poll->start(10);
        window.button(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window.button(id), Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([after] { return after->isAncestorOf(QApplication::focusWidget()) ||
                                                     QApplication::focusWidget() == after; }, 500)) << id;
    }
    EXPECT_EQ(fake.messages.size(), 3u);
}

TEST_F(CommandsTest, FocusedButtonsShowARingAndPressWithEnterSpaceAndTheirMnemonic) {
    CTolvaneAVConverterDlg& window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    CControlButton* add = window.button(kAdd);
    window.outputFolderCombo()->setFocus();
    const QImage unfocused = add->grab().toImage();
    add->setFocus(Qt::TabFocusReason);
    const QImage focused = add->grab().toImage();
    const QRegion ring = add->FocusRing();
    ASSERT_FALSE(ring.isEmpty());
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(ring.contains(QPoint(x, y))) << x << "," << y;
            }
    EXPECT_GT(changed, ring.boundingRect().width()) << "the focused button draws a ring along its outline";
    const QPoint inside = (add->Shape() - add->FocusRing()).boundingRect().center();
    EXPECT_EQ(focused.pixelColor(inside), unfocused.pixelColor(inside)) << "the picture stays visible inside it";

    // The ring must be seen on every button, also the small ones on the green
    // title band: most of it stands out both from the button's own picture and
    // from the window around it (a ring in the skin's green vanishes there).
    const QImage surface = window.grab().toImage();
    const auto lightness = [](QColor colour) { return colour.lightness(); };
    for (int id : {kAbout, kMinimise, kClose, kAdd, kHelp, kBrowse}) {
        SCOPED_TRACE(id);
        CControlButton* button = window.button(id);
        window.outputFolderCombo()->setFocus();
        const QImage before = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        const QImage after = button->grab().toImage();
        const QPoint outsidePoint = button->geometry().topLeft() + QPoint(-3, button->height() / 2);
        const int around = lightness(surface.pixelColor(outsidePoint));
        int ringPixels = 0;
        int standsOut = 0;
        for (const QRect& band : button->FocusRing())
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int x = band.left(); x <= band.right(); ++x) {
                    ++ringPixels;
                    const int now = lightness(after.pixelColor(x, y));
                    if (std::abs(now - lightness(before.pixelColor(x, y))) >= 100 && std::abs(now - around) >= 100)
                        ++standsOut;
                }
        ASSERT_GT(ringPixels, 0);
        EXPECT_GE(standsOut * 10, ringPixels * 6) << standsOut << " of " << ringPixels << " ring pixels stand out";
    }
    add->setFocus(Qt::TabFocusReason);

    QTest::keyClick(add, Qt::Key_Return);
    QTest::keyClick(add, Qt::Key_Space);
    EXPECT_EQ(fake.fileChooserCalls.size(), 2u);
    window.outputFolderCombo()->lineEdit()->setFocus();
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    // A mnemonic clicks as a visible press does, a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return fake.fileChooserCalls.size() == 3u; })) << "Alt+A is Add's mnemonic";
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fake.messageTexts().size() + fake.openedPaths.size() == 1u; }))
        << "Alt+H is Help's";
    EXPECT_FALSE(window.button(kPlay)->hasFocus()) << "a click does not take the focus";
    QTest::mouseClick(window.button(kAbout), Qt::LeftButton, Qt::NoModifier,
                      window.button(kAbout)->Shape().boundingRect().center());
    EXPECT_FALSE(window.button(kAbout)->hasFocus());
}

// ---- Device folders ----

class DeviceFolderTest : public CommandsTest {
protected:
    // A FAT32 volume with a PSP folder, mounted "for the user" under exeDir/media.
    QString stick() { return folder("media/me/STICK/PSP").chopped(4); }
    QString writeTable(const QString& mountPoint) {
        const QString table = QString::fromStdString(exeDir.file("mounts"));
        QFile file(table);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (!mountPoint.isEmpty()) file.write(("/dev/sdb1 " + mountPoint + " vfat rw 0 0\n").toUtf8());
        return table;
    }
    QStringList roots() { return {QString::fromStdString(exeDir.path().string()) + "/media/"}; }
};

TEST_F(DeviceFolderTest, TheDropDownOffersTheStickAndChoosingItPutsItsFolderInTheField) {
    const QString point = stick();
    const QString table = writeTable(point);
    QComboBox combo;
    combo.setEditable(true);
    combo.addItem("/home/me/Videos");
    combo.setEditText("/home/me/Videos");
    bool music = false;
    auto* offer = new DeviceFolderOffer(combo, [&music] { return music; }, table, roots());
    ASSERT_EQ(offer->DeviceCount(), 1);
    EXPECT_EQ(entries(&combo), (QStringList{"/home/me/Videos", "PSP memory stick STICK: " + point + "/VIDEO"}));
    combo.setCurrentIndex(1);
    emit combo.activated(1);
    EXPECT_EQ(combo.currentText(), point + "/VIDEO") << "Convert takes the folder, not the label";

    music = true;
    QTest::mouseClick(&combo, Qt::LeftButton);  // opening the drop-down reads the table again
    combo.hidePopup();
    EXPECT_EQ(entries(&combo).last(), "PSP memory stick STICK: " + point + "/MUSIC");
    EXPECT_EQ(combo.currentText(), point + "/VIDEO") << "a refresh never changes the chosen folder";
    offer->FollowProfile();  // an audio profile was chosen
    EXPECT_EQ(combo.currentText(), point + "/MUSIC");
    combo.setEditText("/home/me/Music");
    music = false;
    offer->FollowProfile();
    EXPECT_EQ(combo.currentText(), "/home/me/Music") << "only a device's own folder follows the profile";
    combo.setEditText(point + "/VIDEO");

    writeTable(QString());  // unplugged
    offer->Refresh();
    EXPECT_EQ(entries(&combo), QStringList{"/home/me/Videos"});
    EXPECT_EQ(combo.currentText(), point + "/VIDEO");
}

TEST_F(DeviceFolderTest, AnOutputOverFourGigabytesIsRefusedBeforeStartingOnFat32) {
    const QString point = stick();
    const std::vector<MountEntry> mounts{{"/dev/sdb1", point, "vfat"}};
    OutputSettings settings;  // 2000 kbit/s video, 192 kbit/s audio: about 1 GB an hour
    const std::vector<TaskRow> rows{{"/v/short.avi", "00:00:00", "01:00:00", true, "", "", ""},
                                    {"/v/long.avi", "00:00:00", "05:00:00", true, "", "", ""},
                                    {"/v/skipped.avi", "00:00:00", "50:00:00", false, "", "", ""}};
    const QString video = point + "/VIDEO";
    const QString refusal = Fat32Refusal(rows, JobKind::Convert, settings, video, mounts);
    const QString size = QLocale().toString(5.1, 'f', 1) + " GB";  // the person's decimal sign
    EXPECT_TRUE(refusal.startsWith("The output of \"long.avi\" would be about " + size + ", but a file on the FAT32 "
                                   "volume " + point + " can hold at most 4 GB."))
        << refusal.toStdString();
    EXPECT_TRUE(Fat32Refusal({rows[0]}, JobKind::Convert, settings, video, mounts).isEmpty());
    const std::vector<TaskRow> latin1{{"/v/caf\xe9.avi", "00:00:00", "05:00:00", true, "", "", ""}};
    EXPECT_TRUE(Fat32Refusal(latin1, JobKind::Convert, settings, video, mounts)
                    .startsWith("The output of \"" + DecodeFileName("caf\xe9.avi") + "\""))
        << "the name keeps its bytes";
    EXPECT_TRUE(Fat32Refusal({rows[0], rows[0], rows[0], rows[0], rows[0]}, JobKind::Merge, settings, video, mounts)
                    .startsWith("The merged output would be about " + size));
    EXPECT_TRUE(Fat32Refusal(rows, JobKind::Convert, settings, "/home/me/Videos", mounts).isEmpty())
        << "other file systems have no such limit";
    // A link elsewhere that leads onto the stick is the stick.
    const QString link = QString::fromStdString(exeDir.file("to-stick"));
    ASSERT_TRUE(QFile::link(point, link));
    EXPECT_TRUE(Fat32Refusal(rows, JobKind::Convert, settings, link + "/VIDEO", mounts).startsWith("The output of"))
        << "the real folder is on the FAT32 volume";
    settings.audioOnly = true;
    EXPECT_TRUE(Fat32Refusal(rows, JobKind::Convert, settings, video, mounts).isEmpty()) << "sound alone is small";

    // Through Convert: the message, and no progress window.
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA});
    window.taskList().SetText(0, TaskList::kEnd, "10:00:00");
    window.conversion().SetMountTable(writeTable(point));
    window.outputFolderCombo()->setEditText(video);
    window.button(mainwindow::kConvert)->click();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.contains("FAT32")) << fake.messages[0].text.toStdString();
    EXPECT_FALSE(modalClasses.contains("CAVConvertDlg"));
    EXPECT_FALSE(QFileInfo::exists(video)) << "nothing was started or created";
}

// A target size the profile cannot meet for a merge's length is refused with the
// reason before anything starts, as the command line refuses it.
TEST_F(CommandsTest, ATargetSizeTooSmallForTheProfileIsRefusedBeforeStarting) {
    CTolvaneAVConverterDlg& window = open();
    window.AddPaths({SharedMedia().clipA, SharedMedia().clipB});
    window.taskList().SetText(0, TaskList::kEnd, "01:00:00");
    const std::int64_t before = CurrentOutputSettings().targetSizeBytes;
    CurrentOutputSettings().targetSizeBytes = 5000000;
    const QString video = folder("sized");
    window.outputFolderCombo()->setEditText(video);
    window.button(mainwindow::kMerge)->click();
    CurrentOutputSettings().targetSizeBytes = before;
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].text.startsWith("The target size of 5 MB is too small for the merged output"))
        << fake.messages[0].text.toStdString();
    EXPECT_TRUE(fake.messages[0].text.contains("below the 155 kbps this profile needs"));
    EXPECT_FALSE(modalClasses.contains("CAVConvertDlg"));
    EXPECT_TRUE(QDir(video).isEmpty()) << "nothing was started";
}
