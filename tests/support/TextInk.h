#pragma once
// Whether a label's text is drawn whole, the ink below the baseline included
// ("b_life.avi" read "b life.avi" at twice the scale): drawn again unclipped at the
// label's scale in the middle of a box three times as tall, no dark pixel may fall
// outside the label's own box.

#include "controls/Label.h"

#include <QImage>
#include <QPainter>

namespace testqt {

inline bool TextInkFits(const QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText || !label.pixmap().isNull()) return true;
    const auto* own = qobject_cast<const CLabel*>(&label);  // paints itself over its whole box
    const QString shown = own ? own->DisplayedText() : label.text();
    const int flags = own ? LabelTextFormat(own->StaticStyle(), shown)
                          : int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QSize box = own ? label.size() : label.contentsRect().size();
    const qreal scale = label.devicePixelRatioF();
    QImage image(QSize(box.width(), box.height() * 3) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.drawText(QRect(QPoint(0, box.height()), box), flags | Qt::TextDontClip, shown);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && (y < qRound(box.height() * scale) || y >= qRound(box.height() * 2 * scale)); ++x)
            if (qGray(image.pixel(x, y)) < 160) return false;
    return true;
}

}  // namespace testqt
