#include "controls/HyperLink.h"

#include "platform/ControlId.h"
#include "platform/Platform.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

CHyperLink::CHyperLink(QWidget* parent, int controlId, const QString& text, unsigned style)
    : QLabel(text, parent), m_controlId(controlId), m_style(style | staticstyle::kNotify) {
    SetControlId(this, controlId);
    setMouseTracking(true);
    // The desktop theme's own link pointer.
    setCursor(Qt::PointingHandCursor);
    m_url = text;
    m_normalFont = font();
    m_underlineFont = font();
    m_underlineFont.setUnderline(true);
    setFont(m_normalFont);
    setToolTip(m_url);
    positionWindow();
}

void CHyperLink::SetURL(const QString& url) {
    m_url = url;
    positionWindow();
    setToolTip(m_url);
}

void CHyperLink::SetUnderline(int mode) {
    if (mode != m_underlineMode) {
        setFont(mode == 1 ? m_underlineFont : m_normalFont);
        update();
    }
    m_underlineMode = mode;
}

void CHyperLink::SetLinkFont(const QFont& linkFont) {
    m_normalFont = linkFont;
    m_normalFont.setUnderline(false);
    m_underlineFont = linkFont;
    m_underlineFont.setUnderline(true);
    applyFont(m_underlineMode == 1 || (m_underlineMode == -1 && m_overLink));
    positionWindow();
}

void CHyperLink::SetColours(const QColor& link, const QColor& visited, const QColor& hover) {
    m_linkColour = link;
    m_visitedColour = visited;
    m_hoverColour = hover;
    update();
}

void CHyperLink::SetVisited(bool visited) {
    m_visited = visited;
    update();
}

void CHyperLink::SetAutoSize(bool adjustToFit) {
    m_adjustToFit = adjustToFit;
    positionWindow();
}

QColor CHyperLink::CurrentColour() const {
    if (m_overLink) return m_hoverColour;
    return m_visited ? m_visitedColour : m_linkColour;
}

QString CHyperLink::FailureMessage(const QString& reason) {
    return tr("Unable to open hyperlink:\n\n%1").arg(reason);
}

void CHyperLink::applyFont(bool underline) {
    setFont(underline ? m_underlineFont : m_normalFont);
    update();
}

void CHyperLink::positionWindow() {
    if (!m_adjustToFit) return;
    // Measure in the underlined font so the box does not change when the
    // underline comes and goes.
    const QFontMetrics metrics(m_underlineFont);
    const QSize text = metrics.size(0, this->text());
    const int border = 2 * frameWidth();
    const QRect old = geometry();
    QRect moved(old.topLeft(), QSize(text.width() + border, text.height() + border));
    if (m_style & staticstyle::kCenterImage) moved.moveTop(old.center().y() - moved.height() / 2);
    switch (m_style & staticstyle::kTypeMask) {
    case staticstyle::kCenter: moved.moveLeft(old.center().x() - moved.width() / 2); break;
    case staticstyle::kRight: moved.moveRight(old.right()); break;
    default: break;
    }
    setGeometry(moved);
}

bool CHyperLink::Open() {
    m_overLink = false;
    const QString target = m_url.isEmpty() ? text() : m_url;
    const OpenResult result = CurrentPlatform().OpenUrl(target);
    if (result.ok) {
        m_visited = true;
        update();
        return true;
    }
    m_visited = false;
    update();
    Platform& desktop = CurrentPlatform();
    desktop.Beep();
    const QString reason = result.reason.isEmpty() ? ShellErrorReason(result.code) : result.reason;
    desktop.MessageBox(window(), FailureMessage(reason), QString(), MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

void CHyperLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    painter.setPen(CurrentColour());
    painter.drawText(contentsRect(), LabelTextFormat(m_style, text()), text());
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    m_lastPointer = event->position().toPoint();
    m_pointerLeft = false;
    if (!m_overLink) {
        m_overLink = true;
        if (m_underlineMode == -1) setFont(m_underlineFont);
        update();
        if (m_hoverTimer == 0) m_hoverTimer = startTimer(kHoverTimerMs);
    }
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    // Noticed by the hover timer, as the pointer's last known place is outside.
    m_pointerLeft = true;
    QLabel::leaveEvent(event);
}

void CHyperLink::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_hoverTimer) return QLabel::timerEvent(event);
    if (m_pointerLeft || !rect().contains(m_lastPointer)) hoverEnded();
}

void CHyperLink::hoverEnded() {
    m_overLink = false;
    killTimer(m_hoverTimer);
    m_hoverTimer = 0;
    if (m_underlineMode != 1) setFont(m_normalFont);
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}
