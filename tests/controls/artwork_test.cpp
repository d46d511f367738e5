// The artwork: every number the windows use exists with the promised size and
// transparent colour, and the pictures of one button agree in size and shape.
#include "controls/ControlButton.h"
#include "controls/artwork/Artwork.h"

#include "tests/support/QtTestApp.h"

#include <QRegion>

namespace {

struct ButtonSet {
    int shape;  // 0: no shape bitmap
    std::vector<int> pictures;
};

// The main window's and clip dialog's buttons: shape bitmap and every picture.
const ButtonSet kButtonSets[] = {
    {177, {178, 177}},      {280, {226, 180, 280}}, {186, {185, 186, 279}}, {204, {204}},
    {199, {199}},           {181, {182, 181}},      {229, {188, 189, 229}}, {269, {269, 191, 212}},
    {209, {210, 209}},      {207, {208, 207}},      {253, {253, 254}},      {0, {286, 295, 296}},
    {261, {244, 243, 261}}, {196, {196, 197, 200}}, {301, {302, 310, 301}}, {303, {304, 303}},
    {293, {293}},
};

int whitePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    return count;
}

TEST(ArtworkTest, FixedSizesAndTransparentColours) {
    EXPECT_EQ(artwork::BitmapSize(308), QSize(23, 11));
    EXPECT_EQ(artwork::BitmapSize(309), QSize(23, 11));
    EXPECT_EQ(artwork::Bitmap(308).pixelColor(0, 0), QColor(Qt::magenta));
    EXPECT_EQ(artwork::BitmapSize(292), QSize(48, 16));
    EXPECT_EQ(artwork::BitmapSize(311), QSize(423, 455));
    EXPECT_EQ(artwork::BitmapSize(249), QSize(408, 86));
    EXPECT_FALSE(artwork::Bitmap(290).isNull());
    const QImage header = artwork::Bitmap(292);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(header.pixelColor(x, y), QColor(Qt::magenta));  // image 0 blank
    EXPECT_NE(header.copy(16, 0, 16, 16), header.copy(32, 0, 16, 16));  // empty box vs tick
    EXPECT_TRUE(artwork::Bitmap(12345).isNull());
    EXPECT_FALSE(artwork::BitmapSize(12345).isValid());
}

TEST(ArtworkTest, SliderChannelsComeInPairsOfOneSizeThatHoldTheThumb) {
    for (auto [outside, inside] : {std::pair{306, 307}, std::pair{300, 299}, std::pair{314, 319}}) {
        EXPECT_EQ(artwork::BitmapSize(outside), artwork::BitmapSize(inside)) << outside;
        EXPECT_GE(artwork::BitmapSize(outside).height(), 3 + 11) << outside;
        EXPECT_NE(artwork::Bitmap(outside), artwork::Bitmap(inside)) << outside;
    }
}

TEST(ArtworkTest, EveryPictureOfAButtonSharesItsShapesSizeAndOutline) {
    for (const ButtonSet& set : kButtonSets) {
        const int reference = set.shape ? set.shape : set.pictures.front();
        const QImage shape = artwork::Bitmap(reference);
        ASSERT_FALSE(shape.isNull()) << reference;
        const QRegion region = CControlButton::RegionFromImage(shape);
        EXPECT_FALSE(region.isEmpty()) << reference;
        for (int id : set.pictures) {
            const QImage picture = artwork::Bitmap(id);
            ASSERT_EQ(picture.size(), shape.size()) << id;
            // Same outline: the pictures differ from the shape by antialiased edge pixels at most.
            const QRegion difference = CControlButton::RegionFromImage(picture).xored(region);
            int differing = 0;
            for (const QRect& rect : difference) differing += rect.width() * rect.height();
            EXPECT_LE(differing, shape.width() + shape.height()) << id;
        }
    }
}

TEST(ArtworkTest, ButtonsWithoutAShapeBitmapFillTheirWholeRectangle) {
    for (int id : {286, 295, 296}) EXPECT_EQ(whitePixels(artwork::Bitmap(id)), 0) << id;
}

TEST(ArtworkTest, EveryListedNumberHasAPictureAndTheIconAndCursorExist) {
    for (int id : artwork::BitmapIds()) {
        const QImage image = artwork::Bitmap(id);
        ASSERT_FALSE(image.isNull()) << id;
        EXPECT_EQ(image, artwork::Bitmap(id)) << id;
    }
    EXPECT_FALSE(artwork::Icon(266).isNull());
    EXPECT_FALSE(artwork::Icon(266).availableSizes().isEmpty());
    const QCursor hand = artwork::Cursor(262);
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(artwork::Cursor(1).shape(), Qt::ArrowCursor);
}

}  // namespace
