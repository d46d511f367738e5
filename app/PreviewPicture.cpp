#include "app/PreviewPicture.h"

#include "controls/PictureFit.h"

#include <QImage>
#include <QPainter>

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PreviewPicture::SetPicture(const QImage* picture, double sampleAspect) {
    m_picture = picture;
    m_sampleAspect = sampleAspect;
    update();
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    if (!m_picture || m_picture->isNull()) return;
    QPainter painter(this);
    DrawFittedPicture(painter, rect(), *m_picture, m_sampleAspect);
}
