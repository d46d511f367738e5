// The clip editor: marks from the stored times, the begin/end rules (swap, reset
// of the end), Reset, OK writing the texts verbatim, Cancel leaving the row as it
// was, play/pause/stop/seek against a recording player, a zero-length task, and
// the window around it found by control ids.

#include "dialogs/CClipDialog.h"
#include "dialogs/ClipEditor.h"
#include "controls/BitmapSlider.h"
#include "platform/ControlId.h"
#include "platform/FileNames.h"
#include "support/FakeMediaPlayer.h"
#include "support/QtTestApp.h"

#include <QLocale>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// The clip editor's player: a 100 s file of 64 x 48 pictures whose bottom row
// (stored first) is blue and the rest red.
class FakePlayer : public FakeMediaPlayer {
public:
    FakePlayer() {
        width = 64;
        height = 48;
        paint = [](unsigned char* buffer, int w, int h) {
            for (int i = 0; i < w * h; ++i) {
                const bool bottom = i < w;
                buffer[i * 3 + 0] = bottom ? 255 : 0;
                buffer[i * 3 + 1] = 0;
                buffer[i * 3 + 2] = bottom ? 0 : 255;
            }
        };
    }
};

class FakeTasks : public ClipHost {
public:
    std::map<std::pair<int, int>, std::string> cells;
    int focusCount = 0;
    int previewInits = 0;

    void addRow(int row, const std::string& path, const std::string& begin, const std::string& end, int duration) {
        cells[{row, 0}] = path;
        cells[{row, 1}] = begin;
        cells[{row, 2}] = end;
        cells[{row, 5}] = std::to_string(duration);
    }
    std::string RowText(int row, int column) const override {
        auto it = cells.find({row, column});
        return it == cells.end() ? std::string() : it->second;
    }
    void SetRowText(int row, int column, const std::string& text) override { cells[{row, column}] = text; }
    void FocusTaskList() override { ++focusCount; }
    void InitPreviewPlayer() override { ++previewInits; }
};

class ClipEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClipEditor::ResetPlayerOpenedForTests();
        tasks.addRow(0, "/v/first.avi", "00:00:00", "00:01:40", 100);
        tasks.addRow(1, "/v/second.mkv", "00:00:20", "00:01:10", 100);
    }
    void open(int row) {
        editor.Initialise(nullptr);
        editor.LoadTask(row);
    }
    // The player is half a tenth past `second` of the 100 s file (clear of the
    // float rounding at whole seconds and tenths) and the timer has polled it.
    void playAt(int second) { playAtTime(second + 0.05); }
    void playAtTime(double seconds) {
        player.position = static_cast<float>(seconds / 100.0);
        editor.PollPosition();
    }

    FakePlayer player;
    FakeTasks tasks;
    ClipEditor editor{tasks, player};
};

TEST_F(ClipEditorTest, OpeningPlaysAtOnceAndMarksShowTheStoredTimes) {
    open(1);
    EXPECT_EQ(player.fileName(), "/v/second.mkv");
    EXPECT_EQ(player.count("Open"), 1);
    EXPECT_EQ(player.count("Start"), 1);
    EXPECT_EQ(editor.GetPlayState(), ClipEditor::PlayState::Pause);
    EXPECT_TRUE(editor.SliderEnabled());
    EXPECT_TRUE(editor.TimersRunning());
    EXPECT_EQ(editor.BeginMark(), 200);
    EXPECT_EQ(editor.EndMark(), 700);
    EXPECT_EQ(editor.MarkMode(), 2);
    EXPECT_EQ(editor.BeginText(), "00:00:20");
    EXPECT_EQ(editor.EndText(), "00:01:10");
    EXPECT_EQ(editor.CutText(), "00:00:50");
}

TEST_F(ClipEditorTest, ZeroDurationNeverDividesByZero) {
    tasks.addRow(2, "/v/empty.wav", "00:00:00", "00:00:00", 0);
    open(2);
    EXPECT_EQ(editor.BeginMark(), 0);
    EXPECT_EQ(editor.EndMark(), 0);
    editor.Reset();
    EXPECT_EQ(editor.EndText(), "00:00:00");
}

TEST_F(ClipEditorTest, MarksBeyondTheDurationStayOnTheSlider) {
    tasks.addRow(3, "/v/x.avi", "00:00:00", "10:00:00", 100);
    open(3);
    EXPECT_EQ(editor.EndMark(), 1000);
}

