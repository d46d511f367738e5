#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <vector>
#include <QStringList>

QPoint CentredPlace(const QRect& owner, const QSize& size, const QRect& screen) {
    QPoint place(owner.center().x() - size.width() / 2, owner.center().y() - size.height() / 2);
    if (screen.isValid()) {
        place.setX(std::max(screen.left(), std::min(place.x(), screen.right() + 1 - size.width())));
        place.setY(std::max(screen.top(), std::min(place.y(), screen.bottom() + 1 - size.height())));
    }
    return place;
}

void FitOnScreen(QWidget& window) {
    QScreen* screen = window.parentWidget() ? window.parentWidget()->window()->screen() : window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Before the desktop has framed the window its frame is unknown: room is
    // left for a title bar and borders.
    constexpr QSize kFrameGuess(8, 40);
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize room = screen->availableGeometry().size() - (frame.isEmpty() ? kFrameGuess : frame);
    if (room.isEmpty() || (window.width() <= room.width() && window.height() <= room.height())) return;
    window.setMinimumSize(window.minimumSize().boundedTo(room));
    window.resize(window.size().boundedTo(room));
}

bool ScrollWhenTallerThanScreen(QWidget& dialog, int fixedRowTop) {
    QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return false;
    constexpr int kDesktopFrame = 40;  // the title bar and border the desktop adds
    const int room = screen->availableGeometry().height() - kDesktopFrame;
    if (room <= 0 || dialog.height() <= room) return false;
    const QSize whole = dialog.size();
    const bool rowKept = fixedRowTop >= 0 && fixedRowTop < whole.height() && whole.height() - fixedRowTop < room;
    // A control above the row may reach down past its top: the scrolled part holds
    // it whole, or Tab would stop on a control half behind the row.
    int scrolledHeight = rowKept ? fixedRowTop : whole.height();
    if (rowKept)
        for (const QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (child->y() < fixedRowTop && !(child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide)))
                scrolledHeight = std::max(scrolledHeight, child->geometry().bottom() + 1);
    auto* content = new QWidget;
    std::vector<QWidget*> row;
    // Moving a control to its new parent in the order of the window keeps Tab's order.
    auto moveTo = [](QWidget* child, QWidget* parent, QPoint by) {
        const QRect place = child->geometry();
        const bool hidden = child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide);
        child->setParent(parent);
        child->setGeometry(place.translated(by));
        if (!hidden) child->show();
    };
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (rowKept && child->y() >= fixedRowTop)
            row.push_back(child);
        else
            moveTo(child, content, QPoint());
    }
    content->setFixedSize(whole.width(), scrolledHeight);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    // The controls take the focus, not the area (a Tab stop with nothing to see),
    // and a control reached by Tab from outside is scrolled into view.
    scroll->setFocusPolicy(Qt::NoFocus);
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll, content](QWidget*, QWidget* now) {
        if (!now || !content->isAncestorOf(now)) return;
        // The whole control, not only its part that has the focus (a list's field):
        // ensureWidgetVisible would show no more than a typed field's cursor.
        while (now->parentWidget() && now->parentWidget()->focusProxy() == now) now = now->parentWidget();
        const QRect place(now->mapTo(content, QPoint()), now->size());
        QScrollBar* bar = scroll->verticalScrollBar();
        const int shown = scroll->viewport()->height();
        if (place.top() < bar->value())
            bar->setValue(place.top());
        else if (place.bottom() + 1 > bar->value() + shown)
            bar->setValue(place.bottom() + 1 - shown);
    });
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    dialog.setFixedSize(whole.width() + bar, room);
    const int rowHeight = rowKept ? whole.height() - fixedRowTop : 0;
    scroll->setGeometry(0, 0, dialog.width(), room - rowHeight);
    if (rowKept) {
        // After the scrolled controls, so Tab reaches the buttons last as before.
        auto* buttons = new QWidget(&dialog);
        buttons->setGeometry(0, room - rowHeight, dialog.width(), rowHeight);
        for (QWidget* child : row) moveTo(child, buttons, QPoint(0, -fixedRowTop));
    }
    return true;
}

void CentreOnOwner(QWidget& window) {
    FitOnScreen(window);
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

QRect PlaceOnScreens(const QRect& wanted, const std::vector<QRect>& screens, const QSize& minimum) {
    if (screens.empty()) return wanted;
    const QRect* best = nullptr;
    long long bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(wanted);
        const long long area = common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    const QRect& screen = best ? *best : screens.front();
    QSize size = wanted.size().boundedTo(screen.size());
    size = size.expandedTo(minimum.boundedTo(screen.size()));
    const QRect asKept(wanted.topLeft(), size);
    // A place that must be cut or moved to fit is no place the person chose: one
    // pushed against the screen's edge (saved at another scale, or on a larger
    // screen) looked like a window thrown into the corner.
    const bool cut = size.width() < wanted.width() || size.height() < wanted.height();
    if (best && !cut && screen.contains(asKept)) return asKept;
    return QRect(CentredPlace(screen, size, screen), size);
}

std::vector<QRect> AvailableScreenAreas() {
    std::vector<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen()) areas.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas.push_back(screen->availableGeometry());
    return areas;
}

QString WindowPlaceText(const QRect& place) {
    return QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
}

QRect WindowPlaceFromText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return QRect();
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return QRect();
    }
    // Far beyond any desktop: refused before QRect adds them up (and overflows).
    constexpr int kFarthest = 1 << 20;
    for (int i = 0; i < 2; ++i)
        if (values[i] < -kFarthest || values[i] > kFarthest) return QRect();
    for (int i = 2; i < 4; ++i)
        if (values[i] <= 0 || values[i] > kFarthest) return QRect();
    return QRect(values[0], values[1], values[2], values[3]);
}
