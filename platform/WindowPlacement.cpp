#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint CentredPlace(const QRect& owner, const QSize& size, const QRect& screen) {
    QPoint place(owner.center().x() - size.width() / 2, owner.center().y() - size.height() / 2);
    if (screen.isValid()) {
        place.setX(std::max(screen.left(), std::min(place.x(), screen.right() + 1 - size.width())));
        place.setY(std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - size.height())));
    }
    return place;
}

void CentreOnOwner(QWidget& window) {
    QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : QApplication::activeWindow();
    if (owner == &window) owner = nullptr;
    QScreen* screen = owner ? owner->screen() : window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // An owner that is not on screen (minimised, not yet shown) gives no place
    // to centre on; the screen does.
    const QRect around = owner && owner->isVisible() && !owner->isMinimized() ? owner->frameGeometry() : area;
    // The frame adds the title bar once the window exists; before that only the
    // client size is known.
    const QSize frame = window.frameGeometry().size().expandedTo(window.size());
    window.move(CentredPlace(around, frame, area));
}
