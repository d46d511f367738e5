#include "controls/artwork/Artwork.h"

#include "controls/artwork/ArtworkPaint.h"
#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>
#include <functional>

namespace artwork {
namespace {

using paint::ButtonArt;
using paint::Face;
using paint::Glyph;
using paint::Look;

// Sizes of the button families; every picture of one button shares its size.
constexpr int kTileW = 64, kTileH = 60;     // toolbar tiles
constexpr int kWideW = 116, kWideH = 40;    // Convert and Merge
constexpr int kPillW = 84, kPillH = 26;     // Browse, Find Target
constexpr int kDotSize = 22;                // Close, Minimise, About
constexpr int kPlaySize = 36;               // Play/Pause, Stop

struct ButtonRow {
    int id;
    ButtonArt art;
};

// One row per button picture, grouped by the button that uses it.
const ButtonRow kButtons[] = {
    // Add 1000: hover 178, normal 177 (also the shape)
    {177, {kTileW, kTileH, Face::Tile, Glyph::Plus, QT_TRANSLATE_NOOP("Artwork", "Add"), Look::Normal}},
    {178, {kTileW, kTileH, Face::Tile, Glyph::Plus, QT_TRANSLATE_NOOP("Artwork", "Add"), Look::Hover}},
    // Clip 1001: hover 226, normal 180, disabled and shape 280
    {180, {kTileW, kTileH, Face::Tile, Glyph::Film, QT_TRANSLATE_NOOP("Artwork", "Clip"), Look::Normal}},
    {226, {kTileW, kTileH, Face::Tile, Glyph::Film, QT_TRANSLATE_NOOP("Artwork", "Clip"), Look::Hover}},
    {280, {kTileW, kTileH, Face::Tile, Glyph::Film, QT_TRANSLATE_NOOP("Artwork", "Clip"), Look::Disabled}},
    // Convert 1004: hover 185, normal and shape 186, disabled 279
    {185, {kWideW, kWideH, Face::Accent, Glyph::Convert, QT_TRANSLATE_NOOP("Artwork", "Convert"), Look::Hover}},
    {186, {kWideW, kWideH, Face::Accent, Glyph::Convert, QT_TRANSLATE_NOOP("Artwork", "Convert"), Look::Normal}},
    {279, {kWideW, kWideH, Face::Accent, Glyph::Convert, QT_TRANSLATE_NOOP("Artwork", "Convert"), Look::Disabled}},
    // Find Target 1005 and Browse 1076: one picture each
    {204, {kPillW, kPillH, Face::Pill, Glyph::FolderOpen, QT_TRANSLATE_NOOP("Artwork", "Open"), Look::Normal}},
    {199, {kPillW, kPillH, Face::Pill, Glyph::Folder, QT_TRANSLATE_NOOP("Artwork", "Browse"), Look::Normal}},
    // Help 1090: hover 182, normal and shape 181
    {181, {kTileW, kTileH, Face::Tile, Glyph::Question, QT_TRANSLATE_NOOP("Artwork", "Help"), Look::Normal}},
    {182, {kTileW, kTileH, Face::Tile, Glyph::Question, QT_TRANSLATE_NOOP("Artwork", "Help"), Look::Hover}},
    // Cut 1092 (removes a task): hover 188, normal 189, disabled and shape 229
    {188, {kTileW, kTileH, Face::Tile, Glyph::Minus, QT_TRANSLATE_NOOP("Artwork", "Remove"), Look::Hover}},
    {189, {kTileW, kTileH, Face::Tile, Glyph::Minus, QT_TRANSLATE_NOOP("Artwork", "Remove"), Look::Normal}},
    {229, {kTileW, kTileH, Face::Tile, Glyph::Minus, QT_TRANSLATE_NOOP("Artwork", "Remove"), Look::Disabled}},
    // Empty 1095: hover and shape 269, normal 191, disabled 212
    {191, {kTileW, kTileH, Face::Tile, Glyph::Clear, QT_TRANSLATE_NOOP("Artwork", "Clear"), Look::Normal}},
    {269, {kTileW, kTileH, Face::Tile, Glyph::Clear, QT_TRANSLATE_NOOP("Artwork", "Clear"), Look::Hover}},
    {212, {kTileW, kTileH, Face::Tile, Glyph::Clear, QT_TRANSLATE_NOOP("Artwork", "Clear"), Look::Disabled}},
    // Close 1096, Minimise 1097, About 1098
    {209, {kDotSize, kDotSize, Face::Circle, Glyph::Close, "", Look::Normal}},
    {210, {kDotSize, kDotSize, Face::Circle, Glyph::Close, "", Look::Hover}},
    {207, {kDotSize, kDotSize, Face::Circle, Glyph::Minimise, "", Look::Normal}},
    {208, {kDotSize, kDotSize, Face::Circle, Glyph::Minimise, "", Look::Hover}},
    {254, {kDotSize, kDotSize, Face::Circle, Glyph::Info, "", Look::Normal}},
    {253, {kDotSize, kDotSize, Face::Circle, Glyph::Info, "", Look::Hover}},
    // Merge 1099 has no shape bitmap, so its pictures fill their whole rectangle.
    {286, {kWideW, kWideH, Face::Square, Glyph::Merge, QT_TRANSLATE_NOOP("Artwork", "Merge"), Look::Hover}},
    {295, {kWideW, kWideH, Face::Square, Glyph::Merge, QT_TRANSLATE_NOOP("Artwork", "Merge"), Look::Normal}},
    {296, {kWideW, kWideH, Face::Square, Glyph::Merge, QT_TRANSLATE_NOOP("Artwork", "Merge"), Look::Disabled}},
    // File Infomation 1102: hover 244, normal 243, disabled and shape 261
    {243, {kTileW, kTileH, Face::Tile, Glyph::Document, QT_TRANSLATE_NOOP("Artwork", "Info"), Look::Normal}},
    {244, {kTileW, kTileH, Face::Tile, Glyph::Document, QT_TRANSLATE_NOOP("Artwork", "Info"), Look::Hover}},
    {261, {kTileW, kTileH, Face::Tile, Glyph::Document, QT_TRANSLATE_NOOP("Artwork", "Info"), Look::Disabled}},
    // Setting 1115: hover and shape 196, normal 197, disabled 200
    {196, {kTileW, kTileH, Face::Tile, Glyph::Gear, QT_TRANSLATE_NOOP("Artwork", "Settings"), Look::Hover}},
    {197, {kTileW, kTileH, Face::Tile, Glyph::Gear, QT_TRANSLATE_NOOP("Artwork", "Settings"), Look::Normal}},
    {200, {kTileW, kTileH, Face::Tile, Glyph::Gear, QT_TRANSLATE_NOOP("Artwork", "Settings"), Look::Disabled}},
    // Play 1003 / clip Play 1000: play look 302, pause look 310, disabled and shape 301
    {302, {kPlaySize, kPlaySize, Face::Round, Glyph::Play, "", Look::Normal}},
    {310, {kPlaySize, kPlaySize, Face::Round, Glyph::Pause, "", Look::Normal}},
    {301, {kPlaySize, kPlaySize, Face::Round, Glyph::Play, "", Look::Disabled}},
    // Stop 1135 / clip Stop 1001: 304, disabled and shape 303
    {304, {kPlaySize, kPlaySize, Face::Round, Glyph::Stop, "", Look::Normal}},
    {303, {kPlaySize, kPlaySize, Face::Round, Glyph::Stop, "", Look::Disabled}},
};

struct ChannelRow {
    int id;
    int width;
    bool inside;
};

// Slider channels: 17 pixels high, so a thumb at top margin 3 sits centred.
constexpr int kChannelHeight = 17;
const ChannelRow kChannels[] = {
    {306, 280, false}, {307, 280, true},   // main window position slider
    {300, 90, false},  {299, 90, true},    // volume sliders
    {314, 392, false}, {319, 392, true},   // clip dialog position slider
};

QImage paintBitmap(int id) {
    for (const ButtonRow& row : kButtons)
        if (row.id == id) return paint::Button(row.art);
    for (const ChannelRow& row : kChannels)
        if (row.id == id) return paint::Channel(row.width, kChannelHeight, row.inside);
    switch (id) {
    case kBackground: return paint::MainBackground(880, 580);
    case kHeaderImages: return paint::HeaderImages();
    case kThumb: return paint::Thumb(false);
    case kThumbDragged: return paint::Thumb(true);
    case kClipBackground: return paint::ClipBackground(423, 455);
    case kAboutBanner: return paint::AboutBanner(408, 86);
    case 293: return paint::GlyphPicture(24, 20, Glyph::Speaker);  // volume picture 1137
    default: return QImage();
    }
}

QHash<int, QImage>& cache() {
    static QHash<int, QImage> images;
    return images;
}

}  // namespace

QImage Bitmap(int id) {
    QHash<int, QImage>& images = cache();
    // The buttons' captions are painted in the language of the windows: pictures
    // painted in another one are painted again.
    static QString paintedLanguage;
    if (CurrentUiLanguage() != paintedLanguage) {
        images.clear();
        paintedLanguage = CurrentUiLanguage();
    }
    auto found = images.constFind(id);
    if (found != images.constEnd()) return *found;
    QImage image = paintBitmap(id);
    if (!image.isNull()) images.insert(id, image);
    return image;
}

QStringList CutCaptions() {
    QStringList cut;
    for (const ButtonRow& row : kButtons) {
        const QString caption = QCoreApplication::translate("Artwork", row.art.caption);
        if (caption.isEmpty()) continue;
        const QRectF place = paint::CaptionPlace(row.art);
        const paint::FittedCaption fitted = paint::FitCaption(paint::CaptionFont(row.art), caption, place);
        // A caption reaching the button's edge is cut by its frame.
        const bool atTheEdge = place.left() < paint::kCaptionMargin || place.right() > row.art.width - paint::kCaptionMargin;
        const QFontMetricsF metrics(fitted.font);
        bool tooWide = fitted.lines.size() * metrics.height() > place.height();
        for (const QString& line : fitted.lines) tooWide = tooWide || metrics.horizontalAdvance(line) > place.width();
        if (atTheEdge || tooWide) cut << caption;
    }
    cut.removeDuplicates();
    return cut;
}

QPixmap Pixmap(int id) { return QPixmap::fromImage(Bitmap(id)); }

QSize BitmapSize(int id) {
    const QImage image = Bitmap(id);
    return image.isNull() ? QSize() : image.size();
}

std::vector<int> BitmapIds() {
    std::vector<int> ids;
    for (const ButtonRow& row : kButtons) ids.push_back(row.id);
    for (const ChannelRow& row : kChannels) ids.push_back(row.id);
    for (int id : {int(kBackground), int(kHeaderImages), int(kThumb), int(kThumbDragged),
                   int(kClipBackground), int(kAboutBanner), 293})
        ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

QIcon Icon(int id) {
    QIcon icon;
    if (id != kAppIcon) return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(paint::AppIcon(size)));
    return icon;
}

QCursor Cursor(int id) {
    if (id != kHandCursor) return QCursor(Qt::ArrowCursor);
    // The image is cached, the pixmap is not: a static QPixmap would outlive the
    // application object at exit.
    static const QImage hand = paint::HandCursor();
    return QCursor(QPixmap::fromImage(hand), 10, 1);  // hot spot: the finger tip
}

}  // namespace artwork
