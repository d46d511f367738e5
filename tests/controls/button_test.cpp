// CControlButton: the shape taken from a bitmap's non-white pixels, which picture
// each state draws, and the hover request cycle.
#include "controls/ControlButton.h"
#include "controls/artwork/Artwork.h"

#include "tests/support/QtTestApp.h"

#include <QSignalSpy>
#include <QAccessible>
#include <QTest>

namespace {

const QColor kHover(0, 170, 0);
const QColor kNormal(0, 0, 190);
const QColor kPressed(190, 0, 0);

QImage solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// 8 x 4, white except: a 2 x 2 black block at (1,1), a near-white pixel at (5,0)
// and a red run (4..6, 3). Near-white is button; only pure white is cut.
QImage knownShape() {
    QImage image = solid(8, 4, Qt::white);
    for (int y = 1; y <= 2; ++y)
        for (int x = 1; x <= 2; ++x) image.setPixelColor(x, y, Qt::black);
    image.setPixelColor(5, 0, QColor(254, 255, 255));
    for (int x = 4; x <= 6; ++x) image.setPixelColor(x, 3, Qt::red);
    return image;
}

TEST(ButtonShape, RegionIsTheRunsOfNonWhitePixelsRowByRow) {
    const QRegion region = CControlButton::RegionFromImage(knownShape());
    QRegion expected;
    expected += QRect(5, 0, 1, 1);
    expected += QRect(1, 1, 2, 2);
    expected += QRect(4, 3, 3, 1);
    EXPECT_EQ(region, expected);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(3, 1)));
    EXPECT_TRUE(region.contains(QPoint(6, 3)));
}

TEST(ButtonShape, AnIndexedOrAlphaPictureIsJudgedByItsColourAlone) {
    QImage argb = knownShape().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(CControlButton::RegionFromImage(argb), CControlButton::RegionFromImage(knownShape()));
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 100);
        button = new CControlButton(&window, 1000, "&Add");
        button->setGeometry(20, 20, 40, 30);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        button->clearFocus();  // the pictures alone, without the focus ring
    }
    QColor pixel(int x, int y) { return button->grab().toImage().pixelColor(x, y); }
    void pointerOver(const QPoint& at) {
        QEnterEvent enter(at, button->mapTo(&window, at), button->mapToGlobal(at));
        QCoreApplication::sendEvent(button, &enter);
        QTest::mouseMove(button, at);
    }
    void pointerLeaves() {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }

    QWidget window;
    CControlButton* button = nullptr;
};

TEST_F(ButtonTest, TheShapeBecomesTheWidgetsMaskAndOnlyItTakesClicks) {
    QImage shape = solid(40, 30, Qt::white);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 20; ++x) shape.setPixelColor(x, y, Qt::darkGreen);  // left half
    button->SetShapeFromImage(shape);
    EXPECT_TRUE(button->HasShape());
    EXPECT_EQ(button->mask(), QRegion(0, 0, 20, 30));
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 15));  // a cut-away pixel
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 15));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ButtonTest, AnAllWhiteBitmapMakesTheButtonInvisibleAndUnclickable) {
    button->SetImages(solid(40, 30, kHover), solid(40, 30, kNormal), solid(40, 30, kPressed));
    button->SetShapeFromImage(solid(40, 30, Qt::white));
    EXPECT_TRUE(button->HasShape());
    EXPECT_TRUE(button->Shape().isEmpty());
    // Qt reads an empty mask as "no mask"; the mask must cover nothing instead.
    EXPECT_FALSE(button->mask().isEmpty());
    EXPECT_TRUE(button->mask().intersected(button->rect()).isEmpty());
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    QSignalSpy clicked(button, &QPushButton::clicked);
    for (const QPoint& at : {QPoint(1, 1), QPoint(20, 15), QPoint(39, 29)})
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_NE(pixel(20, 15), kNormal);
}

TEST_F(ButtonTest, AMissingShapeBitmapLeavesTheWholeRectangle) {
    button->SetShapeFromImage(solid(40, 30, Qt::white));
    button->SetShapeFromBitmap(99999);
    EXPECT_FALSE(button->HasShape());
    EXPECT_TRUE(button->mask().isEmpty());
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(39, 29));
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ButtonTest, NormalHoverAndPressedPicturesFollowThePointer) {
    button->SetImages(solid(40, 30, kHover), solid(40, 30, kNormal), solid(40, 30, kPressed));
    EXPECT_EQ(pixel(10, 10), kNormal);

    pointerOver(QPoint(10, 10));
    EXPECT_TRUE(button->IsTracking());
    QTRY_VERIFY(button->IsHovering());  // after the 1 ms hover time
    EXPECT_EQ(pixel(10, 10), kHover);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(pixel(10, 10), kPressed);  // drawn on top while held
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(pixel(10, 10), kHover);

    pointerLeaves();
    EXPECT_FALSE(button->IsHovering());
    EXPECT_FALSE(button->IsTracking());
    EXPECT_EQ(pixel(10, 10), kNormal);

    // The next move starts a new request; the hover comes only after the hover time.
    QTest::mouseMove(button, QPoint(12, 12));
    EXPECT_TRUE(button->IsTracking());
    EXPECT_FALSE(button->IsHovering());
    QTRY_VERIFY(button->IsHovering());
}

TEST_F(ButtonTest, PicturesAreCutAtTheButtonAndNeverStretched) {
    button->SetImages(QImage(), solid(10, 10, kNormal), QImage());
    EXPECT_EQ(pixel(5, 5), kNormal);
    EXPECT_NE(pixel(25, 20), kNormal);  // left unpainted
    button->SetImages(QImage(), solid(80, 80, kPressed), QImage());
    EXPECT_EQ(pixel(39, 29), kPressed);
}

TEST_F(ButtonTest, SetBitmapsLoadsArtworkByNumber) {
    button->SetBitmaps(178, 177, 177, 178);
    EXPECT_EQ(button->NormalImage(), artwork::Bitmap(177));
    EXPECT_EQ(button->HoverImage(), artwork::Bitmap(178));
    EXPECT_EQ(button->PressedImage(), artwork::Bitmap(177));
    button->SetShapeFromBitmap(177);
    EXPECT_EQ(button->Shape(), CControlButton::RegionFromImage(artwork::Bitmap(177)));
    EXPECT_EQ(button->sizeHint(), artwork::BitmapSize(177));
    EXPECT_EQ(button->objectName(), "1000");
}

TEST_F(ButtonTest, SameBitmapsInEveryStateLookTheSameAndKeepTheShape) {
    const QImage same = solid(40, 30, kNormal);
    button->SetImages(same, same, same, same);
    EXPECT_FALSE(button->HasShape());
    const QImage before = button->grab().toImage();
    pointerOver(QPoint(5, 5));
    QTRY_VERIFY(button->IsHovering());
    EXPECT_EQ(button->grab().toImage(), before);
    EXPECT_FALSE(button->HasShape());
}

}  // namespace

namespace {

// Readers see a push button named by its accessible name (or its text without the
// mnemonic mark), pressed while held, disabled when greyed, focusable by Tab.
TEST_F(ButtonTest, ReadersSeeAPushButtonWithItsNameAndStates) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(reader->text(QAccessible::Name), "Add");
    button->setAccessibleName("Add files");
    EXPECT_EQ(reader->text(QAccessible::Name), "Add files");
    EXPECT_TRUE(reader->state().focusable);
    EXPECT_FALSE(reader->state().pressed);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(reader->state().pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(reader->state().pressed);
    button->setEnabled(false);
    EXPECT_TRUE(reader->state().disabled);
}

}  // namespace
