// The source preview: open/play/pause/stop with the recording player, the looks
// and the timers, seeking and the volume cap, the end of playback arriving from
// another thread, a file the player cannot open, the picture hand-over at any
// width, and one run of the real player module on a generated file.

#include "AppTestSupport.h"

#include "app/MainWindowIds.h"
#include "app/PreviewPicture.h"
#include "controls/PictureFit.h"
#include "controls/artwork/Artwork.h"

#include <QLocale>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>

#include <thread>

using namespace apptest;
using namespace mainwindow;

class PreviewTest : public MainWindowTest {
protected:
    CTolvaneAVConverterDlg& withTwoRows() {
        CTolvaneAVConverterDlg& window = open();
        window.AddPaths({SharedMedia().clipA, SharedMedia().clipB});
        window.taskListControl()->SelectAndFocus(0);
        return window;
    }
    bool playLookIs(CTolvaneAVConverterDlg& window, int picture) {
        return window.button(kPlay)->NormalImage() == artwork::Bitmap(picture);
    }
};

TEST_F(PreviewTest, PlayPausePlayResumesWithoutReopening) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.button(kPlay)->click();
    EXPECT_EQ(player.fileName(), SharedMedia().clipA.toStdString());
    EXPECT_EQ(player.count("Open"), 1);
    EXPECT_EQ(player.count("Start"), 1);
    EXPECT_EQ(window.preview().PlayStateText(), "PAUSE");
    EXPECT_TRUE(playLookIs(window, 310));
    EXPECT_EQ(window.button(kPlay)->toolTip(), "Pause");
    EXPECT_TRUE(window.positionSlider()->isEnabled());
    EXPECT_EQ(window.preview().positionTimerId(), 100);
    EXPECT_EQ(window.preview().frameTimerId(), 200);

    window.button(kPlay)->click();
    EXPECT_EQ(player.count("Pause"), 1);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_TRUE(playLookIs(window, 302));
    EXPECT_EQ(window.button(kPlay)->toolTip(), "Play");
    EXPECT_EQ(window.preview().positionTimerId(), 100) << "paused: the timers keep polling";

    window.button(kPlay)->click();
    EXPECT_EQ(player.count("Open"), 1) << "resumed, not reopened";
    EXPECT_EQ(player.count("Start"), 2);
    EXPECT_EQ(window.preview().PlayStateText(), "PAUSE");
}

TEST_F(PreviewTest, PlayStopPlayReopensFromTheBeginning) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.button(kPlay)->click();
    player.position = 0.5f;
    window.preview().OnPositionTick();
    EXPECT_EQ(window.positionSlider()->GetPos(), 500);
    window.button(kStop)->click();
    EXPECT_EQ(player.count("Stop"), 1);
    EXPECT_EQ(player.count("Close"), 1);
    EXPECT_EQ(window.positionSlider()->GetPos(), 0);
    EXPECT_FALSE(window.positionSlider()->isEnabled());
    EXPECT_EQ(window.preview().positionTimerId(), 0);
    EXPECT_TRUE(playLookIs(window, 302));
    EXPECT_TRUE(window.button(kPlay)->isEnabled()) << "a row is still selected";
    window.button(kPlay)->click();
    EXPECT_EQ(player.count("Open"), 2);
}

TEST_F(PreviewTest, ClickOnAnotherRowStopsAndResetsThePosition) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.button(kPlay)->click();
    player.position = 0.25f;
    window.preview().OnPositionTick();
    window.taskListControl()->clearSelection();
    window.taskListControl()->SelectAndFocus(1);
    window.ClickTask();
    EXPECT_EQ(player.count("Stop"), 1);
    EXPECT_EQ(window.positionSlider()->GetPos(), 0);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
}

TEST_F(PreviewTest, MouseClickOnAnotherRowStopsThePlayback) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.TogglePlay();
    CCheckListCtrl* list = window.taskListControl();
    const QRect second = list->visualRect(list->model()->index(1, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.taskList().Selected(), std::vector<int>({1}));
    EXPECT_EQ(player.count("Stop"), 1);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_TRUE(window.button(kMerge)->isEnabled()) << "a click never disables Merge";
}

