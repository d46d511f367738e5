// The progress window: its start state at every opening, Escape and Enter doing
// nothing, Stop and the close box going to the stop handler, "Stopping...", the
// preview box reaching the job, and the worker's pictures reaching the screen
// from another thread.

#include "dialogs/CAVConvertDlg.h"
#include "controls/Label.h"
#include "dialogs/ProgressPreview.h"
#include "engine/AVConvert.h"
#include "platform/ControlId.h"
#include "platform/FakePlatform.h"
#include "support/QtTestApp.h"
#include "support/TextInk.h"

#include <QAccessible>
#include <QScreen>
#include <QScrollArea>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <thread>
#include <vector>

namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.SetJob(&job);
        dialog.SetStopHandler([this] { ++stops; });
    }
    template <class T>
    T* control(int id) {
        T* found = FindControlAs<T>(&dialog, id);
        EXPECT_NE(found, nullptr) << id;
        return found;
    }

    FakePlatform fake;
    ScopedPlatform installed{fake};
    AVConvert job;
    CAVConvertDlg dialog;
    int stops = 0;
};

TEST_F(ProgressWindowTest, TemplateTextsAndTooltip) {
    EXPECT_EQ(dialog.windowTitle(), "Korbanix");
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kCurrentText)->text(), "Converting...");
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kTotalText)->text(), "Converting...");
    EXPECT_EQ(control<QCheckBox>(CAVConvertDlg::kShowPreview)->text(), "Show preview");
    EXPECT_EQ(control<QCheckBox>(CAVConvertDlg::kShutdown)->text(), "Shut down computer when conversion completed");
    auto* stop = control<QPushButton>(CAVConvertDlg::kStop);
    EXPECT_EQ(stop->text(), "Stop");
    EXPECT_EQ(stop->toolTip(), "Stop converting");
    EXPECT_EQ(control<QProgressBar>(CAVConvertDlg::kCurrentBar)->maximum(), 100);
    EXPECT_EQ(control<QProgressBar>(CAVConvertDlg::kTotalBar)->maximum(), 100);
}

TEST_F(ProgressWindowTest, EveryOpeningStartsWithPreviewOnAndShutdownOff) {
    dialog.InitialiseForRun();
    control<QCheckBox>(CAVConvertDlg::kShowPreview)->click();  // preview off during run 1
    control<QCheckBox>(CAVConvertDlg::kShutdown)->click();
    dialog.SetTotalBar(60);
    dialog.SetCurrentText("a.avi   40% has completed");
    dialog.SetTimeLeft("About 05:00 left in all", "About 01:00 left for this file");
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kRunTimeLeft)->text(), "About 05:00 left in all");
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kFileTimeLeft)->text(), "About 01:00 left for this file");
    EXPECT_TRUE(job.previewOff.load());
    EXPECT_TRUE(dialog.ShutdownChecked());

    dialog.InitialiseForRun();  // run 2
    EXPECT_TRUE(control<QCheckBox>(CAVConvertDlg::kShowPreview)->isChecked());
    EXPECT_FALSE(job.previewOff.load());
    EXPECT_FALSE(dialog.ShutdownChecked());
    EXPECT_EQ(control<QProgressBar>(CAVConvertDlg::kTotalBar)->value(), 0);
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kCurrentText)->text(), "Converting...");
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kRunTimeLeft)->text(), "") << "no estimate from the last run";
    EXPECT_EQ(control<QLabel>(CAVConvertDlg::kFileTimeLeft)->text(), "");
}

