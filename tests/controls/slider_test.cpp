// CBitmapSlider: the pixel/value formulas, mouse and keyboard input with their
// notifications, and what each mark mode draws.
#include "controls/BitmapSlider.h"
#include "controls/artwork/Artwork.h"

#include "tests/support/QtTestApp.h"

#include <QSignalSpy>
#include <QAccessible>
#include <QTest>

namespace {

constexpr int kId = 1142;
const QColor kOutside(200, 0, 0);
const QColor kInside(0, 0, 200);
const QColor kThumbBody(0, 160, 0);
const QColor kDraggedBody(250, 200, 0);

QImage solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A 23 x 11 thumb: magenta frame (the transparent colour), solid body inside.
QImage thumb(const QColor& body) {
    QImage image = solid(23, 11, Qt::magenta);
    for (int y = 2; y < 9; ++y)
        for (int x = 2; x < 21; ++x) image.setPixelColor(x, y, body);
    return image;
}

// The clip dialog's position slider: 0..1000, margins 2, 3, 2, 0, channel 200 wide.
// track = 200 - 2 - 2 - 23 = 173; pixel(0) = 13, pixel(1000) = 186.
class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 60);
        slider = new CBitmapSlider(&window, kId);
        slider->move(10, 10);
        ASSERT_TRUE(slider->SetChannelImages(solid(200, 17, kOutside), solid(200, 17, kInside)));
        ASSERT_TRUE(slider->SetThumbImages(thumb(kThumbBody), thumb(kDraggedBody)));
        slider->SetDrawFocusRect(false);
        slider->SetRange(0, 1000);
        slider->SetMargins(2, 3, 2, 0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void press(int x) { QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(x, 8)); }
    void move(int x) { QTest::mouseMove(slider, QPoint(x, 8)); }
    void release(int x) { QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(x, 8)); }
    QColor pixel(int x, int y) { return slider->grab().toImage().pixelColor(x, y); }

    QWidget window;
    CBitmapSlider* slider = nullptr;
};

TEST(SliderGeometryTest, PixelAndValueFormulasTruncateTowardZero) {
    const SliderGeometry g{0, 1000, 200, 23, 2, 2};
    EXPECT_EQ(g.track(), 173);
    EXPECT_EQ(g.pixelFromValue(0), 13);
    EXPECT_EQ(g.pixelFromValue(1000), 186);
    EXPECT_EQ(g.pixelFromValue(500), 2 + 86 + 11);
    EXPECT_EQ(g.valueFromPixel(100), 502);  // 87 / 173 * 1000 = 502.89
    EXPECT_EQ(g.valueFromPixel(13), 0);
    EXPECT_EQ(g.valueFromPixel(186), 1000);
    const SliderGeometry offset{-50, 50, 200, 23, 2, 2};
    EXPECT_EQ(offset.valueFromPixel(100), static_cast<int>(-50 + 87.0 / 173 * 100));
}

TEST(SliderGeometryTest, DegenerateRangesPinTheThumbInsteadOfDividingByZero) {
    const SliderGeometry flat{5, 5, 200, 23, 2, 2};
    EXPECT_EQ(flat.pixelFromValue(5), 13);
    EXPECT_EQ(flat.valueFromPixel(150), 5);
    const SliderGeometry narrow{0, 100, 20, 23, 2, 2};  // channel narrower than the thumb
    EXPECT_LE(narrow.track(), 0);
    EXPECT_EQ(narrow.pixelFromValue(60), narrow.minPixel());
    EXPECT_EQ(narrow.valueFromPixel(15), 0);
}

TEST_F(SliderTest, ClickOnTheChannelCentresTheThumbThenReportsMovedOnRelease) {
    QSignalSpy moving(slider, &CBitmapSlider::sliderMoving);
    QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
    press(100);
    EXPECT_TRUE(slider->IsDragging());
    EXPECT_EQ(slider->GetPos(), 502);
    ASSERT_EQ(moving.count(), 1);
    EXPECT_EQ(moving.at(0), (QList<QVariant>{kId, 502}));
    EXPECT_EQ(moved.count(), 0);
    release(100);
    EXPECT_FALSE(slider->IsDragging());
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0), (QList<QVariant>{kId, 502}));
    EXPECT_EQ(moving.count(), 1);
    EXPECT_TRUE(slider->hasFocus());
}

TEST_F(SliderTest, GrabbingTheThumbKeepsTheGripOffset) {
    slider->SetPos(500);  // thumb centre at 99
    QSignalSpy moving(slider, &CBitmapSlider::sliderMoving);
    press(103);  // 4 pixels right of the centre: no jump
    EXPECT_EQ(slider->GetPos(), 500);
    EXPECT_EQ(moving.count(), 0);
    move(123);  // centre follows to 119
    EXPECT_EQ(slider->GetPos(), static_cast<int>(106.0 / 173 * 1000));
    EXPECT_EQ(moving.count(), 1);
    release(123);
}