TEST_F(PreviewTest, PlayAndStopFollowTheSelectionAfterAClickOnEmptySpace) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    CCheckListCtrl* list = window.taskListControl();
    QTest::mouseClick(window.button(kPlay), Qt::LeftButton, Qt::NoModifier,
                      window.button(kPlay)->Shape().boundingRect().center());
    ASSERT_EQ(window.preview().PlayStateText(), "PAUSE");
    const QRect lastRow = list->visualRect(list->model()->index(1, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, lastRow.center() + QPoint(0, 60));
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.taskList().Selected().empty());
    EXPECT_FALSE(window.button(kPlay)->isEnabled());
    EXPECT_FALSE(window.button(kStop)->isEnabled());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, lastRow.center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.button(kPlay)->isEnabled());
    EXPECT_TRUE(window.button(kStop)->isEnabled());
    window.button(kPlay)->setFocus();
    QTest::keyClick(window.button(kPlay), Qt::Key_Space);
    EXPECT_EQ(player.fileName(), SharedMedia().clipB.toStdString());
    EXPECT_TRUE(window.button(kStop)->isEnabled()) << "a playing file can be stopped";
    // The next Space pauses: on the list it would untick the row unseen.
    ASSERT_EQ(QApplication::focusWidget(), window.button(kPlay));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_TRUE(window.taskList().IsChecked(1));
    QTest::mouseClick(window.button(kStop), Qt::LeftButton, Qt::NoModifier,
                      window.button(kStop)->Shape().boundingRect().center());
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
}

TEST_F(PreviewTest, KeysOnThePositionSliderSeekAndAPausedFileShowsItPlaysAgain) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.TogglePlay();
    window.TogglePlay();  // paused
    ASSERT_TRUE(playLookIs(window, 302));
    player.calls.clear();
    window.positionSlider()->setFocus();
    QTest::keyClick(window.positionSlider(), Qt::Key_End);
    EXPECT_EQ(player.calls, std::vector<std::string>({"Pause", "SetPos", "Start"}));
    EXPECT_FLOAT_EQ(player.position, 1.0f);
    EXPECT_EQ(window.preview().PlayStateText(), "PAUSE");
    EXPECT_TRUE(playLookIs(window, 310)) << "the button shows the file plays";
    EXPECT_EQ(window.button(kPlay)->toolTip(), "Pause");
    QTest::keyClick(window.positionSlider(), Qt::Key_PageUp);
    EXPECT_FLOAT_EQ(player.position, 0.98f);
    window.TogglePlay();
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_EQ(player.count("Pause"), 3) << "one click pauses the resumed file";
}

TEST_F(PreviewTest, TwoSelectedRowsPlayTheLowerOne) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.taskListControl()->SelectAndFocus(1);
    window.TogglePlay();
    EXPECT_EQ(player.fileName(), SharedMedia().clipB.toStdString());
}

TEST_F(PreviewTest, VolumeFollowsTheWholeSliderAndSeekingPausesSetsAndStarts) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    EXPECT_EQ(window.volumeSlider()->GetPos(), 30000);
    EXPECT_EQ(player.volume, 19660) << "the player plays at the 30 % the slider shows from the start";
    window.volumeSlider()->SetPos(80000);
    window.preview().OnSliderMoving(kVolumeSlider, 80000);
    EXPECT_EQ(player.volume, 52428) << "the top of the travel still changes the level";
    window.volumeSlider()->SetPos(20000);
    window.preview().OnSliderMoving(kVolumeSlider, 20000);
    EXPECT_EQ(player.volume, 13107);

    window.preview().OnSliderMoving(kPositionSlider, 300);
    EXPECT_EQ(player.count("SetPos"), 0) << "nothing opened yet";
    window.TogglePlay();
    player.calls.clear();
    window.positionSlider()->SetPos(300);
    window.preview().OnSliderMoving(kPositionSlider, 300);
    EXPECT_EQ(player.calls, std::vector<std::string>({"Pause", "SetPos", "Start"}));
    EXPECT_FLOAT_EQ(player.position, 0.3f);
}

TEST_F(PreviewTest, VolumeSetFromTheKeyboardReachesThePlayer) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.volumeSlider()->setFocus();
    QTest::keyClick(window.volumeSlider(), Qt::Key_End);
    EXPECT_EQ(window.volumeSlider()->GetPos(), 100000);
    EXPECT_EQ(player.volume, 65535);
    QTest::keyClick(window.volumeSlider(), Qt::Key_Home);
    EXPECT_EQ(player.volume, 0);
}

TEST_F(PreviewTest, StopBeforeAnyOpenChangesNothing) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    player.calls.clear();
    window.StopPreview();
    EXPECT_TRUE(player.calls.empty());
    EXPECT_TRUE(window.preview().playerStopped());
}

