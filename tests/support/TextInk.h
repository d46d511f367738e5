#pragma once
// Whether a label's text is drawn whole inside its box, the ink below the
// baseline included: the text is drawn again unclipped, at the label's scale, in
// the middle of a box three times as tall, and no dark pixel may fall outside the
// label's own box. (The rounded font height can be a pixel short of the
// underscore at a large scale: "b_life.avi" read "b life.avi".) Header-only.

#include "controls/Label.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

namespace testqt {

inline bool TextInkFits(const QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText || !label.pixmap().isNull()) return true;
    const auto* own = qobject_cast<const CLabel*>(&label);
    // A CLabel paints itself over its whole box; a QLabel lays its text out in its contents.
    const QString shown = own ? own->DisplayedText() : label.text();
    const int flags = own ? LabelTextFormat(own->StaticStyle(), shown)
                          : int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect box = own ? label.rect() : label.contentsRect();
    const qreal scale = label.devicePixelRatioF();
    QImage image(QSize(box.width(), box.height() * 3) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, box.height()), box.size()), flags | Qt::TextDontClip, shown);
    }
    const int top = qRound(box.height() * scale), bottom = qRound(box.height() * 2 * scale);
    for (int y = 0; y < image.height(); ++y) {
        if (y >= top && y < bottom) continue;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(line[x]) < 160) return false;
    }
    return true;
}

}  // namespace testqt
