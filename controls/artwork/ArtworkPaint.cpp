#include "controls/artwork/ArtworkPaint.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artwork::paint {
namespace {

// ---- The skin's palette: a calm grey-green with one green accent. Nothing
// inside a button is pure white, because pure white means "not button". ----
const QColor kPanel(0xEE, 0xF3, 0xEC);
const QColor kPanelDark(0xDC, 0xE6, 0xD9);
const QColor kAccent(0x3C, 0x9A, 0x5F);
const QColor kAccentLight(0x5C, 0xC5, 0x83);
const QColor kAccentDark(0x2A, 0x7A, 0x49);
const QColor kInk(0x2F, 0x3B, 0x34);
const QColor kNearWhite(0xFA, 0xFC, 0xF9);
const QColor kGreyFace(0xE2, 0xE4, 0xE2);
const QColor kGreyInk(0xA4, 0xA8, 0xA5);
const QColor kDanger(0xD9, 0x53, 0x4F);

QImage blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QFont captionFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A caption of another language may be longer than the English one the button
// was drawn for: it is drawn smaller until it fits (the tooltip names the button
// in full), and cut with an ellipsis only below a readable size.
void drawFittedCaption(QPainter& p, const QRectF& place, const QFont& font, const QString& caption) {
    const FittedCaption fitted = FitCaption(font, caption, place);
    p.setFont(fitted.font);
    if (fitted.lines.size() > 1) {
        p.drawText(place, Qt::AlignCenter, fitted.lines.join(QLatin1Char('\n')));
        return;
    }
    const QString shown = QFontMetricsF(fitted.font).elidedText(fitted.lines.value(0), Qt::ElideRight, place.width());
    p.drawText(place, Qt::AlignCenter, shown);
}

}  // namespace