TEST_F(ClipEditorTest, SetEndBeforeBeginSwapsTheTimes) {
    open(0);
    playAt(60);
    editor.SetBeginTime();
    EXPECT_EQ(editor.BeginText(), "00:01:00");
    playAt(30);
    editor.SetEndTime();
    EXPECT_EQ(editor.BeginText(), "00:00:30");
    EXPECT_EQ(editor.EndText(), "00:01:00");
    EXPECT_EQ(editor.CutText(), "00:00:30");
    EXPECT_EQ(editor.MarkMode(), 2);
}

TEST_F(ClipEditorTest, SetEndAfterBegin) {
    open(0);
    playAt(10);
    editor.SetBeginTime();
    EXPECT_EQ(editor.BeginMark(), 100);
    EXPECT_EQ(editor.MarkMode(), 1);
    playAt(45);
    editor.SetEndTime();
    EXPECT_EQ(editor.EndText(), "00:00:45");
    EXPECT_EQ(editor.CutText(), "00:00:35");
    EXPECT_EQ(editor.EndMark(), 450);
}

TEST_F(ClipEditorTest, SetBeginAfterSetEndPutsTheEndBackToTheFullLength) {
    open(0);
    playAt(50);
    editor.SetEndTime();
    EXPECT_EQ(editor.EndText(), "00:00:50");
    playAt(20);
    editor.SetBeginTime();
    EXPECT_EQ(editor.BeginText(), "00:00:20");
    EXPECT_EQ(editor.EndText(), "00:01:40");
    EXPECT_EQ(editor.CutText(), "00:01:20");
}

// The picture shown sets the times to its tenth of a second (it was whole seconds:
// a cut could only start up to 0.9 s before the picture chosen), and the texts an
// earlier version stored (whole seconds) still read.
TEST_F(ClipEditorTest, TimesFollowThePictureShownToTheTenth) {
    open(1);  // stored "00:00:20" .. "00:01:10"
    EXPECT_EQ(editor.CutText(), "00:00:50");
    playAtTime(12.47);
    editor.SetBeginTime();
    EXPECT_EQ(editor.BeginText(), "00:00:12.4");
    EXPECT_EQ(editor.CutText(), "00:01:27.6");
    playAtTime(45.03);
    editor.SetEndTime();
    EXPECT_EQ(editor.EndText(), "00:00:45");
    EXPECT_EQ(editor.CutText(), "00:00:32.6");
    playAtTime(3.98);
    editor.SetEndTime();  // before the begin: the two change places
    EXPECT_EQ(editor.BeginText(), "00:00:03.9");
    EXPECT_EQ(editor.EndText(), "00:00:12.4");
    EXPECT_EQ(editor.CutText(), "00:00:08.5");
    editor.Ok();
    EXPECT_EQ(tasks.RowText(1, 1), "00:00:03.9");
    EXPECT_EQ(tasks.RowText(1, 2), "00:00:12.4");
    // Shown again, the stored tenths come back with their marks.
    ClipEditor again(tasks, player);
    again.Initialise(nullptr);
    again.LoadTask(1);
    EXPECT_EQ(again.CutText(), "00:00:08.5");
    EXPECT_EQ(again.BeginMark(), 30);
    EXPECT_EQ(again.EndMark(), 120);
}

TEST_F(ClipEditorTest, ResetThenOkStoresZeroAndTheFullLength) {
    open(1);
    editor.Reset();
    EXPECT_EQ(editor.BeginMark(), 0);
    EXPECT_EQ(editor.EndMark(), 0);
    EXPECT_EQ(editor.MarkMode(), 0);
    editor.Ok();
    EXPECT_EQ(tasks.RowText(1, 1), "00:00:00");
    EXPECT_EQ(tasks.RowText(1, 2), "00:01:40");
    EXPECT_EQ(editor.GetResult(), ClipEditor::Result::Ok);
    EXPECT_EQ(player.count("Close"), 1);
    EXPECT_EQ(tasks.previewInits, 1);
}

TEST_F(ClipEditorTest, OkWritesTheShownTextsVerbatim) {
    tasks.addRow(4, "/v/y.avi", "0:5:7", "00:01:40", 100);  // not in FormatTime's form
    open(4);
    editor.Ok();
    EXPECT_EQ(tasks.RowText(4, 1), "0:5:7");
    EXPECT_EQ(tasks.RowText(4, 2), "00:01:40");
}

TEST_F(ClipEditorTest, CancelLeavesTheRowUnchanged) {
    open(1);
    playAt(90);
    editor.SetBeginTime();
    editor.Cancel();
    EXPECT_EQ(tasks.RowText(1, 1), "00:00:20");
    EXPECT_EQ(tasks.RowText(1, 2), "00:01:10");
    EXPECT_EQ(editor.GetResult(), ClipEditor::Result::Cancel);
    EXPECT_EQ(player.count("Stop"), 1);
    EXPECT_EQ(player.count("Close"), 1);
    EXPECT_EQ(tasks.previewInits, 1);
}

