#include "controls/Label.h"

#include "platform/ControlId.h"

#include <QEvent>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>
#include <cmath>
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
    const QString shown = DisplayedText();
    painter.drawText(rect(), LabelTextFormat(m_style, shown), shown);
    updateCutTip(shown);
}

void CLabel::updateCutTip(const QString& shown) {
    // The whole text stays reachable when it is cut.
    const bool cut = shown != text();
    if (cut && toolTip() != text()) {
        setToolTip(text());
        m_tipIsText = true;
    } else if (!cut && m_tipIsText) {
        setToolTip(QString());
        m_tipIsText = false;
    }
}

QString CLabel::DisplayedText() const {
    const QString whole = text();
    const QFontMetrics metrics(font());
    const QRect needed = metrics.boundingRect(rect(), LabelTextFormat(m_style, whole), whole);
    if (whole.isEmpty() || (needed.width() <= width() && needed.height() <= height())) return whole;
    if (!m_namedText.isEmpty() && whole == m_namedText && !whole.contains(QLatin1Char('\n'))) {
        const QString head = whole.left(m_nameFrom);
        const QString name = whole.mid(m_nameFrom, m_nameLength);
        const QString tail = whole.mid(m_nameFrom + m_nameLength);
        // A pixel spare: the advance of joined pieces may round up.
        const int room = width() - 1 - metrics.horizontalAdvance(head) - metrics.horizontalAdvance(tail);
        const QString cut = ElideFileName(metrics, name, room);
        if (!cut.isEmpty()) return head + cut + tail;
    }
    return metrics.elidedText(whole.section(QLatin1Char('\n'), 0, 0).simplified(), Qt::ElideRight, width());
}

void CLabel::SetTextWithName(const QString& text, int nameFrom, int nameLength) {
    setText(text);
    const bool inside = nameFrom >= 0 && nameLength > 0 && nameFrom + nameLength <= text.size();
    m_namedText = inside ? text : QString();
    m_nameFrom = inside ? nameFrom : 0;
    m_nameLength = inside ? nameLength : 0;
    updateCutTip(DisplayedText());  // at once: a window not painted yet has it too
    update();
}

QString ElideFileName(const QFontMetrics& metrics, const QString& name, int width) {
    if (metrics.horizontalAdvance(name) <= width) return name;
    // The extension stays whole when it is short enough to be one.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > 0 && name.size() - dot <= 6;
    const QString extension = hasExtension ? name.mid(dot) : QString();
    const QString stem = hasExtension ? name.left(dot) : name;
    const int stemRoom = width - metrics.horizontalAdvance(extension);
    const QString ellipsis(QChar(0x2026));
    if (stemRoom < metrics.horizontalAdvance(stem.left(1) + ellipsis)) return QString();
    QString cut = metrics.elidedText(stem, Qt::ElideMiddle, stemRoom);
    // Too narrow for the middle: the stem's start and the ellipsis.
    if (!cut.contains(ellipsis) || cut.startsWith(ellipsis)) cut = metrics.elidedText(stem, Qt::ElideRight, stemRoom);
    if (cut.isEmpty() || cut == ellipsis) return QString();
    return cut + extension;
}

namespace {

// What the caption's text needs beside it: a check box's indicator and spacing.
int captionExtra(const QWidget& caption) {
    if (!qobject_cast<const QAbstractButton*>(&caption)) return 0;
    const QStyle* style = caption.style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2;
}

QString captionText(const QWidget& caption) {
    if (auto* label = qobject_cast<const QLabel*>(&caption)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&caption)) return button->text();
    return QString();
}

void setCaptionText(QWidget& caption, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&caption)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(&caption)) button->setText(text);
}

}  // namespace

void FitCaption(QWidget& caption, int widest) {
    const QString whole = captionText(caption);
    const int extra = captionExtra(caption);
    const int needed = QFontMetrics(caption.font()).horizontalAdvance(whole) + extra;
    if (needed <= caption.width()) return;
    // A pixel more once it grows: the laid-out text may round up.
    caption.resize(std::min(needed + 1, std::max(widest - caption.x(), caption.width())), caption.height());
    if (needed <= caption.width()) return;
    caption.setFont(FittedFont(caption.font(), whole, caption.width() - extra));
    const QFontMetrics metrics(caption.font());
    if (metrics.horizontalAdvance(whole) + extra < caption.width()) return;
    setCaptionText(caption, metrics.elidedText(whole, Qt::ElideRight, caption.width() - extra - 1));
    caption.setToolTip(whole);
    caption.setAccessibleName(whole);
}

void GiveCaptionsRoom(const std::vector<std::pair<QLabel*, QWidget*>>& column, double maxShare) {
    int shift = 0;
    for (const auto& [label, field] : column) {
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        const int spare = static_cast<int>(field->width() * maxShare);
        // A pixel more when it must grow: the laid-out text may round up.
        if (needed > label->width()) shift = std::max(shift, std::min(needed + 1 - label->width(), spare));
    }
    for (const auto& [label, field] : column) {
        if (shift > 0) {
            label->resize(label->width() + shift, label->height());
            field->setGeometry(field->geometry().adjusted(shift, 0, 0, 0));
        }
        FitCaption(*label, label->x() + label->width());
    }
}

void GiveFullLineHeight(QLabel& label) {
    const QFontMetricsF metrics(label.font());
    // The ink of the lowest glyphs may reach below the font's stated descent.
    const qreal below = std::max(metrics.descent(), metrics.tightBoundingRect(QStringLiteral("_gjpqy")).bottom());
    const auto* own = qobject_cast<const CLabel*>(&label);
    const bool fromTop = own ? !(LabelTextFormat(own->StaticStyle(), label.text()) & Qt::AlignVCenter)
                             : !(label.alignment() & Qt::AlignVCenter);
    // Centred, the line is laid out by its stated height: the ink's overhang is
    // needed on both sides.
    const qreal needed = fromTop ? metrics.ascent() + below
                                 : metrics.ascent() + metrics.descent() + 2 * (below - metrics.descent());
    const int margins = own ? 0 : label.height() - label.contentsRect().height();
    const int grow = static_cast<int>(std::ceil(needed)) + margins - label.height();
    if (grow <= 0) return;
    const int up = fromTop ? 0 : grow / 2;
    label.setGeometry(label.geometry().adjusted(0, -up, 0, grow - up));
}

QFont FittedFont(QFont font, const QString& text, int width) {
    const qreal smallest = font.pointSizeF() * 0.75;
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() - 0.5 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

void CLabel::changeEvent(QEvent* event) {
    // The system colours changed: colours that follow the palette repaint.
    if (event->type() == QEvent::PaletteChange) update();
    QLabel::changeEvent(event);
}
