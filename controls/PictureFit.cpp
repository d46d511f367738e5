#include "controls/PictureFit.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

QRect FitPictureRect(const QSize& picture, double sampleAspect, const QRect& box) {
    if (picture.isEmpty() || box.isEmpty()) return QRect();
    if (!(sampleAspect > 0) || !std::isfinite(sampleAspect)) sampleAspect = 1.0;
    const double displayWidth = picture.width() * sampleAspect;
    const double displayHeight = picture.height();
    const double scale = std::min(box.width() / displayWidth, box.height() / displayHeight);
    const int width = std::clamp(static_cast<int>(std::lround(displayWidth * scale)), 1, box.width());
    const int height = std::clamp(static_cast<int>(std::lround(displayHeight * scale)), 1, box.height());
    return QRect(box.x() + (box.width() - width) / 2, box.y() + (box.height() - height) / 2, width, height);
}

void DrawFittedPicture(QPainter& painter, const QRect& box, const QImage& picture, double sampleAspect) {
    painter.fillRect(box, Qt::black);
    const QRect target = FitPictureRect(picture.size(), sampleAspect, box);
    if (target.isEmpty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
}