TEST_F(ClipEditorTest, PauseThenPlayResumesWithoutReopening) {
    open(0);
    editor.PlayPause();  // pause
    EXPECT_EQ(editor.GetPlayState(), ClipEditor::PlayState::Play);
    EXPECT_FALSE(editor.ReopenOnPlay());
    EXPECT_TRUE(editor.TimersRunning()) << "the position is still followed while paused";
    editor.PlayPause();  // play again
    EXPECT_EQ(player.count("Open"), 1);
    EXPECT_EQ(player.count("Start"), 2);
    EXPECT_EQ(editor.GetPlayState(), ClipEditor::PlayState::Pause);
}

TEST_F(ClipEditorTest, SeekWhilePausedResumesPlayback) {
    open(0);
    editor.PlayPause();  // pause
    player.calls.clear();
    editor.Seek(250);
    EXPECT_EQ(player.calls, (std::vector<std::string>{"Pause", "SetPos", "Start"}));
    EXPECT_FLOAT_EQ(player.position, 0.25f);
    EXPECT_EQ(editor.CurrentSecond(), 25);
    EXPECT_EQ(editor.GetPlayState(), ClipEditor::PlayState::Pause) << "playing again: Play offers to pause";
}

TEST_F(ClipEditorTest, StopRewindsTheSliderAndDisablesIt) {
    open(0);
    playAt(40);
    EXPECT_EQ(editor.SliderPosition(), 400);
    EXPECT_GT(editor.CurrentTime(), 0.0);
    editor.Stop();
    EXPECT_EQ(editor.SliderPosition(), 0);
    EXPECT_EQ(editor.CurrentTime(), 0.0) << "the time shown rewinds with the slider";
    EXPECT_EQ(editor.CurrentSecond(), 0);
    EXPECT_FALSE(editor.SliderEnabled());
    EXPECT_FALSE(editor.TimersRunning());
    EXPECT_EQ(editor.GetPlayState(), ClipEditor::PlayState::Play);
}

TEST_F(ClipEditorTest, AFileThePlayerCannotOpenLeavesTheTimesUsable) {
    player.openResult = -1;
    open(1);
    EXPECT_FALSE(ClipEditor::PlayerOpened());
    EXPECT_EQ(player.count("Start"), 0);
    editor.Seek(500);
    EXPECT_EQ(player.count("SetPos"), 0);
    editor.Reset();
    editor.Ok();
    EXPECT_EQ(tasks.RowText(1, 2), "00:01:40");
}

TEST_F(ClipEditorTest, SoundOnlyHasNoPicture) {
    player.hasPicture = 0;
    open(0);
    EXPECT_FALSE(editor.HasPicture());
    EXPECT_FALSE(editor.PollPicture());
    playAt(30);
    editor.SetBeginTime();
    EXPECT_EQ(editor.BeginText(), "00:00:30");
}

TEST_F(ClipEditorTest, AbsurdPlayerAnswersAreHeldInRange) {
    open(0);
    player.position = 7.5f;  // beyond the end
    editor.PollPosition();
    EXPECT_EQ(editor.SliderPosition(), 1000);
    player.duration = 1e300;
    editor.PollPosition();
    EXPECT_GT(editor.CurrentSecond(), 0);
}

// ---- The window ----

class ClipDialogTest : public ClipEditorTest {
protected:
    template <class T>
    T* control(CClipDialog& dialog, int id) {
        T* found = FindControlAs<T>(&dialog, id);
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
};

TEST_F(ClipDialogTest, ShowsTheRowAndWritesItOnOk) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(1);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Clip - second.mkv");
    EXPECT_EQ(control<QLabel>(dialog, CClipDialog::kBeginText)->text(), "00:00:20");
    EXPECT_EQ(control<QLabel>(dialog, CClipDialog::kEndText)->text(), "00:01:10");
    EXPECT_EQ(control<QLabel>(dialog, CClipDialog::kCutText)->text(), "00:00:50");
    auto* slider = control<CBitmapSlider>(dialog, CClipDialog::kPositionSlider);
    EXPECT_EQ(slider->GetBeginMark(), 200);
    EXPECT_EQ(slider->GetEndMark(), 700);
    EXPECT_TRUE(slider->isEnabled());