// On a small screen at a large scale (1366x768 at twice the scale: 683x384) the
// window fits the screen's free area with every control inside it and readable
// (a file name's underscore too); of many rows at once every line can be
// scrolled into view.
TEST_F(ProgressWindowTest, TheWindowFitsTheScreen) {
    std::vector<ProgressWindow::RunningRow> rows;
    for (int i = 0; i < 24; ++i) rows.push_back({QStringLiteral("b_life_gy%1.avi").arg(i), i});
    dialog.SetRunningRows(rows);
    dialog.SetCurrentText("b_life.avi   40% has completed");
    dialog.SetTotalText("Converting 1/24 \"gypsy_song.mkv\"");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect screen = dialog.screen()->availableGeometry();
    auto* lines = dialog.findChild<QScrollArea*>();
    ASSERT_NE(lines, nullptr);
    for (QLabel* line : lines->widget()->findChildren<QLabel*>()) {
        lines->ensureWidgetVisible(line, 0, 0);
        const QRect shown(line->mapTo(&dialog, QPoint()), line->size());
        EXPECT_TRUE(dialog.rect().contains(shown) && lines->geometry().contains(shown)) << line->text().toStdString();
    }
    // A file name's underscore and descenders are not cut by the bottom of its label,
    // and no label lies over a bar: the label's repaints would leave the bar's own
    // drawing stale (the total bar stayed empty at twice the scale).
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&dialog)) continue;
        EXPECT_TRUE(testqt::TextInkFits(*label)) << label->text().toStdString();
        for (QProgressBar* bar : {control<QProgressBar>(CAVConvertDlg::kCurrentBar), control<QProgressBar>(CAVConvertDlg::kTotalBar)})
            if (label->parentWidget() == bar->parentWidget()) {
                EXPECT_FALSE(label->geometry().intersects(bar->geometry())) << ControlId(label) << " over " << ControlId(bar);
            }
    }
    EXPECT_LE(dialog.frameGeometry().width(), screen.width()) << dialog.width() << " on " << screen.width();
    EXPECT_LE(dialog.frameGeometry().height(), screen.height()) << dialog.height() << " on " << screen.height();
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) continue;
        EXPECT_TRUE(dialog.rect().contains(child->geometry())) << ControlId(child);
        if (auto* box = qobject_cast<QCheckBox*>(child)) {
            EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
        }
        if (auto* button = qobject_cast<QPushButton*>(child)) {
            EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8);
        }
    }
    dialog.Close();
}

// The bars are named for a reader; rows running at once each get a line and a
// named bar of their own, and the window grows to hold them.
TEST_F(ProgressWindowTest, BarsAreNamedAndRowsAtOnceGetLinesOfTheirOwn) {
    auto reader = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(reader(control<QProgressBar>(CAVConvertDlg::kCurrentBar))->text(QAccessible::Name), "Current file progress");
    EXPECT_EQ(reader(control<QProgressBar>(CAVConvertDlg::kTotalBar))->text(QAccessible::Name), "Total progress");
    const int templateHeight = dialog.height();
    dialog.SetRunningRows({{"a.mp4", 88}, {"b.mp4", 40}});
    QStringList lines;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisibleTo(&dialog) && label->text().contains("%")) lines << label->text();
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"a.mp4   88%", "b.mp4   40%"}));
    QStringList bars;
    for (QProgressBar* bar : dialog.findChildren<QProgressBar*>())
        if (bar->isVisibleTo(&dialog) && bar->accessibleName().endsWith(" progress"))
            bars << bar->accessibleName() + "=" + QString::number(bar->value());
    bars.sort();
    EXPECT_EQ(bars, (QStringList{"Current file progress=0", "Total progress=0", "a.mp4 progress=88", "b.mp4 progress=40"}));
    EXPECT_GT(dialog.height(), templateHeight);
    dialog.SetRunningRows({{"a.mp4", 90}});
    EXPECT_EQ(dialog.height(), templateHeight) << "one row: the current-file line says it";
}

// Two files at once with a long name: the name is cut in its middle (start and
// extension kept) and the share done reads whole; the whole line is its tooltip.
TEST_F(ProgressWindowTest, ALongFileNameIsCutInItsMiddle) {
    const QString name = QStringLiteral("long run_ten minutes_333x187 of the summer holiday_take 2.mp4");
    const QString line = name + QStringLiteral(" + 1 more   31% has completed");
    dialog.SetCurrentText(line);
    dialog.SetRunningRows({{name, 31}, {"b.mp4", 5}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* current = control<CLabel>(CAVConvertDlg::kCurrentText);
    const QString shown = current->DisplayedText();
    EXPECT_TRUE(shown.startsWith("long run") && shown.endsWith(".mp4 + 1 more   31% has completed") &&
                shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_EQ(current->toolTip().toStdString(), line.toStdString());
    QLabel* first = nullptr;
    for (QLabel* label : dialog.findChild<QScrollArea*>()->widget()->findChildren<QLabel*>())
        if (label->accessibleName() == name + "   31%") first = label;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->text().startsWith("long run") && first->text().endsWith(".mp4   31%"))
        << first->text().toStdString();
    EXPECT_EQ(first->toolTip().toStdString(), (name + "   31%").toStdString());
    dialog.Close();
}

TEST_F(ProgressWindowTest, EnterDoesNothingAndEscapeAsksToStop) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* stop = control<QPushButton>(CAVConvertDlg::kStop);
    stop->setFocus();
    for (QWidget* target : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(stop)}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(target, key);
            QCoreApplication::processEvents();
            EXPECT_TRUE(dialog.isVisible()) << key;
        }
    }
    EXPECT_TRUE(fake.messages.empty());
    // Escape asks; "No" leaves the run alone, "Yes" stops it as Stop does.
    fake.messageAnswers = {MessageResult::No, MessageResult::Yes};
    QTest::keyClick(stop, Qt::Key_Escape);
    EXPECT_EQ(fake.messageTexts(), QStringList{"Stop the conversion?"});
    EXPECT_EQ(fake.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(stops, 0);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(job.stopRequested.load()) << "the control's handler stops the worker";
    dialog.Close();
}

