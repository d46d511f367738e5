#include "controls/BitmapSlider.h"

#include "controls/SliderAccessible.h"
#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kNormalThumbId = 308;
constexpr int kDraggedThumbId = 309;

// The thumb drawn through `mask`'s transparent colour (its top-left pixel): pixels
// where the mask shows that colour become fully transparent.
QImage maskedThumb(const QImage& picture, const QImage& mask) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mask.pixel(0, 0);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const bool transparent = x >= mask.width() || y >= mask.height() || mask.pixel(x, y) == key;
            if (transparent) out.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return out;
}

}  // namespace

int SliderGeometry::pixelFromValue(int value) const {
    const int range = rangeMax - rangeMin;
    if (range == 0 || track() <= 0) return minPixel();
    const double fraction = static_cast<double>(value - rangeMin) / range;
    return marginLeft + static_cast<int>(track() * fraction) + thumbWidth / 2;
}

int SliderGeometry::valueFromPixel(int x) const {
    const int range = rangeMax - rangeMin;
    if (range == 0 || track() <= 0) return rangeMin;
    return static_cast<int>(rangeMin + static_cast<double>(x - thumbWidth / 2 - marginLeft) / track() * range);
}

std::vector<ChannelPiece> ChannelPieces(const SliderGeometry& geometry, int markMode, int beginMark,
                                        int endMark) {
    const int width = geometry.channelWidth;
    const int xb = geometry.pixelFromValue(beginMark);
    const int xe = geometry.pixelFromValue(endMark);
    std::vector<ChannelPiece> pieces;
    auto add = [&](ChannelPiece::Source source, int x0, int x1) {
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width);
        if (x1 > x0) pieces.push_back(ChannelPiece{source, x0, x1});
    };
    using S = ChannelPiece::Source;
    if (markMode == 1 && beginMark != 0) {
        add(S::Outside, 0, xb);
        add(S::Inside, xb, width);
    } else if (markMode == 2) {
        if (beginMark != 0) add(S::Outside, 0, xb);
        if (endMark == geometry.rangeMax) {
            add(S::Inside, beginMark != 0 ? xb : 0, width);
        } else {
            add(S::Outside, xe, width);
            add(S::Inside, beginMark != 0 ? xb : 0, xe);
        }
    } else {
        add(S::Inside, 0, width);
    }
    return pieces;
}

CBitmapSlider::CBitmapSlider(QWidget* parent, int controlId) : QWidget(parent), m_controlId(controlId) {
    SetControlId(this, controlId);
    setFocusPolicy(Qt::StrongFocus);
    SliderAccessible::Install();  // readers see a slider with a value, not a bare widget
    // Paints every pixel itself; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CBitmapSlider::~CBitmapSlider() = default;

bool CBitmapSlider::SetChannelBitmaps(int outsideId, int insideId) {
    return SetChannelImages(artwork::Bitmap(outsideId), artwork::Bitmap(insideId));
}

bool CBitmapSlider::SetChannelImages(const QImage& outside, const QImage& inside) {
    if (outside.isNull() || inside.isNull()) {
        m_outside = QImage();
        m_inside = QImage();
        m_hasChannel = false;
        update();
        return false;
    }
    m_outside = outside.convertToFormat(QImage::Format_RGB32);
    m_inside = inside.convertToFormat(QImage::Format_RGB32);
    m_outsideSource = m_outside;
    m_insideSource = m_inside;
    m_channelWidth = m_outside.width();
    m_channelHeight = m_outside.height();
    resize(m_channelWidth, m_channelHeight);  // keeps the position
    m_hasChannel = true;
    update();
    return true;
}

namespace {

// `source` at `width`: its two ends (as wide as it is high) kept, the middle
// stretched or squeezed between them.
QImage channelAtWidth(const QImage& source, int width) {
    if (source.width() == width || width <= 0) return source;
    const int end = std::min(source.height(), source.width() / 2);
    QImage result(width, source.height(), source.format());
    QPainter painter(&result);
    const int middle = std::max(0, width - 2 * end);
    painter.drawImage(QRect(0, 0, std::min(end, width), source.height()), source, QRect(0, 0, end, source.height()));
    painter.drawImage(QRect(end, 0, middle, source.height()), source,
                      QRect(end, 0, source.width() - 2 * end, source.height()));
    painter.drawImage(QRect(width - end, 0, end, source.height()), source,
                      QRect(source.width() - end, 0, end, source.height()));
    return result;
}

}  // namespace

void CBitmapSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_hasChannel || width() == m_channelWidth) return;
    m_outside = channelAtWidth(m_outsideSource, width());
    m_inside = channelAtWidth(m_insideSource, width());
    m_channelWidth = width();
    update();
}

bool CBitmapSlider::SetThumbBitmaps() {
    return SetThumbImages(artwork::Bitmap(kNormalThumbId), artwork::Bitmap(kDraggedThumbId));
}

bool CBitmapSlider::SetThumbImages(const QImage& normal, const QImage& dragged) {
    if (normal.isNull() || dragged.isNull()) return false;
    // Both pictures go through the normal thumb's mask, so the dragged look never
    // shows pixels the normal one leaves transparent.
    m_thumb = maskedThumb(normal, normal);
    m_thumbDragged = maskedThumb(dragged, normal);
    m_thumbWidth = normal.width();
    m_thumbHeight = normal.height();
    if (!m_hasChannel) {
        m_channelWidth = width();
        m_channelHeight = height();
    }
    m_hasThumb = true;
    update();
    return true;
}

