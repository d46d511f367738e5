#pragma once
// The preview's picture area (static control 1139): draws the current picture
// at its display aspect ratio with black bars, without smoothing (as a
// colour-on-colour stretch does); with no picture it draws nothing, so the
// window's background shows through. Mouse presses fall through to the window
// (dragging works on the picture area as on any part of the surface).

#include <QWidget>

class QImage;

class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent = nullptr);

    // The image to draw (not owned; must stay valid until the next call), or
    // nullptr to erase. Repaints.
    // `sampleAspect` is the width of a picture's pixel over its height.
    void SetPicture(const QImage* picture, double sampleAspect = 1.0);
    const QImage* Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage* m_picture = nullptr;
    double m_sampleAspect = 1.0;
};