TEST_F(PreviewTest, ClearStopsAndLeavesThePlayLookDisabled) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.TogglePlay();
    window.button(kEmpty)->click();
    EXPECT_EQ(player.count("Close"), 1);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_TRUE(playLookIs(window, 301));
    EXPECT_FALSE(window.button(kPlay)->isEnabled());
    EXPECT_FALSE(window.button(kStop)->isEnabled());
}

TEST_F(PreviewTest, FileThePlayerCannotOpenShowsNothingAndLeavesTheWindowUsable) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.TogglePlay();  // a first file plays and shows a picture
    window.preview().OnFrameTick();
    ASSERT_NE(window.pictureArea()->Picture(), nullptr);
    player.openResult = -1;
    window.StopPreview();
    window.TogglePlay();
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
    EXPECT_EQ(window.preview().hasPicture(), 0);
    EXPECT_EQ(window.preview().positionTimerId(), 0);
    EXPECT_EQ(window.pictureArea()->Picture(), nullptr);
    window.preview().OnFrameTick();
    EXPECT_EQ(window.pictureArea()->Picture(), nullptr);
    EXPECT_TRUE(window.button(kAdd)->isEnabled());
}

TEST_F(PreviewTest, EndOfPlaybackFromThePlayerThreadStopsOnTheUiThread) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.TogglePlay();
    ASSERT_NE(player.endCallback, nullptr);
    std::thread playerThread(player.endCallback);
    playerThread.join();
    EXPECT_EQ(player.count("Stop"), 0) << "posted, not run on the player's thread";
    QCoreApplication::processEvents();
    EXPECT_EQ(player.count("Stop"), 1);
    EXPECT_EQ(window.preview().PlayStateText(), "PLAY");
}

TEST_F(PreviewTest, EndOfPlaybackAfterTheWindowIsGoneIsHarmless) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.TogglePlay();
    PlayerModuleEndCallback callback = player.endCallback;
    dialog.reset();
    callback();
    QCoreApplication::processEvents();
    SUCCEED();
}

