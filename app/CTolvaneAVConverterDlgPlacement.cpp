// The main window as a window on the desktop: its size (the controls follow the
// template's places, the list and the picture take the extra room), where it
// opens and the place it keeps for the next start, and moving it by its title
// band. The rest of the window is in CTolvaneAVConverterDlg.cpp.

#include "app/CTolvaneAVConverterDlg.h"
#include "app/ConversionCommands.h"  // complete type for m_conversion

#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/PreviewPicture.h"
#include "controls/BitmapSlider.h"
#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/IniFile.h"
#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

using namespace mainwindow;

namespace {

// Where the window's size and place are kept, beside the output folder.
constexpr const char* kPlaceSection = "Window";
constexpr const char* kPlaceKey = "Place";
// The desktop's scale when the place was kept: a size the window was cut to on a
// small screen at a large scale is no size the person chose at another scale.
constexpr const char* kScaleKey = "Scale";

double screenScale(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

}  // namespace

void CTolvaneAVConverterDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        ShowWindowMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    QWindow* handle = windowHandle();
    constexpr int kEdge = 4;
    Qt::Edges edges;
    if (at.x() >= width() - kEdge) edges |= Qt::RightEdge;
    if (at.y() >= height() - kEdge) edges |= Qt::BottomEdge;
    if (edges && !isMaximized() && handle && handle->startSystemResize(edges)) return;
    // Only the title band moves the window; a press anywhere else on the skin
    // (beside a button's shape, say) must not leave it following the pointer.
    if (at.y() >= titleBandHeight()) return QDialog::mousePressEvent(event);
    // Where the window system cannot be moved by hand (Wayland) it moves the
    // window itself; elsewhere the move is ours, so it ends exactly when the
    // button is let go or the mouse is lost, whatever the window manager does.
    if (QGuiApplication::platformName() == QLatin1String("wayland") && handle && handle->startSystemMove()) return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    // Moves without a button come through too, so a release that went to
    // another window still ends the drag at the next move.
    setMouseTracking(true);
}

void CTolvaneAVConverterDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        // A release we never saw (it went to another window): no button, no drag.
        if (!(event->buttons() & Qt::LeftButton)) endDrag();
        else move(event->globalPosition().toPoint() - m_dragOffset);
    }
    QDialog::mouseMoveEvent(event);
}

void CTolvaneAVConverterDlg::mouseReleaseEvent(QMouseEvent* event) {
    endDrag();
    QDialog::mouseReleaseEvent(event);
}

void CTolvaneAVConverterDlg::endDrag() {
    if (!m_dragging) return;
    m_dragging = false;
    setMouseTracking(false);
}

void CTolvaneAVConverterDlg::focusFirstWork() {
    // The window's own buttons (About, minimise, close) come first on the top
    // line, but a person starts with the work: the list, or Add while it is
    // empty. Space on a new window must not open About.
    QWidget* focused = focusWidget();
    const int id = focused ? ControlId(focused) : 0;
    if (focused && id != kAbout && id != kMinimise && id != kClose) return;
    QWidget* first = m_list->isHidden() ? static_cast<QWidget*>(m_buttons.at(kAdd)) : m_list;
    first->setFocus(Qt::ActiveWindowFocusReason);
}

int CTolvaneAVConverterDlg::titleBandHeight() const { return TitleBandHeight(m_templateSize.height()); }

bool CTolvaneAVConverterDlg::event(QEvent* event) {
    switch (event->type()) {
    // Every way the window can lose the mouse ends a drag: another window or a
    // dialog takes it (Open, a message box), the pointer grab goes, the window
    // hides.
    case QEvent::WindowDeactivate:
    case QEvent::WindowBlocked:
    case QEvent::UngrabMouse:
    case QEvent::Hide: endDrag(); break;
    case QEvent::Show: focusFirstWork(); break;
    default: break;
    }
    return QDialog::event(event);
}

// ---- Size and place ----

void CTolvaneAVConverterDlg::recordTemplatePlaces() {
    m_templatePlaces.clear();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int id = ControlId(child);
        if (id != 0) m_templatePlaces.emplace_back(child, child->geometry());
    }
    relayout();
}

void CTolvaneAVConverterDlg::relayout() {
    const QSize extra = size() - m_templateSize;
    for (const auto& [control, place] : m_templatePlaces)
        control->setGeometry(Anchored(place, AnchorOf(ControlId(control)), extra));
    useBlankStripsWhenShort(extra.height());
    keepPictureShape();
    m_tasks.FitColumns();
    // A hidden list gets no resize events: the hint over the empty list would
    // stay where the list was before the window was fitted to the screen.
    placeListOverlays();
    if (m_sizeGrip) m_sizeGrip->move(width() - m_sizeGrip->width(), height() - m_sizeGrip->height());
    update();
}

