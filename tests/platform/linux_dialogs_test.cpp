// The real desktop's dialogs, answered by a timer on the offscreen platform: the
// message box shows the exact text as plain text with the right title and
// buttons; the file chooser takes the converted filters and returns every chosen
// file; cancelling any chooser returns nothing. Nothing here opens a program.
#include "platform/LinuxPlatform.h"
#include "platform/WindowPlacement.h"

#include "tests/support/QtTestApp.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Runs `answer` on the first modal dialog that appears while `run` blocks.
template <class Dialog>
void whenModal(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

TEST(LinuxDialogs, MessageBoxShowsPlainTextWithTheDefaultCaptionAndAnswers) {
    LinuxPlatform desktop;
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        icon = box->icon();
        box->button(QMessageBox::Yes)->click();
    });
    const MessageResult result = desktop.MessageBox(nullptr, "File:<b>x</b>.avi is invalid!", QString(),
                                                    MessageButtons::YesNo, MessageIcon::Exclamation);
    EXPECT_EQ(result, MessageResult::Yes);
    // A reflexive Enter answers no: the one question asks whether to stop a run.
    whenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(desktop.MessageBox(nullptr, "Stop the conversion?", QString(), MessageButtons::YesNo, MessageIcon::Question),
              MessageResult::No);
    EXPECT_EQ(text, "File:<b>x</b>.avi is invalid!");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_FALSE(title.isEmpty());

    whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    Platform& platform = desktop;
    EXPECT_EQ(platform.MessageBox(nullptr, "Please add video files!", "Clip"), MessageResult::Ok);
    EXPECT_EQ(title, "Clip");
}

TEST(LinuxDialogs, MessageBoxesOpenCentredOnTheirOwnerAndOnScreen) {
    LinuxPlatform desktop;
    QWidget owner;
    owner.resize(400, 300);
    const QRect screen = owner.screen()->availableGeometry();
    struct Case {
        QPoint ownerAt;
        bool centred;
    };
    for (const Case& c : {Case{screen.center() - QPoint(200, 150), true}, Case{QPoint(-350, -250), false},
                          Case{screen.bottomRight() - QPoint(30, 20), false}}) {
        owner.move(c.ownerAt);
        owner.show();
        QCoreApplication::processEvents();
        QRect place;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            place = box->frameGeometry();
            box->button(QMessageBox::Ok)->click();
        });
        // No owner given: the message still belongs to the active window.
        QApplication::setActiveWindow(&owner);
        static_cast<Platform&>(desktop).MessageBox(nullptr, "Please add video files!");
        EXPECT_TRUE(screen.contains(place)) << place.x() << "," << place.y();
        if (c.centred) {
            EXPECT_LE((place.center() - owner.frameGeometry().center()).manhattanLength(), 2);
        }
        owner.hide();
    }
}

// A window larger than the screen (a chooser on a small screen at a large
// scale) is made to fit it, so its buttons are not below the screen's edge.
TEST(LinuxDialogs, ADialogLargerThanTheScreenIsMadeToFitIt) {
    QDialog dialog;
    const QRect screen = dialog.screen()->availableGeometry();
    dialog.setMinimumSize(screen.size() + QSize(100, 100));
    dialog.resize(screen.size() + QSize(300, 200));
    CentreOnOwner(dialog);
    EXPECT_LT(dialog.width(), screen.width());
    EXPECT_LT(dialog.height(), screen.height());
    EXPECT_TRUE(screen.contains(QRect(dialog.pos(), dialog.size()))) << dialog.x() << "," << dialog.y();
    const QSize fitted = dialog.size();
    CentreOnOwner(dialog);
    EXPECT_EQ(dialog.size(), fitted) << "a window that fits keeps its size";
}

