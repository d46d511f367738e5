#pragma once
// A clear ring around whichever of some controls has the keyboard focus. The
// style's own focus mark on a combo box is a faint line of the selection colour
// that is hard to see on the skin; the ring is drawn in the skin's ink, 2 pixels
// wide, a little outside the control. It follows the focus, moves and resizes
// with the control, and never takes clicks. UI thread only.

#include <QPointer>
#include <QWidget>

#include <vector>

class CFocusRing : public QWidget {
public:
    // `parent` is the window the controls lie in (their parent as well).
    CFocusRing(QWidget* parent, std::vector<QWidget*> controls);

    // The control the ring is around now, or null.
    QWidget* Around() const { return m_around; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    std::vector<QPointer<QWidget>> m_controls;
    QPointer<QWidget> m_around;
};