QFont FittedCaptionFont(QFont font, const QString& caption, qreal width) {
    constexpr int kSmallestPixels = 8;
    while (font.pixelSize() > kSmallestPixels && QFontMetricsF(font).horizontalAdvance(caption) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

FittedCaption FitCaption(const QFont& font, const QString& caption, const QRectF& place) {
    constexpr QChar kSoftHyphen(0x00AD);
    QString whole = caption;
    whole.remove(kSoftHyphen);
    const QFont single = FittedCaptionFont(font, whole, place.width());
    const int at = caption.indexOf(kSoftHyphen);
    if (at < 0 || QFontMetricsF(single).horizontalAdvance(whole) <= place.width()) return {single, {whole}};
    const QStringList lines{caption.left(at).remove(kSoftHyphen) + QLatin1Char('-'), caption.mid(at + 1).remove(kSoftHyphen)};
    const QFontMetricsF metrics(font);
    const QString longer = metrics.horizontalAdvance(lines[0]) >= metrics.horizontalAdvance(lines[1]) ? lines[0] : lines[1];
    QFont two = FittedCaptionFont(font, longer, place.width());
    while (two.pixelSize() > 8 && 2 * QFontMetricsF(two).height() > place.height()) two.setPixelSize(two.pixelSize() - 1);
    return {two, lines};
}

namespace {

QPainterPath faceOutline(Face face, const QRectF& r) {
    QPainterPath path;
    switch (face) {
    case Face::Tile: path.addRoundedRect(r, 8, 8); break;
    case Face::Pill:
    case Face::Accent: path.addRoundedRect(r, r.height() / 2, r.height() / 2); break;
    case Face::Square: path.addRect(r); break;
    case Face::Circle:
    case Face::Round: path.addEllipse(r); break;
    }
    return path;
}

struct FaceColours {
    QColor top, bottom, border, ink;
};

FaceColours coloursFor(const ButtonArt& art) {
    if (art.look == Look::Disabled) return {QColor(0xEC, 0xED, 0xEC), kGreyFace, QColor(0xC4, 0xC8, 0xC5), kGreyInk};
    const bool hover = art.look == Look::Hover;
    switch (art.face) {
    case Face::Accent:
    case Face::Round:
        return hover ? FaceColours{kAccentLight, kAccent, kAccentDark, kNearWhite}
                     : FaceColours{QColor(0x4C, 0xB0, 0x71), kAccentDark, QColor(0x23, 0x6A, 0x3F), kNearWhite};
    case Face::Circle:
        if (art.glyph == Glyph::Close && hover) return {QColor(0xEA, 0x7A, 0x76), kDanger, QColor(0xB0, 0x3A, 0x36), kNearWhite};
        return hover ? FaceColours{kAccentLight, kAccent, kAccentDark, kNearWhite}
                     : FaceColours{QColor(0xD3, 0xDC, 0xD4), QColor(0xB7, 0xC3, 0xB9), QColor(0x93, 0xA2, 0x96), kInk};
    default:
        return hover ? FaceColours{QColor(0xF4, 0xFB, 0xF2), QColor(0xD2, 0xEA, 0xD4), kAccent, kAccentDark}
                     : FaceColours{kNearWhite, QColor(0xE1, 0xE9, 0xDF), QColor(0xB4, 0xC3, 0xB1), kAccent};
    }
}

void strokeLine(QPainter& p, const QColor& ink, qreal width, const QPointF& a, const QPointF& b) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void drawGear(QPainter& p, const QRectF& box, const QColor& ink) {
    const QPointF c = box.center();
    const qreal outer = box.width() / 2, inner = outer * 0.72;
    QPainterPath teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * M_PI / 8;
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0) teeth.moveTo(point); else teeth.lineTo(point);
    }
    teeth.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, outer * 0.32, outer * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(teeth.subtracted(hole));
}

void drawFolder(QPainter& p, const QRectF& b, const QColor& ink, bool open) {
    QPainterPath folder;
    folder.moveTo(b.left(), b.top() + b.height() * 0.15);
    folder.lineTo(b.left() + b.width() * 0.4, b.top() + b.height() * 0.15);
    folder.lineTo(b.left() + b.width() * 0.5, b.top() + b.height() * 0.3);
    folder.lineTo(b.right(), b.top() + b.height() * 0.3);
    folder.lineTo(b.right(), b.bottom());
    folder.lineTo(b.left(), b.bottom());
    folder.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(folder);
    if (open) {
        const QColor paper = ink.lightness() > 128 ? kAccentDark : kNearWhite;
        strokeLine(p, paper, 1.6, QPointF(b.center().x() - 3, b.center().y() + 4), QPointF(b.center().x() + 4, b.center().y() - 3));
        strokeLine(p, paper, 1.6, QPointF(b.center().x() + 4, b.center().y() - 3), QPointF(b.center().x(), b.center().y() - 3));
        strokeLine(p, paper, 1.6, QPointF(b.center().x() + 4, b.center().y() - 3), QPointF(b.center().x() + 4, b.center().y() + 1));
    }
}

void drawFilm(QPainter& p, const QRectF& b, const QColor& ink) {
    const qreal w = b.width(), h = b.height();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath film;
    film.addRoundedRect(b, 2, 2);
    QPainterPath holes;
    for (int i = 0; i < 4; ++i) {
        const qreal y = b.top() + 2 + i * (h - 4) / 4;
        holes.addRect(b.left() + 1.5, y, w * 0.12, h / 8);
        holes.addRect(b.right() - 1.5 - w * 0.12, y, w * 0.12, h / 8);
    }
    holes.addRect(b.left() + w * 0.3, b.top() + 2, w * 0.4, h - 4);
    p.drawPath(film.subtracted(holes));
}

void drawConvert(QPainter& p, const QRectF& b, const QColor& ink, qreal stroke) {
    const qreal w = b.width(), h = b.height();
    const QPointF c = b.center();
    p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring = b.adjusted(w * 0.1, h * 0.1, -w * 0.1, -h * 0.1);
    p.drawArc(ring, 30 * 16, 140 * 16);
    p.drawArc(ring, 210 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal s = w * 0.22;
    p.drawPolygon(QPolygonF({QPointF(ring.left() - s * 0.6, c.y() - s * 0.2), QPointF(ring.left() + s * 0.6, c.y() - s * 0.2), QPointF(ring.left(), c.y() + s * 0.7)}));
    p.drawPolygon(QPolygonF({QPointF(ring.right() - s * 0.6, c.y() + s * 0.2), QPointF(ring.right() + s * 0.6, c.y() + s * 0.2), QPointF(ring.right(), c.y() - s * 0.7)}));
}

void drawLetter(QPainter& p, Glyph glyph, const QRectF& b, const QColor& ink) {
    const qreal h = b.height();
    QFont font = captionFont(static_cast<int>(h * 1.05), true);
    if (glyph == Glyph::Info) font.setFamily(QStringLiteral("DejaVu Serif"));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(b.adjusted(-4, -4, 4, 4), Qt::AlignCenter, glyph == Glyph::Info ? QStringLiteral("i") : QStringLiteral("?"));
}

void drawDocument(QPainter& p, const QRectF& b, const QColor& ink) {
    const qreal w = b.width(), h = b.height();
    QPainterPath page;
    page.moveTo(b.left() + w * 0.15, b.top());
    page.lineTo(b.right() - w * 0.3, b.top());
    page.lineTo(b.right() - w * 0.15, b.top() + h * 0.2);
    page.lineTo(b.right() - w * 0.15, b.bottom());
    page.lineTo(b.left() + w * 0.15, b.bottom());
    page.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(page);
    const QColor paper = ink.lightness() > 150 ? kAccentDark : kNearWhite;
    for (int i = 0; i < 3; ++i) {
        const qreal y = b.top() + h * (0.4 + 0.17 * i);
        strokeLine(p, paper, 1.4, QPointF(b.left() + w * 0.3, y), QPointF(b.right() - w * 0.3, y));
    }
}

void drawSpeaker(QPainter& p, const QRectF& b, const QColor& ink) {
    const qreal w = b.width(), h = b.height();
    const QPointF c = b.center();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(b.left(), c.y() - h * 0.18), QPointF(b.left() + w * 0.25, c.y() - h * 0.18),
                             QPointF(b.left() + w * 0.5, b.top()), QPointF(b.left() + w * 0.5, b.bottom()),
                             QPointF(b.left() + w * 0.25, c.y() + h * 0.18), QPointF(b.left(), c.y() + h * 0.18)}));
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(b.left() + w * 0.3, b.top() + h * 0.2, w * 0.4, h * 0.6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(b.left() + w * 0.2, b.top(), w * 0.75, h), -50 * 16, 100 * 16);
}

