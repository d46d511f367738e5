#include "app/PreviewPicture.h"

#include <QImage>
#include <QPainter>

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PreviewPicture::SetPicture(const QImage* picture) {
    m_picture = picture;
    update();
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    if (!m_picture || m_picture->isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), *m_picture);
}