TEST_F(SliderTest, DraggingPastEitherEndPinsTheThumbAndStaysQuiet) {
    QSignalSpy moving(slider, &CBitmapSlider::sliderMoving);
    QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
    slider->SetPos(500);
    press(99);
    move(-40);
    EXPECT_EQ(slider->GetPos(), 0);
    move(-90);
    move(5);
    EXPECT_EQ(moving.count(), 1);  // the pixel did not change again
    move(260);
    EXPECT_EQ(slider->GetPos(), 1000);
    move(300);  // the travel ends one pixel right of pixel(1000): still quiet
    move(400);
    EXPECT_EQ(moving.count(), 2);
    release(400);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 1000);
}

TEST_F(SliderTest, MovesWithoutAPressedButtonDoNothing) {
    QSignalSpy moving(slider, &CBitmapSlider::sliderMoving);
    move(150);
    EXPECT_EQ(slider->GetPos(), 0);
    EXPECT_EQ(moving.count(), 0);
}

TEST_F(SliderTest, NavigationKeysMoveClampAndAlwaysReportMoved) {
    QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
    slider->setFocus();
    struct Step {
        Qt::Key key;
        int expected;
    };
    const Step steps[] = {
        {Qt::Key_Home, 0},  // already there: still reported
        {Qt::Key_Left, 0},      {Qt::Key_Right, 1},   {Qt::Key_Down, 2},   {Qt::Key_Up, 1},
        {Qt::Key_PageDown, 21}, {Qt::Key_PageUp, 1},  {Qt::Key_PageUp, 0}, {Qt::Key_End, 1000},
        {Qt::Key_Right, 1000},  {Qt::Key_PageDown, 1000},
    };
    int count = 0;
    for (const Step& step : steps) {
        QTest::keyClick(slider, step.key);
        ++count;
        ASSERT_EQ(moved.count(), count) << step.key;
        EXPECT_EQ(moved.last(), (QList<QVariant>{kId, step.expected})) << step.key;
        EXPECT_EQ(slider->GetPos(), step.expected);
    }
}

TEST_F(SliderTest, OtherKeysArePassedOn) {
    QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(slider, &key);
    EXPECT_FALSE(key.isAccepted());
    EXPECT_EQ(moved.count(), 0);
}

TEST_F(SliderTest, ADisabledSliderTakesNoInput) {
    QSignalSpy moving(slider, &CBitmapSlider::sliderMoving);
    slider->setEnabled(false);
    press(150);
    release(150);
    EXPECT_EQ(slider->GetPos(), 0);
    EXPECT_EQ(moving.count(), 0);
}

TEST_F(SliderTest, RangeAndMarksAreClampedIntoTheRange) {
    slider->SetPos(800);
    slider->SetRange(0, 100);
    EXPECT_EQ(slider->GetPos(), 100);
    slider->SetBeginMark(-5);
    slider->SetEndMark(500);
    EXPECT_EQ(slider->GetBeginMark(), 0);
    EXPECT_EQ(slider->GetEndMark(), 100);
    slider->SetPos(-3);
    EXPECT_EQ(slider->GetPos(), 0);
}

using S = ChannelPiece::Source;

TEST(ChannelPiecesTest, EachMarkModeCopiesTheRightColumns) {
    const SliderGeometry g{0, 1000, 200, 23, 2, 2};
    const int xb = g.pixelFromValue(250), xe = g.pixelFromValue(750);
    const std::vector<ChannelPiece> whole{{S::Inside, 0, 200}};
    EXPECT_EQ(ChannelPieces(g, 0, 250, 750), whole);
    EXPECT_EQ(ChannelPieces(g, 1, 0, 750), whole);  // begin 0 looks like mode 0
    EXPECT_EQ(ChannelPieces(g, 1, 250, 750), (std::vector<ChannelPiece>{{S::Outside, 0, xb}, {S::Inside, xb, 200}}));
    EXPECT_EQ(ChannelPieces(g, 2, 250, 1000), (std::vector<ChannelPiece>{{S::Outside, 0, xb}, {S::Inside, xb, 200}}));
    EXPECT_EQ(ChannelPieces(g, 2, 0, 1000), whole);
    EXPECT_EQ(ChannelPieces(g, 2, 250, 750),
              (std::vector<ChannelPiece>{{S::Outside, 0, xb}, {S::Outside, xe, 200}, {S::Inside, xb, xe}}));
    EXPECT_EQ(ChannelPieces(g, 2, 0, 750), (std::vector<ChannelPiece>{{S::Outside, xe, 200}, {S::Inside, 0, xe}}));
}

TEST(ChannelPiecesTest, AnEndMarkLeftOfTheBeginMarkShowsNoInsideLook) {
    const SliderGeometry g{0, 1000, 200, 23, 2, 2};
    for (const ChannelPiece& piece : ChannelPieces(g, 2, 750, 250)) {
        EXPECT_EQ(piece.source, S::Outside);
        EXPECT_LT(piece.x0, piece.x1);
    }
}

