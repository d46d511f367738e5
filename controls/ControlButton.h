#pragma once
// CControlButton: the skinned push button. Its shape comes from a bitmap (every
// pixel that is not pure white belongs to the button, pure white is cut away and
// neither shows nor takes clicks), and it draws one of its pictures: the hover
// picture while the pointer rests on it, else the normal one, with the pressed
// picture on top while it is held down. Pictures are drawn from the top-left
// corner at their own size: larger ones are cut at the button's size, smaller ones
// leave the rest unpainted. It still emits clicked() like any QPushButton.
//
// The pointer over it is the hand (cursor 262) unless the window unsets it.
// Keyboard: Tab reaches it (a mouse click does not take the focus); focused, it
// draws a ring along its outline and Space or Enter presses it; the mnemonic of
// its text ("&Add": Alt+A) clicks it too.
// Callers switch looks (enabled/disabled, play/pause) with SetBitmaps and then
// setEnabled. UI thread only.

#include <QImage>
#include <QPushButton>
#include <QRegion>
#include <QTimer>

class CControlButton : public QPushButton {
    Q_OBJECT
public:
    explicit CControlButton(QWidget* parent = nullptr, int controlId = 0,
                            const QString& text = QString());

    int controlId() const { return m_controlId; }

    // Replaces the four pictures by the bitmaps with these resource numbers
    // (spare is loaded and kept, never drawn) and repaints. A number without a
    // bitmap leaves that picture empty (nothing drawn for it).
    void SetBitmaps(int hoverId, int normalId, int pressedId, int spareId);
    // Same with images (tests, generated looks).
    void SetImages(const QImage& hover, const QImage& normal, const QImage& pressed,
                   const QImage& spare = QImage());

    // Cuts the button to the non-white pixels of bitmap `id`. When the bitmap does
    // not exist the button keeps its whole rectangle (no shape).
    void SetShapeFromBitmap(int id);
    void SetShapeFromImage(const QImage& image);

    // The non-white pixels of `image` as a region (rows of one-pixel-high runs).
    static QRegion RegionFromImage(const QImage& image);

    // True when a shape is set (possibly empty); Shape() is then the region.
    bool HasShape() const { return m_hasShape; }
    QRegion Shape() const { return m_shape; }
    bool IsHovering() const { return m_hovering; }
    bool IsTracking() const { return m_tracking; }

    // Which picture the next paint draws first ("hover" or "normal") and whether
    // the pressed picture goes on top; for tests.
    const QImage& CurrentBaseImage() const { return m_hovering ? m_hover : m_normal; }
    const QImage& HoverImage() const { return m_hover; }
    const QImage& NormalImage() const { return m_normal; }
    const QImage& PressedImage() const { return m_pressed; }

    QSize sizeHint() const override;
    // The pixels the focus ring covers: a band along the inside of the outline.
    QRegion FocusRing() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startHoverRequest();
    void onHoverTime();

    int m_controlId;
    QImage m_hover;
    QImage m_normal;
    QImage m_pressed;
    QImage m_spare;
    QRegion m_shape;
    bool m_hasShape = false;
    bool m_hovering = false;
    bool m_tracking = false;
    QTimer m_hoverTimer;  // 1 ms hover time, as the hover request asks for
};