void CTolvaneAVConverterDlg::useBlankStripsWhenShort(int extraHeight) {
    // A window shorter than the template (a small screen at a large scale) has no
    // height to spare: the blank strips under the preview's controls and under the
    // list go to the picture and to the list's rows, leaving a small margin above
    // the bottom strip.
    const int shortBy = std::max(0, -extraHeight);
    if (shortBy == 0) return;
    const int line = MapDialogSize(QSize(0, 10), font()).height();
    const int toPicture = std::min(shortBy, 2 * line);
    const int toList = std::min(shortBy, line * 11 / 10);
    m_picture->setGeometry(m_picture->geometry().adjusted(0, 0, 0, toPicture));
    for (QWidget* below : std::initializer_list<QWidget*>{m_positionSlider, m_playingTime, static_cast<QWidget*>(button(kPlay)), button(kStop),
                                                          button(kVolumePicture), m_volumeSlider})
        below->move(below->pos() + QPoint(0, toPicture));
    m_list->setGeometry(m_list->geometry().adjusted(0, 0, 0, toList));
}

void CTolvaneAVConverterDlg::keepPictureShape() {
    // A box flatter than a wide film frame shows the film as a thin strip between
    // black bars: the box keeps at most that shape, centred over its controls.
    QRect box = m_picture->geometry();
    const int widest = static_cast<int>(std::lround(box.height() * 16.0 / 9.0));
    if (box.width() <= widest) return;
    box.adjust((box.width() - widest) / 2, 0, 0, 0);
    box.setWidth(widest);
    m_picture->setGeometry(box);
}

void CTolvaneAVConverterDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    relayout();
}

void CTolvaneAVConverterDlg::restoreWindowPlace() {
    const std::vector<QRect> screens = AvailableScreenAreas();
    // The window never starts larger than the screen, nor with a minimum the
    // screen cannot hold (a small screen at a large scale).
    if (!screens.empty()) setMinimumSize(minimumSize().boundedTo(screens.front().size()));
    const QRect saved = WindowPlaceFromText(QString::fromStdString(
        IniFile::ReadString(m_folders.iniPath.toStdString(), kPlaceSection, kPlaceKey)));
    QRect wanted = saved.isValid() ? saved : QRect(QPoint(), m_templateSize);
    // Kept at another scale: the size is the template's (a window cut to 683x384
    // at twice the scale opened that small at the normal one), and its corner is
    // no place the person chose at this scale either.
    bool read = false;
    const double keptScale = QString::fromStdString(IniFile::ReadString(m_folders.iniPath.toStdString(), kPlaceSection,
                                                                        kScaleKey)).toDouble(&read);
    const bool otherScale = saved.isValid() && read && keptScale > 0 && std::abs(keptScale - screenScale(*this)) > 0.01;
    if (otherScale) wanted.setSize(m_templateSize);
    QRect place = PlaceOnScreens(wanted, screens, minimumSize());
    // Without a remembered place the window opens centred on the primary screen;
    // one kept at another scale, centred on the screen it was kept on.
    if ((!saved.isValid() || otherScale) && !screens.empty()) {
        const auto on = std::find_if(screens.begin(), screens.end(),
                                     [&](const QRect& screen) { return saved.isValid() && screen.contains(place); });
        const QRect& screen = on == screens.end() ? screens.front() : *on;
        place.moveTopLeft(CentredPlace(screen, place.size(), screen));
    }
    setGeometry(place);
    relayout();
}

void CTolvaneAVConverterDlg::saveWindowPlace() {
    const QRect place = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    if (!place.isValid() || m_folders.iniPath.isEmpty()) return;
    IniFile::WriteString(m_folders.iniPath.toStdString(), kPlaceSection, kPlaceKey,
                         WindowPlaceText(place).toStdString());
    IniFile::WriteString(m_folders.iniPath.toStdString(), kPlaceSection, kScaleKey,
                         QString::number(screenScale(*this)).toStdString());
}

void CTolvaneAVConverterDlg::done(int result) {
    // Whatever ends the window (a reject from the window manager, a command),
    // ending it under a running conversion would hide both windows while the run
    // goes on unseen: the question first, as the close box asks.
    if (isConverting() && !conversion().StopOnClose()) return;
    saveWindowPlace();
    QDialog::done(result);
}