    control<QPushButton>(dialog, CClipDialog::kReset)->click();
    EXPECT_EQ(control<QLabel>(dialog, CClipDialog::kEndText)->text(), "00:01:40");
    control<QPushButton>(dialog, CClipDialog::kOk)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(tasks.RowText(1, 1), "00:00:00");
    EXPECT_EQ(tasks.RowText(1, 2), "00:01:40");
    EXPECT_EQ(tasks.previewInits, 1);
}

TEST_F(ClipDialogTest, CloseBoxIsCancel) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(0);
    dialog.show();
    control<QPushButton>(dialog, CClipDialog::kReset)->click();
    QCloseEvent close;
    QCoreApplication::sendEvent(&dialog, &close);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(tasks.RowText(0, 1), "00:00:00");
    EXPECT_EQ(tasks.RowText(0, 2), "00:01:40");
    EXPECT_EQ(player.count("Close"), 1);
    EXPECT_EQ(tasks.previewInits, 1);
}

TEST_F(ClipDialogTest, TooltipsByControlId) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(0);
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kSetBegin), "Set Begin Time");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kSetEnd), "Set End Time");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kStop), "Stop");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kOk), "OK");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kCancel), "Cancel");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kReset), "Reset Time");
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kPlay), "Pause") << "playing: the button pauses";
    control<QPushButton>(dialog, CClipDialog::kPlay)->click();
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kPlay), "Play");
    EXPECT_EQ(control<QPushButton>(dialog, CClipDialog::kSetEnd)->toolTip(), "Set End Time");
    EXPECT_NE(control<QPushButton>(dialog, CClipDialog::kSetEnd)->shortcut(),
              control<QPushButton>(dialog, CClipDialog::kSetBegin)->shortcut())
        << "each with a letter of its own";
    control<QPushButton>(dialog, CClipDialog::kCancel)->click();
}

// What a screen reader hears: Play named by what it does next, the slider with its
// position, the times with the group they belong to; the title names the file.
TEST_F(ClipDialogTest, ReadersHearEveryControlByWhatItDoes) {
    tasks.addRow(2, "/v/d\xc3\xa9j\xc3\xa0 vu/clip.one.mp4", "00:00:00", "00:01:40", 100);
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(2);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Clip - clip.one.mp4");
    // A Latin-1 name keeps its bytes in the title instead of U+FFFD.
    tasks.addRow(3, "/v/caf\xe9.mp4", "00:00:00", "00:01:40", 100);
    CClipDialog latin1(tasks, nullptr, player);
    latin1.Open(3);
    EXPECT_EQ(latin1.windowTitle(), "Clip - " + DecodeFileName("caf\xe9.mp4"));
    auto name = [&](int id) {
        return QAccessible::queryAccessibleInterface(control<QWidget>(dialog, id))->text(QAccessible::Name);
    };
    EXPECT_EQ(name(CClipDialog::kPlay), "Pause") << "playing: the button pauses";
    EXPECT_EQ(name(CClipDialog::kStop), "Stop");
    EXPECT_EQ(name(CClipDialog::kSetBegin), "Set Begin Time");
    EXPECT_EQ(name(CClipDialog::kPositionSlider), "Position");
    QAccessibleInterface* begin = QAccessible::queryAccessibleInterface(control<QLabel>(dialog, CClipDialog::kBeginText));
    EXPECT_EQ(begin->text(QAccessible::Name), "00:00:00");
    EXPECT_EQ(begin->text(QAccessible::Description), "Start time");
    QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(control<QWidget>(dialog, CClipDialog::kPositionSlider));
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->valueInterface()->maximumValue().toInt(), ClipEditor::kSliderMax);
    slider->valueInterface()->setCurrentValue(500);
    EXPECT_FLOAT_EQ(player.position, 0.5f) << "a reader's move seeks like a key";
    control<QPushButton>(dialog, CClipDialog::kPlay)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<QPushButton>(dialog, CClipDialog::kPlay), Qt::Key_Space);
    EXPECT_EQ(name(CClipDialog::kPlay), "Play");
    control<QPushButton>(dialog, CClipDialog::kCancel)->click();
}

TEST_F(ClipDialogTest, TheSliderSeeksFromTheKeyboardAndPlayShowsThePausedFileResumed) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* play = control<QPushButton>(dialog, CClipDialog::kPlay);
    play->setFocus(Qt::TabFocusReason);
    QTest::keyClick(play, Qt::Key_Space);  // pause
    ASSERT_EQ(dialog.ToolTipFor(CClipDialog::kPlay), "Play");
    auto* slider = control<CBitmapSlider>(dialog, CClipDialog::kPositionSlider);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(dialog, CClipDialog::kStop));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), slider) << "Tab reaches the slider";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(dialog, CClipDialog::kSetBegin));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    player.calls.clear();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(player.calls, (std::vector<std::string>{"Pause", "SetPos", "Start"}));
    EXPECT_FLOAT_EQ(player.position, 1.0f);
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_FLOAT_EQ(player.position, 0.0f);
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_Right}) QTest::keyClick(slider, key);
    EXPECT_FLOAT_EQ(player.position, 0.021f);
    EXPECT_EQ(dialog.ToolTipFor(CClipDialog::kPlay), "Pause") << "the file plays again after the seek";
    control<QPushButton>(dialog, CClipDialog::kCancel)->click();
}