void drawGlyph(QPainter& p, Glyph glyph, const QRectF& b, const QColor& ink) {
    const qreal w = b.width(), h = b.height();
    const QPointF c = b.center();
    const qreal stroke = std::max<qreal>(1.6, w / 9);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::None: break;
    case Glyph::Plus:
        strokeLine(p, ink, stroke * 1.2, QPointF(c.x(), b.top()), QPointF(c.x(), b.bottom()));
        strokeLine(p, ink, stroke * 1.2, QPointF(b.left(), c.y()), QPointF(b.right(), c.y()));
        break;
    case Glyph::Minus:
    case Glyph::Minimise:
        strokeLine(p, ink, stroke * 1.2, QPointF(b.left(), c.y()), QPointF(b.right(), c.y()));
        break;
    case Glyph::Close:
    case Glyph::Clear:
        strokeLine(p, ink, stroke * 1.1, b.topLeft(), b.bottomRight());
        strokeLine(p, ink, stroke * 1.1, b.topRight(), b.bottomLeft());
        break;
    case Glyph::Film: drawFilm(p, b, ink); break;
    case Glyph::Convert: drawConvert(p, b, ink, stroke); break;
    case Glyph::Merge:
        p.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(b.left(), b.top()), QPointF(c.x(), c.y()));
        p.drawLine(QPointF(b.left(), b.bottom()), QPointF(c.x(), c.y()));
        p.drawLine(QPointF(c.x(), c.y()), QPointF(b.right(), c.y()));
        p.drawLine(QPointF(b.right() - w * 0.25, c.y() - h * 0.25), QPointF(b.right(), c.y()));
        p.drawLine(QPointF(b.right() - w * 0.25, c.y() + h * 0.25), QPointF(b.right(), c.y()));
        break;
    case Glyph::Folder: drawFolder(p, b, ink, false); break;
    case Glyph::FolderOpen: drawFolder(p, b, ink, true); break;
    case Glyph::Question:
    case Glyph::Info: drawLetter(p, glyph, b, ink); break;
    case Glyph::Document: drawDocument(p, b, ink); break;
    case Glyph::Gear: drawGear(p, b, ink); break;
    case Glyph::Play:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({QPointF(b.left() + w * 0.18, b.top()), QPointF(b.right(), c.y()), QPointF(b.left() + w * 0.18, b.bottom())}));
        break;
    case Glyph::Pause:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(QRectF(b.left() + w * 0.1, b.top(), w * 0.28, h));
        p.drawRect(QRectF(b.right() - w * 0.38, b.top(), w * 0.28, h));
        break;
    case Glyph::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRect(b.adjusted(w * 0.08, h * 0.08, -w * 0.08, -h * 0.08));
        break;
    case Glyph::Speaker: drawSpeaker(p, b, ink); break;
    }
}

}  // namespace

