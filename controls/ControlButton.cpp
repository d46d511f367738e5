#include "controls/ControlButton.h"

#include "controls/artwork/Artwork.h"
#include "platform/ControlId.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A region that lies wholly outside the widget: Qt treats an empty mask as "no
// mask" (the whole rectangle), so an all-white shape needs a non-empty region
// that covers nothing.
const QRegion kNothing(-2, -2, 1, 1);
constexpr int kFocusRingWidth = 3;

// `area` shrunk by one pixel on every side, `times` times.
QRegion eroded(QRegion area, int times) {
    for (int i = 0; i < times; ++i)
        area = area & area.translated(1, 0) & area.translated(-1, 0) & area.translated(0, 1) &
               area.translated(0, -1);
    return area;
}
}  // namespace

QRegion CControlButton::FocusRing() const {
    const QRegion area = m_hasShape ? m_shape : QRegion(rect());
    return area - eroded(area, kFocusRingWidth);
}

CControlButton::CControlButton(QWidget* parent, int controlId, const QString& text)
    : QPushButton(text, parent), m_controlId(controlId) {
    SetControlId(this, controlId);
    setMouseTracking(true);
    // Tab reaches the button; a click does not take the focus from the list.
    setFocusPolicy(Qt::TabFocus);
    // Command buttons show the hand; windows unsetCursor() where they want the arrow.
    setCursor(artwork::Cursor(artwork::kHandCursor));
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(1);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CControlButton::onHoverTime);
}

void CControlButton::SetBitmaps(int hoverId, int normalId, int pressedId, int spareId) {
    SetImages(artwork::Bitmap(hoverId), artwork::Bitmap(normalId), artwork::Bitmap(pressedId),
              artwork::Bitmap(spareId));
}

void CControlButton::SetImages(const QImage& hover, const QImage& normal, const QImage& pressed,
                               const QImage& spare) {
    m_hover = hover;
    m_normal = normal;
    m_pressed = pressed;
    m_spare = spare;
    update();
}

QRegion CControlButton::RegionFromImage(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QRegion region;
    std::vector<QRect> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        runs.clear();
        for (int x = 0; x < pixels.width();) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < pixels.width() && (row[x] & 0xFFFFFF) != 0xFFFFFF) ++x;
            runs.emplace_back(start, y, x - start, 1);
        }
        if (runs.empty()) continue;
        // One row's runs are sorted, one pixel high and never touch: a valid band.
        QRegion band;
        band.setRects(runs.data(), static_cast<int>(runs.size()));
        region += band;
    }
    return region;
}

void CControlButton::SetShapeFromBitmap(int id) { SetShapeFromImage(artwork::Bitmap(id)); }

void CControlButton::SetShapeFromImage(const QImage& image) {
    if (image.isNull()) {
        // Without a picture the button keeps its whole rectangle.
        m_hasShape = false;
        m_shape = QRegion();
        clearMask();
        setFocusPolicy(Qt::TabFocus);
        update();
        return;
    }
    m_hasShape = true;
    m_shape = RegionFromImage(image);
    setMask(m_shape.isEmpty() ? kNothing : m_shape);
    // An invisible button must not be reachable from the keyboard either.
    setFocusPolicy(m_shape.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    update();
}

QSize CControlButton::sizeHint() const {
    const QImage& picture = m_normal.isNull() ? m_hover : m_normal;
    return picture.isNull() ? QPushButton::sizeHint() : picture.size();
}

void CControlButton::paintEvent(QPaintEvent*) {
    if (m_hasShape && m_shape.isEmpty()) return;
    QPainter painter(this);
    if (m_hasShape) painter.setClipRegion(m_shape);
    // Pictures are copied from their top-left pixel at their own size: cut at the
    // button's edge, never stretched.
    const QImage& base = m_hovering ? m_hover : m_normal;
    if (!base.isNull()) painter.drawImage(QPoint(0, 0), base);
    if (isDown() && !m_pressed.isNull()) painter.drawImage(QPoint(0, 0), m_pressed);
    if (hasFocus()) {
        // The ring follows the button's own outline: black along the edge, where
        // it stands out from the skin's green and pale surfaces alike, and a white
        // line inside it that parts it from dark pictures. Fixed colours: the
        // skin's own colours (green title band, green highlight) would hide it.
        painter.setClipping(false);
        const QRegion area = m_hasShape ? m_shape : QRegion(rect());
        for (const QRect& band : FocusRing()) painter.fillRect(band, Qt::white);
        for (const QRect& band : area - eroded(area, kFocusRingWidth - 1)) painter.fillRect(band, Qt::black);
    }
}

void CControlButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses a focused button as Space does (the window keeps Enter from
    // ending itself, so no default button takes it).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

bool CControlButton::hitButton(const QPoint& pos) const {
    if (m_hasShape) return m_shape.contains(pos);
    return QPushButton::hitButton(pos);
}

void CControlButton::startHoverRequest() {
    m_tracking = true;
    m_hoverTimer.start();
}

void CControlButton::onHoverTime() {
    if (!m_tracking) return;
    m_hovering = true;
    update();
}

void CControlButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_tracking) startHoverRequest();
    QPushButton::mouseMoveEvent(event);
}

void CControlButton::enterEvent(QEnterEvent* event) {
    // Entering is the first move over the button.
    if (!m_tracking) startHoverRequest();
    QPushButton::enterEvent(event);
}

void CControlButton::leaveEvent(QEvent* event) {
    m_hoverTimer.stop();
    m_hovering = false;
    m_tracking = false;
    update();
    QPushButton::leaveEvent(event);
}