TEST_F(ClipDialogTest, EndOfPlaybackFromThePlayerThreadStops) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(0);
    dialog.show();
    ASSERT_NE(player.endCallback, nullptr);
    std::thread playerThread([cb = player.endCallback] { cb(); });
    playerThread.join();
    for (int i = 0; i < 20 && dialog.Editor().TimersRunning(); ++i) QTest::qWait(10);
    EXPECT_FALSE(dialog.Editor().TimersRunning());
    EXPECT_EQ(player.count("Stop"), 1);
    control<QPushButton>(dialog, CClipDialog::kCancel)->click();
}

// The clip preview stretched pictures the other way (a square measured 153x134):
// it shows them at their display shape with black bars, and shows the position
// and the length beside the slider.
TEST_F(ClipDialogTest, PicturesKeepTheirDisplayShapeAndTheTimeIsShown) {
    struct Shape {
        int width, height;
        double sampleAspect, shownRatio;
    };
    for (const Shape shape : {Shape{60, 60, 1.0, 1.0}, Shape{72, 48, 32.0 / 27, 16.0 / 9}, Shape{48, 64, 1.0, 0.75}}) {
        ClipEditor::ResetPlayerOpenedForTests();
        player.width = shape.width;
        player.height = shape.height;
        player.sampleAspect = shape.sampleAspect;
        player.paint = [](unsigned char* buffer, int w, int h) { std::fill(buffer, buffer + w * h * 3, 230); };
        CClipDialog dialog(tasks, nullptr, player);
        dialog.Open(0);
        dialog.show();
        QTest::qWait(3 * CClipDialog::kFrameTimerMs);
        QWidget* area = FindControl(&dialog, CClipDialog::kPictureArea);
        ASSERT_NE(area, nullptr);
        const QImage shot = area->grab().toImage();
        QRect lit;
        for (int y = 2; y < shot.height() - 2; ++y)  // inside the frame line
            for (int x = 2; x < shot.width() - 2; ++x)
                if (QColor(shot.pixel(x, y)).lightness() > 150) lit |= QRect(x, y, 1, 1);
        ASSERT_FALSE(lit.isEmpty());
        EXPECT_NEAR(double(lit.width()) / lit.height(), shape.shownRatio, 0.04)
            << shape.width << "x" << shape.height << " shown " << lit.width() << "x" << lit.height();
        EXPECT_EQ(QColor(shot.pixel(lit.left() > 4 ? 3 : shot.width() / 2, lit.left() > 4 ? shot.height() / 2 : 3)),
                  QColor(Qt::black));
        player.position = 0.25f;
        QTest::qWait(2 * CClipDialog::kPositionTimerMs);
        EXPECT_EQ(control<QLabel>(dialog, CClipDialog::kPositionTime)->text(),
              QString("0:00:25.0 / 0:01:40.0").replace('.', QLocale().decimalPoint()));
        control<QPushButton>(dialog, CClipDialog::kCancel)->click();
    }
}

TEST_F(ClipDialogTest, PicturesAreDrawnTheRightWayUp) {
    CClipDialog dialog(tasks, nullptr, player);
    dialog.Open(0);
    dialog.show();
    QTest::qWait(3 * CClipDialog::kFrameTimerMs);
    EXPECT_GT(player.count("GetFrame"), 0);
    QWidget* area = FindControl(&dialog, CClipDialog::kPictureArea);
    ASSERT_NE(area, nullptr);
    const QImage shot = area->grab().toImage();
    // The buffer's first row is the picture's bottom row (blue); the top is red.
    const QColor top = shot.pixelColor(shot.width() / 2, 3);
    const QColor bottom = shot.pixelColor(shot.width() / 2, shot.height() - 3);
    EXPECT_GT(top.red(), 200);
    EXPECT_GT(bottom.blue(), 200);
    control<QPushButton>(dialog, CClipDialog::kStop)->click();
    EXPECT_FALSE(dialog.Editor().TimersRunning());
    control<QPushButton>(dialog, CClipDialog::kCancel)->click();
}

}  // namespace