QRectF CaptionPlace(const ButtonArt& art) {
    // Clear of the tile's frame and the focus frame drawn over it ("Hinzufügen"
    // touched both edges).
    if (art.face == Face::Tile)
        return QRectF(kCaptionMargin, art.height * 0.62, art.width - 2 * kCaptionMargin, art.height * 0.32);
    // Right of the glyph, which sits a little in from the left edge.
    const qreal glyphRight = art.height * 0.45 + art.height * 0.45;
    return QRectF(glyphRight + 4, 0, art.width - glyphRight - 4 - art.height * 0.3, art.height);
}

QFont CaptionFont(const ButtonArt& art) {
    if (art.face == Face::Tile) return captionFont(11, false);
    return captionFont(art.face == Face::Pill ? 11 : 13, art.face != Face::Pill);
}

QImage Button(const ButtonArt& art) {
    QImage image = blank(art.width, art.height, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const FaceColours colours = coloursFor(art);
    const QRectF outer(0.5, 0.5, art.width - 1.0, art.height - 1.0);
    QLinearGradient fill(0, 0, 0, art.height);
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    p.setPen(QPen(colours.border, art.look == Look::Hover && art.face == Face::Tile ? 1.6 : 1.0));
    p.setBrush(fill);
    p.drawPath(faceOutline(art.face, outer));

    const QString caption = QCoreApplication::translate("Artwork", art.caption);
    if (art.face == Face::Tile) {
        const qreal glyph = std::min(art.width, art.height) * 0.38;
        const QRectF box((art.width - glyph) / 2, art.height * 0.14, glyph, glyph);
        drawGlyph(p, art.glyph, box, colours.ink);
        p.setPen(art.look == Look::Disabled ? kGreyInk : kInk);
        drawFittedCaption(p, CaptionPlace(art), CaptionFont(art), caption);
    } else if (caption.isEmpty()) {
        const qreal glyph = std::min(art.width, art.height) * (art.face == Face::Round ? 0.42 : 0.45);
        QRectF box((art.width - glyph) / 2, (art.height - glyph) / 2, glyph, glyph);
        if (art.glyph == Glyph::Play) box.translate(glyph * 0.08, 0);
        drawGlyph(p, art.glyph, box, colours.ink);
    } else {
        const qreal glyph = art.height * 0.45;
        const QRectF box(art.height * 0.45, (art.height - glyph) / 2, glyph, glyph);
        drawGlyph(p, art.glyph, box, colours.ink);
        p.setPen(colours.ink == kAccent ? kInk : colours.ink);
        drawFittedCaption(p, CaptionPlace(art), CaptionFont(art), caption);
    }
    return image;
}

QImage GlyphPicture(int width, int height, Glyph glyph) {
    QImage image = blank(width, height, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, glyph, QRectF(2, 2, width - 4.0, height - 4.0), kInk);
    return image;
}

QImage Channel(int width, int height, bool inside) {
    QImage image = blank(width, height, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal grooveHeight = 5;
    const QRectF groove(1.5, (height - grooveHeight) / 2, width - 3.0, grooveHeight);
    p.setPen(QPen(inside ? kAccentDark : QColor(0xA9, 0xB6, 0xAB), 1));
    QLinearGradient fill(0, groove.top(), 0, groove.bottom());
    fill.setColorAt(0, inside ? kAccent : QColor(0xC4, 0xCE, 0xC5));
    fill.setColorAt(1, inside ? kAccentLight : QColor(0xD8, 0xE0, 0xD8));
    p.setBrush(fill);
    p.drawRoundedRect(groove, 2.5, 2.5);
    return image;
}

QImage Thumb(bool dragged) {
    QImage image = blank(23, 11, Qt::magenta);
    QPainter p(&image);
    // No antialiasing: every pixel is either thumb or exactly the transparent colour.
    p.setPen(dragged ? kAccentDark : QColor(0x6F, 0x80, 0x73));
    p.setBrush(dragged ? kAccent : kNearWhite);
    p.drawRoundedRect(QRect(0, 0, 22, 10), 4, 4);
    p.setPen(dragged ? kNearWhite : QColor(0x8E, 0x9C, 0x91));
    for (int x = 8; x <= 14; x += 3) p.drawLine(x, 3, x, 7);
    return image;
}

QImage HeaderImages() {
    QImage image = blank(48, 16, Qt::magenta);
    QPainter p(&image);
    for (int cell = 1; cell <= 2; ++cell) {
        const QRect box(cell * 16 + 2, 2, 11, 11);
        p.setPen(QColor(0x5E, 0x6E, 0x62));
        p.setBrush(kNearWhite);
        p.drawRect(box);
        if (cell == 2) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(kAccentDark, 2));
            p.drawLine(box.left() + 3, box.top() + 6, box.left() + 5, box.top() + 8);
            p.drawLine(box.left() + 5, box.top() + 8, box.left() + 9, box.top() + 3);
        }
    }
    return image;
}