TEST(LinuxDialogs, FileChooserUsesTheConvertedFiltersAndReturnsEveryChosenFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"a.avi", "B.AVI", "notes.txt"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    LinuxPlatform desktop;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    whenModal<QFileDialog>([&](QFileDialog* chooser) {
        filters = chooser->nameFilters();
        mode = chooser->fileMode();
        chooser->setDirectory(dir.path());
        chooser->selectFile("\"a.avi\" \"B.AVI\"");
        static_cast<QDialog*>(chooser)->accept();  // QFileDialog's own accept is protected
    });
    const QStringList chosen = desktop.ChooseOpenFiles(nullptr, "All files (*.*)|*.*|AVI files(*.avi)|*.avi||");
    EXPECT_EQ(filters, (QStringList{"All files (*)", "AVI files (*.avi)"}));
    EXPECT_EQ(mode, QFileDialog::ExistingFiles);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_TRUE(chosen.contains(dir.filePath("a.avi")));
    EXPECT_TRUE(chosen.contains(dir.filePath("B.AVI")));

    // A folder chosen with Open is returned, not entered: Add takes folders too.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Season 1"));
    whenModal<QFileDialog>([&](QFileDialog* chooser) {
        chooser->setDirectory(dir.path());
        chooser->selectFile("Season 1");
        static_cast<QDialog*>(chooser)->accept();
    });
    EXPECT_EQ(desktop.ChooseOpenFiles(nullptr, "AVI files(*.avi)|*.avi||"), QStringList{dir.filePath("Season 1")});
    // A folder typed with its "/" is gone into, not taken.
    QString entered;
    whenModal<QFileDialog>([&](QFileDialog* chooser) {
        chooser->setDirectory(dir.path());
        chooser->findChild<QLineEdit*>("fileNameEdit")->setText(dir.filePath("Season 1") + "/");
        static_cast<QDialog*>(chooser)->accept();
        entered = chooser->isVisible() ? chooser->directory().absolutePath() : QString();
        chooser->reject();
    });
    EXPECT_TRUE(desktop.ChooseOpenFiles(nullptr, "AVI files(*.avi)|*.avi||").isEmpty());
    EXPECT_EQ(entered, dir.filePath("Season 1"));

    whenModal<QFileDialog>([](QFileDialog* chooser) { chooser->reject(); });
    EXPECT_TRUE(desktop.ChooseOpenFiles(nullptr, "AVI files(*.avi)|*.avi||").isEmpty());
}

TEST(LinuxDialogs, FolderChooserShowsItsTitleAndCancelGivesNothing) {
    LinuxPlatform desktop;
    QString title;
    whenModal<QFileDialog>([&](QFileDialog* chooser) {
        title = chooser->windowTitle();
        chooser->reject();
    });
    EXPECT_TRUE(desktop.ChooseFolder(nullptr, "Please select output folder:").isEmpty());
    EXPECT_EQ(title, "Please select output folder:");
}

// A desktop without any program for a folder: xdg-open gives up with status 3
// after it started, and the one who asked hears of it.
TEST(LinuxDialogs, AnOpenerThatFindsNoProgramIsToldLater) {
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\nexit ${OPENER_STATUS:-3}\n");
    opener.close();
    opener.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    LinuxPlatform desktop;
    for (const char* status : {"3", "0"}) {
        qputenv("OPENER_STATUS", status);
        bool told = false;
        EXPECT_TRUE(desktop.OpenPath(bin.path(), [&told] { told = true; }).ok);
        QElapsedTimer waited;
        waited.start();
        while (!told && waited.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_EQ(told, std::string(status) == "3") << "status " << status;
    }
    qputenv("PATH", path);
    qunsetenv("OPENER_STATUS");
}

TEST(LinuxDialogs, OpeningAMissingPathFailsWithItsReasonBeforeAnyProgramRuns) {
    LinuxPlatform desktop;
    const OpenResult result = desktop.OpenPath("/nonexistent-korbanix-folder/help.chm");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.code, 3);
    EXPECT_EQ(result.reason, "The specified path was not found.");
    EXPECT_EQ(desktop.OpenUrl("/nonexistent-korbanix-folder").code, 2);
    EXPECT_FALSE(desktop.OpenUrl("file:///nonexistent-korbanix-folder/x").ok);
    EXPECT_FALSE(desktop.OpenUrl("no scheme at all").ok);
}

}  // namespace