TEST_F(SliderTest, MarksAreDrawnFromTheOutsideAndInsideBitmaps) {
    slider->SetPos(1000);  // thumb out of the way at the right end
    slider->SetBeginMark(250);
    slider->SetEndMark(750);
    slider->SetMarkMode(0);
    EXPECT_EQ(pixel(20, 1), kInside);
    slider->SetMarkMode(1);
    EXPECT_EQ(pixel(20, 1), kOutside);
    EXPECT_EQ(pixel(150, 1), kInside);
    slider->SetMarkMode(2);
    EXPECT_EQ(pixel(20, 1), kOutside);
    EXPECT_EQ(pixel(100, 1), kInside);
    EXPECT_EQ(pixel(195, 1), kOutside);
    slider->SetEndMark(1000);  // the inside look runs to the right end
    EXPECT_EQ(pixel(195, 1), kInside);
}

TEST_F(SliderTest, TheThumbIsTransparentWhereItsMaskSaysAndChangesWhileDragged) {
    slider->SetPos(500);  // thumb at x 88..110, y 3..13
    EXPECT_EQ(pixel(99, 8), kThumbBody);
    EXPECT_EQ(pixel(88, 3), kInside);  // magenta corner shows the channel
    press(99);
    EXPECT_EQ(pixel(99, 8), kDraggedBody);
    EXPECT_EQ(pixel(88, 3), kInside);
    release(99);
    EXPECT_EQ(pixel(99, 8), kThumbBody);
}

TEST(SliderSetUp, ChannelBitmapsResizeTheControlAndFailuresKeepNeither) {
    QWidget window;
    CBitmapSlider slider(&window, 1140);
    slider.setGeometry(30, 40, 10, 10);
    ASSERT_TRUE(slider.SetChannelBitmaps(314, 319));
    EXPECT_EQ(slider.size(), artwork::BitmapSize(314));
    EXPECT_EQ(slider.pos(), QPoint(30, 40));
    ASSERT_TRUE(slider.SetThumbBitmaps());
    EXPECT_EQ(slider.ThumbSize(), QSize(23, 11));
    EXPECT_FALSE(slider.SetChannelBitmaps(314, 99999));
    EXPECT_FALSE(slider.HasChannel());
    EXPECT_EQ(slider.objectName(), "1140");
}

// In a window made smaller (a large scale on a small screen), the slider is
// narrower than its bitmaps: its channel ends where the slider ends, with the
// bitmap's own right end, and the thumb travels the narrower track.
TEST(SliderSetUp, ANarrowerOrWiderSliderFitsItsChannelToItsWidth) {
    QWidget window;
    CBitmapSlider slider(&window, 1140);
    QImage outside = solid(200, 17, kOutside);
    for (int y = 0; y < 17; ++y) outside.setPixelColor(199, y, Qt::green);  // the right end
    ASSERT_TRUE(slider.SetChannelImages(outside, outside));
    ASSERT_TRUE(slider.SetThumbImages(thumb(kThumbBody), thumb(kDraggedBody)));
    slider.SetDrawFocusRect(false);
    slider.SetRange(0, 1000);
    window.resize(400, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int width : {120, 320}) {
        slider.resize(width, 17);
        EXPECT_EQ(slider.ChannelSize(), QSize(width, 17));
        EXPECT_EQ(slider.PixelFromValue(1000), width - 23 + 11);
        slider.SetPos(0);
        const QImage shot = slider.grab().toImage();
        EXPECT_EQ(shot.pixelColor(width - 1, 8), QColor(Qt::green)) << width;
        EXPECT_EQ(shot.pixelColor(width / 2, 8), kOutside) << width;
    }
}

TEST(SliderSetUp, WithoutChannelBitmapsTheThumbTravelsTheClientArea) {
    CBitmapSlider slider(nullptr, 1143);
    slider.resize(120, 20);
    ASSERT_TRUE(slider.SetThumbBitmaps());
    EXPECT_EQ(slider.ChannelSize(), QSize(120, 20));
    slider.SetPos(100);
    EXPECT_EQ(slider.PixelFromValue(100), 120 - 23 + 11);
}

}  // namespace

namespace {

// What a screen reader reads and sets: a named slider with its range and position.
TEST_F(SliderTest, ReadersSeeANamedSliderWithItsValueAndCanMoveIt) {
    slider->setAccessibleName("Position");
    QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Slider);
    EXPECT_EQ(reader->text(QAccessible::Name), "Position");
    EXPECT_TRUE(reader->state().focusable);
    QAccessibleValueInterface* value = reader->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 1000);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(value->currentValue().toInt(), 1000) << "keys move what the reader reads";
    value->setCurrentValue(250);
    EXPECT_EQ(slider->GetPos(), 250);
    EXPECT_EQ(moved.last(), (QList<QVariant>{kId, 250})) << "a reader's change reaches the owner like a key";
    value->setCurrentValue(5000);
    EXPECT_EQ(slider->GetPos(), 1000);
    slider->setEnabled(false);
    EXPECT_TRUE(reader->state().disabled);
    value->setCurrentValue(10);
    EXPECT_EQ(slider->GetPos(), 1000) << "a disabled slider takes no input";
}

}  // namespace