QImage MainBackground(int width, int height) {
    QImage image = blank(width, height, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(0xF3, 0xF7, 0xF1));
    body.setColorAt(1, kPanelDark);
    p.fillRect(image.rect(), body);
    // Title band with the product name; the window has no caption bar of its own.
    const int band = height / 12;
    QLinearGradient title(0, 0, width, 0);
    title.setColorAt(0, kAccentDark);
    title.setColorAt(1, kAccent);
    p.fillRect(QRect(0, 0, width, band), title);
    p.setPen(kNearWhite);
    p.setFont(captionFont(band * 5 / 9, true));
    p.drawText(QRect(band / 2, 0, width, band), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Korbanix"));
    p.setPen(QColor(0xC0, 0xCC, 0xC2));
    p.drawLine(0, height - 1, width, height - 1);
    return image;
}

QImage ClipBackground(int width, int height) {
    QImage image = blank(width, height, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(0xF3, 0xF7, 0xF1));
    body.setColorAt(1, kPanelDark);
    p.fillRect(image.rect(), body);
    // A dark stage behind the picture area (template: 3,9 278x148 of 285x275).
    const QRectF stage(width * 2.0 / 285, height * 7.0 / 275, width * 281.0 / 285, height * 152.0 / 275);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x2E, 0x29));
    p.drawRoundedRect(stage, 6, 6);
    return image;
}

QImage AboutBanner(int width, int height) {
    QImage image = blank(width, height, kAccent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fill(0, 0, width, height);
    fill.setColorAt(0, kAccentDark);
    fill.setColorAt(1, kAccentLight);
    p.fillRect(image.rect(), fill);
    // Soft rings on the right for depth.
    p.setPen(QPen(QColor(255, 255, 255, 40), 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(width * 0.86, height * 0.5), height * 0.9, height * 0.9);
    p.drawEllipse(QPointF(width * 0.86, height * 0.5), height * 0.45, height * 0.45);
    const QImage icon = AppIcon(height - 24);
    p.drawImage(12, 12, icon);
    p.setPen(kNearWhite);
    p.setFont(captionFont(height * 2 / 5, true));
    p.drawText(QRect(height, 8, width - height, height / 2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Korbanix"));
    p.setFont(captionFont(height / 6, false));
    p.drawText(QRect(height + 2, height / 2 + 10, width - height, height / 3), Qt::AlignLeft | Qt::AlignTop,
               QCoreApplication::translate("Artwork", "Media converter for your devices"));
    return image;
}

QImage AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintAppIcon(p, size);
    return image;
}

void PaintAppIcon(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, kAccentLight);
    fill.setColorAt(1, kAccentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, size * 0.22, size * 0.22);
    // Two arrows turning one into the other, with a play triangle in the middle.
    p.setPen(QPen(kNearWhite, std::max(1.0, size * 0.07), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = r.adjusted(size * 0.18, size * 0.18, -size * 0.18, -size * 0.18);
    p.drawArc(ring, 40 * 16, 120 * 16);
    p.drawArc(ring, 220 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kNearWhite);
    const QPointF c = r.center();
    const qreal t = size * 0.16;
    p.drawPolygon(QPolygonF({QPointF(c.x() - t * 0.7, c.y() - t), QPointF(c.x() + t, c.y()), QPointF(c.x() - t * 0.7, c.y() + t)}));
}

QImage HandCursor() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 1, 5, 15), 2.5, 2.5);     // pointing finger
    hand.addRoundedRect(QRectF(13, 8, 4.5, 9), 2.2, 2.2);   // folded fingers
    hand.addRoundedRect(QRectF(17.5, 9, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(22, 10, 4, 9), 2, 2);
    hand.addRoundedRect(QRectF(8, 13, 18, 14), 5, 5);       // palm
    QPainterPath thumb;
    thumb.moveTo(9, 22);
    thumb.lineTo(3, 15);
    thumb.quadTo(1, 12, 4, 12);
    thumb.lineTo(10, 17);
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(0xFC, 0xFC, 0xFC));
    p.drawPath(hand);
    return image;
}

}  // namespace artwork::paint