int CBitmapSlider::clamp(int value) const {
    return std::max(m_rangeMin, std::min(value, m_rangeMax));
}

void CBitmapSlider::SetRange(int rangeMin, int rangeMax, bool redraw) {
    m_rangeMin = rangeMin;
    m_rangeMax = rangeMax;
    m_pos = clamp(m_pos);
    if (redraw) update();
}

void CBitmapSlider::SetRangeMin(int rangeMin, bool redraw) { SetRange(rangeMin, m_rangeMax, redraw); }
void CBitmapSlider::SetRangeMax(int rangeMax, bool redraw) { SetRange(m_rangeMin, rangeMax, redraw); }

void CBitmapSlider::SetPos(int pos) {
    m_pos = clamp(pos);
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, m_pos);
        QAccessible::updateAccessibility(&changed);
    }
}

void CBitmapSlider::SetMargins(int left, int top, int right, int bottom) {
    m_marginLeft = left;
    m_marginTop = top;
    m_marginRight = right;
    m_marginBottom = bottom;
    update();
}

void CBitmapSlider::SetBeginMark(int value) {
    m_beginMark = clamp(value);
    update();
}

void CBitmapSlider::SetEndMark(int value) {
    m_endMark = clamp(value);
    update();
}

void CBitmapSlider::SetMarkMode(int mode) {
    m_markMode = std::clamp(mode, 0, 2);
    update();
}

SliderGeometry CBitmapSlider::Geometry() const {
    return SliderGeometry{m_rangeMin, m_rangeMax, m_channelWidth, m_thumbWidth, m_marginLeft, m_marginRight};
}

QSize CBitmapSlider::sizeHint() const {
    return m_hasChannel ? QSize(m_channelWidth, m_channelHeight) : QSize(100, 17);
}

void CBitmapSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    if (m_hasChannel) {
        for (const ChannelPiece& piece : ChannelPieces(Geometry(), m_markMode, m_beginMark, m_endMark)) {
            const QImage& source = piece.source == ChannelPiece::Inside ? m_inside : m_outside;
            const QRect columns(piece.x0, 0, piece.x1 - piece.x0, m_channelHeight);
            painter.drawImage(columns, source, columns);
        }
    }
    if (m_hasThumb) {
        const int x = Geometry().pixelFromValue(m_pos) - m_thumbWidth / 2;
        painter.drawImage(QPoint(x, m_marginTop), m_dragging ? m_thumbDragged : m_thumb);
    }
    if (m_drawFocusRect && m_hasFocus && isEnabled()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    const int x = qRound(event->position().x());
    // Grabbing the thumb keeps the grip offset; a click on the channel centres the
    // thumb under the pointer.
    const int error = x - Geometry().pixelFromValue(m_pos);
    m_dragOffset = std::abs(error) > m_thumbWidth / 2 ? 0 : error;
    moveTo(x);
    update();
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return QWidget::mouseMoveEvent(event);
    moveTo(qRound(event->position().x()));
}

void CBitmapSlider::moveTo(int pointerX) {
    const SliderGeometry geometry = Geometry();
    // Written so a channel narrower than the thumb pins at the left end rather
    // than handing std::clamp an empty interval.
    const int x = std::max(geometry.minPixel(), std::min(pointerX - m_dragOffset, geometry.maxPixel()));
    if (x == geometry.pixelFromValue(m_pos)) return;
    // The right end of the travel (maxPixel) lies one pixel beyond pixel(max) for
    // an odd thumb width, and value(pixel(v)) can fall one short of v: report only
    // a real change, or a pinned thumb would report on every move.
    const int pos = clamp(geometry.valueFromPixel(x));
    if (pos == m_pos) return;
    SetPos(pos);
    emit sliderMoving(m_controlId, m_pos);
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging) return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    update();
    emit sliderMoved(m_controlId, m_pos);
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event) {
    long long target;  // wide, so pos +/- page cannot overflow before clamping
    switch (event->key()) {
    case Qt::Key_PageUp: target = m_pos - m_page; break;
    case Qt::Key_PageDown: target = m_pos + m_page; break;
    case Qt::Key_End: target = m_rangeMax; break;
    case Qt::Key_Home: target = m_rangeMin; break;
    case Qt::Key_Right:
    case Qt::Key_Down: target = m_pos + 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: target = m_pos - 1; break;
    default: return QWidget::keyPressEvent(event);  // passed on to the owner
    }
    SetPos(static_cast<int>(std::max<long long>(m_rangeMin, std::min<long long>(target, m_rangeMax))));
    // Reported for every navigation key, moved or not.
    emit sliderMoved(m_controlId, m_pos);
}

void CBitmapSlider::focusInEvent(QFocusEvent* event) {
    m_hasFocus = true;
    update();
    QWidget::focusInEvent(event);
}

void CBitmapSlider::focusOutEvent(QFocusEvent* event) {
    m_hasFocus = false;
    update();
    QWidget::focusOutEvent(event);
}
