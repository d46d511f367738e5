#include "controls/Label.h"

#include "platform/ControlId.h"

#include <QEvent>
#include <QPainter>

int LabelTextFormat(unsigned style, const QString& text) {
    if (style & staticstyle::kCenterImage) {
        // One line: centred both ways. Several lines: centred across only.
        const bool multiLine = text.contains(QLatin1Char('\n'));
        return multiLine ? int(Qt::AlignHCenter | Qt::AlignTop)
                         : int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine);
    }
    int format;
    switch (style & staticstyle::kTypeMask) {
    case staticstyle::kCenter: format = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap; break;
    case staticstyle::kRight: format = Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap; break;
    case staticstyle::kLeftNoWordWrap: format = Qt::AlignLeft | Qt::AlignTop; break;
    default: format = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap; break;
    }
    if (text.contains(QLatin1Char('\t'))) format |= Qt::TextExpandTabs;
    return format;
}

CLabel::CLabel(QWidget* parent, int controlId, const QString& text, unsigned style)
    : QLabel(text, parent), m_controlId(controlId), m_style(style) {
    SetControlId(this, controlId);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CLabel::SetStaticStyle(unsigned style) {
    m_style = style;
    update();
}

void CLabel::SetTextColour(const QColor& colour) {
    m_textColour = colour;
    update();
}

void CLabel::SetBackgroundColour(const QColor& colour) {
    m_background = colour;
    update();
}

QColor CLabel::BackgroundColour() const {
    return m_background.isValid() ? m_background : palette().color(QPalette::Window);
}

void CLabel::paintEvent(QPaintEvent*) {
    // Background and text in one pass on Qt's back buffer: no flicker.
    QPainter painter(this);
    painter.fillRect(rect(), BackgroundColour());
    painter.setFont(font());
    painter.setPen(m_textColour.isValid() ? m_textColour : palette().color(QPalette::WindowText));
    painter.drawText(rect(), LabelTextFormat(m_style, text()), text());
}

void CLabel::changeEvent(QEvent* event) {
    // The system colours changed: colours that follow the palette repaint.
    if (event->type() == QEvent::PaletteChange) update();
    QLabel::changeEvent(event);
}