// A run that ends by itself while "Stop the conversion?" is open closes the
// question: a later yes would have nothing to stop.
TEST_F(ProgressWindowTest, TheQuestionClosesWhenTheRunEndsWhileItIsOpen) {
    dialog.show();
    fake.questionsStayOpenMs = 3000;
    fake.messageAnswers = {MessageResult::Yes};
    QTimer::singleShot(50, &dialog, [this] { dialog.Close(); });
    EXPECT_FALSE(dialog.AskToStop());
    EXPECT_EQ(fake.questionsAnsweredByPerson, 0) << "the question stayed open after the run";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(stops, 0);
}

TEST_F(ProgressWindowTest, StopAndCloseBoxBothAskToStop) {
    dialog.show();
    control<QPushButton>(CAVConvertDlg::kStop)->click();
    EXPECT_EQ(stops, 1);
    EXPECT_TRUE(fake.messages.empty()) << "Stop is not asked about";
    // The close box (Alt+F4) asks "Stop the conversion?" first.
    QCloseEvent refused;
    QCoreApplication::sendEvent(&dialog, &refused);
    EXPECT_EQ(fake.messageTexts(), QStringList{"Stop the conversion?"});
    EXPECT_EQ(stops, 1) << "a no keeps it running";
    fake.messageAnswers = {MessageResult::Yes};
    QCloseEvent close;
    QCoreApplication::sendEvent(&dialog, &close);
    EXPECT_EQ(stops, 2);
    EXPECT_TRUE(dialog.isVisible()) << "the control closes the window once the worker has ended";
    dialog.Close();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressWindowTest, StoppingShowsOnTheDisabledButton) {
    dialog.show();
    dialog.ShowStopping();
    auto* stop = control<QPushButton>(CAVConvertDlg::kStop);
    EXPECT_EQ(stop->text(), "Stopping...");
    EXPECT_FALSE(stop->isEnabled());
    QCloseEvent close;
    QCoreApplication::sendEvent(&dialog, &close);
    EXPECT_EQ(stops, 0) << "a second request while stopping goes nowhere";
    dialog.Close();
    dialog.InitialiseForRun();
    EXPECT_EQ(stop->text(), "Stop");
    EXPECT_TRUE(stop->isEnabled());
}

TEST_F(ProgressWindowTest, WithoutHandlerStopStillReachesTheWorker) {
    dialog.SetStopHandler({});
    dialog.show();
    control<QPushButton>(CAVConvertDlg::kStop)->click();
    EXPECT_TRUE(job.stopRequested.load());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressWindowTest, RunModalReturnsWhenClosed) {
    QTimer::singleShot(50, &dialog, [this] {
        EXPECT_TRUE(dialog.IsOpen());
        dialog.Close();
    });
    dialog.RunModal();
    EXPECT_FALSE(dialog.IsOpen());
}

// A flat picture: Y, U, V constant, with strides wider than the rows as the
// scaler's planes have.
struct FlatPicture {
    static constexpr int kYStride = 192;
    static constexpr int kCStride = 96;
    std::vector<std::uint8_t> y = std::vector<std::uint8_t>(kYStride * 120);
    std::vector<std::uint8_t> u = std::vector<std::uint8_t>(kCStride * 60);
    std::vector<std::uint8_t> v = std::vector<std::uint8_t>(kCStride * 60);
    FlatPicture(std::uint8_t yv, std::uint8_t uv, std::uint8_t vv) {
        std::fill(y.begin(), y.end(), yv);
        std::fill(u.begin(), u.end(), uv);
        std::fill(v.begin(), v.end(), vv);
    }
    PreviewPicture picture() const {
        return PreviewPicture{y.data(), u.data(), v.data(), kYStride, kCStride, kCStride};
    }
    void paint(const QRect& r, std::uint8_t luma) {
        for (int row = r.top(); row <= r.bottom(); ++row)
            std::fill_n(y.begin() + row * kYStride + r.left(), r.width(), luma);
    }
};

// The bounding box of the pixels of `image` whose grey is at least `least`.
QRect inkOf(const QImage& image, int least) {
    QRect box;
    for (int row = 0; row < image.height(); ++row)
        for (int col = 0; col < image.width(); ++col)
            if (qGray(image.pixel(col, row)) >= least) box |= QRect(col, row, 1, 1);
    return box;
}