TEST(PreviewPictureCopy, BottomUpBgrOfAnyWidthTurnsRightSideUp) {
    for (int width : {1, 3, 5, 8}) {
        const int height = 3;
        std::vector<unsigned char> buffer(static_cast<size_t>(width) * height * 3);
        for (int row = 0; row < height; ++row)  // stored bottom row first
            for (int x = 0; x < width; ++x) {
                unsigned char* pixel = &buffer[(static_cast<size_t>(row) * width + x) * 3];
                pixel[0] = static_cast<unsigned char>(10 * x);   // B
                pixel[1] = static_cast<unsigned char>(100 + row);  // G
                pixel[2] = 200;                                  // R
            }
        QImage picture;
        PreviewController::CopyBottomUpBgr(buffer.data(), width, height, picture);
        ASSERT_EQ(picture.size(), QSize(width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(picture.pixel(x, y), qRgb(200, 100 + (height - 1 - y), 10 * x))
                    << "width " << width << " at " << x << "," << y;
    }
}

// The box the lit (non-black) pixels of `shot` fill.
QRect litBox(const QImage& shot) {
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (QColor(shot.pixel(x, y)).lightness() > 60) box |= QRect(x, y, 1, 1);
    return box;
}

// Every frame was stretched to the box (a square measured 97x114; an anamorphic
// 720x480 frame 110x128): the picture keeps its display shape, pixel size times
// sample aspect, with black bars, centred.
struct AspectCase {
    int width, height;
    double sampleAspect;
    double shownRatio;  // width / height on screen
};
class PreviewAspect : public PreviewTest, public ::testing::WithParamInterface<AspectCase> {};

TEST_P(PreviewAspect, ThePictureKeepsItsDisplayShapeWithBlackBars) {
    const AspectCase shape = GetParam();
    player.width = shape.width;
    player.height = shape.height;
    player.sampleAspect = shape.sampleAspect;
    player.paint = [](unsigned char* buffer, int w, int h) { std::fill(buffer, buffer + w * h * 3, 230); };
    CTolvaneAVConverterDlg& window = withTwoRows();
    window.button(kPlay)->click();
    window.preview().OnFrameTick();
    const QImage shot = window.pictureArea()->grab().toImage();
    const QRect lit = litBox(shot);
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_NEAR(double(lit.width()) / lit.height(), shape.shownRatio, 0.03)
        << lit.width() << "x" << lit.height() << " in " << shot.width() << "x" << shot.height();
    EXPECT_TRUE(lit.width() == shot.width() || lit.height() == shot.height()) << "fills one direction";
    EXPECT_LE(std::abs(lit.center().x() - shot.rect().center().x()), 1);
    EXPECT_LE(std::abs(lit.center().y() - shot.rect().center().y()), 1);
    const QPoint bar = lit.width() < shot.width() ? QPoint(0, shot.height() / 2) : QPoint(shot.width() / 2, 0);
    EXPECT_EQ(QColor(shot.pixel(bar)), QColor(Qt::black)) << "the bars are black";
}

INSTANTIATE_TEST_SUITE_P(Shapes, PreviewAspect,
                         ::testing::Values(AspectCase{600, 600, 1.0, 1.0},         // a square
                                           AspectCase{1920, 1080, 1.0, 16.0 / 9},  // wider than the box
                                           AspectCase{720, 480, 32.0 / 27, 16.0 / 9},  // anamorphic NTSC
                                           AspectCase{720, 576, 16.0 / 15, 4.0 / 3},
                                           AspectCase{480, 640, 1.0, 0.75}));  // upright phone video

// Position / length beside the slider while a file is open, in h:mm:ss.t.
TEST_F(PreviewTest, ThePlayerShowsPositionAndLength) {
    CTolvaneAVConverterDlg& window = withTwoRows();
    EXPECT_TRUE(window.playingTimeLabel()->text().isEmpty());
    player.duration = 3725.25;
    player.position = 0.5f;
    window.button(kPlay)->click();
    window.preview().OnPositionTick();
    EXPECT_EQ(window.playingTimeLabel()->text(), QString("0:31:02.6 / 1:02:05.2").replace('.', QLocale().decimalPoint()));
    EXPECT_TRUE(window.playingTimeLabel()->isVisible() || !window.isVisible());
    window.button(kStop)->click();
    EXPECT_TRUE(window.playingTimeLabel()->text().isEmpty());
}

TEST_F(PreviewTest, RealPlayerDrawsTheSelectedFile) {
    ModuleMediaPlayer module;
    auto real = std::make_unique<CTolvaneAVConverterDlg>(nullptr, &module);
    real->AddPaths({SharedMedia().clipA});
    real->taskListControl()->SelectAndFocus(0);
    real->TogglePlay();
    ASSERT_TRUE(real->preview().playerOpened());
    EXPECT_EQ(real->preview().frameWidth(), 64);
    EXPECT_EQ(real->preview().frameHeight(), 48);
    QTest::qWait(300);
    real->preview().OnFrameTick();
    ASSERT_NE(real->pictureArea()->Picture(), nullptr);
    EXPECT_EQ(real->pictureArea()->Picture()->size(), QSize(64, 48));
    // Drawn at 4:3 into the wider area: the picture's corners at the edges of the
    // part it covers, black bars beside it.
    const QImage shown = real->pictureArea()->grab().toImage();
    const QImage& source = *real->pictureArea()->Picture();
    const QRect covered = FitPictureRect(source.size(), 1.0, real->pictureArea()->rect());
    EXPECT_EQ(litBox(shown), covered) << real->preview().SampleAspect();
    EXPECT_EQ(shown.pixel(covered.topLeft()), source.pixel(0, 0));
    EXPECT_EQ(shown.pixel(covered.bottomRight()), source.pixel(63, 47));
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(Qt::black));
    EXPECT_NE(source.pixel(0, 0), source.pixel(63, 47)) << "a real picture, not a flat fill";
    real->StopPreview();
    real.reset();
}

// A DVD-shaped file whose pixels are 32:27 wide (16:9 on screen), through the real
// player: shown 16:9, not 3:2.
TEST_F(PreviewTest, RealPlayerShowsAnAnamorphicFileWide) {
    const std::string path = exeDir.file("anamorphic.mkv");
    ASSERT_EQ(testmedia::runCommand("ffmpeg -v error -y -f lavfi -i color=c=white:s=72x48:d=1:r=25 "
                                    "-vf setsar=32/27 -c:v mpeg4 " + testmedia::shellQuote(path)),
              0);
    ModuleMediaPlayer module;
    auto real = std::make_unique<CTolvaneAVConverterDlg>(nullptr, &module);
    real->AddPaths({QString::fromStdString(path)});
    real->taskListControl()->SelectAndFocus(0);
    real->TogglePlay();
    ASSERT_TRUE(real->preview().playerOpened());
    EXPECT_NEAR(real->preview().SampleAspect(), 32.0 / 27, 1e-3);
    QTest::qWait(300);
    real->preview().OnFrameTick();
    const QRect lit = litBox(real->pictureArea()->grab().toImage());
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_NEAR(double(lit.width()) / lit.height(), 16.0 / 9, 0.03) << lit.width() << "x" << lit.height();
    real->StopPreview();
    real.reset();
}
