#include "controls/FocusRing.h"

#include "controls/SkinPalette.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int kWidth = 2;
constexpr int kGap = 1;  // between the control and the ring

}  // namespace

CFocusRing::CFocusRing(QWidget* parent, std::vector<QWidget*> controls) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* control : controls) {
        m_controls.emplace_back(control);
        control->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void CFocusRing::follow(QWidget* focused) {
    m_around = nullptr;
    for (const QPointer<QWidget>& control : m_controls)
        // An editable combo's focus is on its line edit.
        if (control && focused && (focused == control || control->isAncestorOf(focused))) m_around = control;
    place();
}

void CFocusRing::place() {
    if (!m_around || !m_around->isVisible()) {
        hide();
        return;
    }
    const int out = kWidth + kGap;
    setGeometry(m_around->geometry().adjusted(-out, -out, out, out));
    // Only the ring itself is drawn on: the control shows through inside it.
    setMask(QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth)));
    show();
    raise();
}

bool CFocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_around && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                event->type() == QEvent::Show || event->type() == QEvent::Hide))
        place();
    return QWidget::eventFilter(watched, event);
}

void CFocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SkinPalette().color(QPalette::Active, QPalette::Highlight));
}