TEST(ProgressPreview, ColoursSurviveTheHandOver) {
    ProgressPreview preview;
    EXPECT_TRUE(preview.TakePicture().isNull());
    preview.picture(0, FlatPicture(81, 90, 240).picture());  // BT.601 red
    const QImage red = preview.TakePicture();
    ASSERT_FALSE(red.isNull());
    EXPECT_EQ(red.size(), QSize(160, 120));
    const QColor c = red.pixelColor(80, 60);
    EXPECT_NEAR(c.red(), 255, 3);
    EXPECT_NEAR(c.green(), 0, 3);
    EXPECT_NEAR(c.blue(), 0, 3);
    EXPECT_TRUE(preview.TakePicture().isNull()) << "a picture is handed over once";
}

TEST(ProgressPreview, OnlyTheNewestPictureIsKept) {
    ProgressPreview preview;
    preview.picture(0, FlatPicture(16, 128, 128).picture());
    preview.picture(0, FlatPicture(235, 128, 128).picture());
    const QImage white = preview.TakePicture();
    EXPECT_GE(qGray(white.pixel(5, 5)), 250);
    EXPECT_EQ(preview.PictureCount(), 2);
}

TEST(ProgressPreview, NotifiesOncePerTakenPicture) {
    ProgressPreview preview;
    int notified = 0;
    preview.SetNotify([&] { ++notified; });
    const FlatPicture grey(128, 128, 128);
    preview.picture(0, grey.picture());
    preview.picture(0, grey.picture());
    EXPECT_EQ(notified, 1);
    preview.TakePicture();
    preview.picture(0, grey.picture());
    EXPECT_EQ(notified, 2);
}

TEST_F(ProgressWindowTest, PicturesFromTheWorkerThreadAreDrawn) {
    dialog.show();
    const FlatPicture green(145, 54, 34);
    std::thread worker([&] {
        PreviewSink* sink = dialog.Preview();
        sink->rowBegins(0);
        for (int i = 0; i < 20; ++i) sink->picture(0, green.picture());
        sink->rowEnds(0);
    });
    worker.join();
    for (int i = 0; i < 20 && dialog.ShownPicture().isNull(); ++i) QTest::qWait(10);
    ASSERT_FALSE(dialog.ShownPicture().isNull());
    EXPECT_GT(dialog.ShownPicture().pixelColor(10, 10).green(), 200);
    dialog.Close();
}

// A 16:9 source comes in the 160x120 frame with bars (160x90 from line 14): the
// area shows that part at its shape, black around it, and a square stays square
// (also at twice the scale, see dialogs_progress_scaled).
TEST_F(ProgressWindowTest, APictureKeepsItsShape) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    FlatPicture wide(16, 128, 128);
    wide.paint(QRect(0, 14, 160, 90), 126);     // the 16:9 picture, mid grey
    wide.paint(QRect(60, 39, 40, 40), 235);     // a white square in its middle
    PreviewPicture picture = wide.picture();
    picture.areaY = 14;
    picture.areaHeight = 90;
    dialog.Preview()->picture(0, picture);
    QCoreApplication::processEvents();
    const QImage shown = control<QWidget>(CAVConvertDlg::kPreviewFrame)->findChild<QWidget*>()->grab().toImage();
    const QRect whole = inkOf(shown, 60);
    const QRect square = inkOf(shown, 200);
    ASSERT_FALSE(square.isEmpty());
    EXPECT_NEAR(double(whole.width()) / whole.height(), 16.0 / 9, 0.05) << whole.width() << "x" << whole.height();
    EXPECT_NEAR(square.width(), square.height(), 1.5) << square.width() << "x" << square.height();
    EXPECT_EQ(qGray(shown.pixel(0, 0)), 0) << "black around the picture";
    dialog.Close();
}

// The box reaches the job; unticked, the area is cleared to black (no frozen last
// picture, nor one the worker sent before it saw the box); ticked, pictures show again.
TEST_F(ProgressWindowTest, PreviewBoxReachesTheJobAndClearsThePicture) {
    dialog.show();
    auto* box = control<QCheckBox>(CAVConvertDlg::kShowPreview);
    auto* area = control<QWidget>(CAVConvertDlg::kPreviewFrame)->findChild<QWidget*>();
    const FlatPicture white(235, 128, 128);
    auto handOver = [&] {
        dialog.Preview()->picture(0, white.picture());
        QCoreApplication::processEvents();
        return !inkOf(area->grab().toImage(), 1).isEmpty();
    };
    EXPECT_TRUE(handOver());
    box->click();
    EXPECT_TRUE(job.previewOff.load());
    EXPECT_FALSE(handOver()) << "the area is black";
    box->click();
    EXPECT_FALSE(job.previewOff.load());
    EXPECT_TRUE(handOver()) << "pictures show again";
    dialog.Close();
}

}  // namespace
