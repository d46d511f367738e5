#pragma once
// Where a dialog or message box opens: centred on its owner's window and wholly
// on the owner's screen (inside the screen's free area, clear of panels). A
// window without an owner is centred on the active window, or on the screen.
//
// Called when the window is about to be shown (its show event), after its size
// is settled. UI thread only.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QWidget;

// Top-left corner of a window of `size` centred on `owner` and moved into
// `screen` (its top-left corner wins when the window is larger than the screen).
QPoint CentredPlace(const QRect& owner, const QSize& size, const QRect& screen);

// Moves `window` (a top-level widget) to its centred place, made to fit the
// screen first when it is larger (see FitOnScreen).
void CentreOnOwner(QWidget& window);

// Shrinks `window` (and its minimum size) to its screen's free area less the
// desktop's frame, when it is larger: a chooser taller than a small screen at a
// large scale hid its Open and Cancel buttons below the screen's edge.
void FitOnScreen(QWidget& window);

// A fixed-size dialog taller than its screen's free area (a large scale on a small
// screen): its controls move, places kept, into a scrolled area as tall as the
// screen allows, so every field and the buttons stay reachable (tabbing scrolls
// the focused control into view). Controls whose top is at or below `fixedRowTop`
// (pixels; the dialog's row of buttons) stay out of it, in a fixed row at the
// dialog's bottom: the buttons are never scrolled away. Returns whether it did.
bool ScrollWhenTallerThanScreen(QWidget& dialog, int fixedRowTop = -1);

// ---- A main window that remembers its place ----

// Where a window of `wanted` geometry goes on the screens whose free areas are
// `screens` (the first is the primary one): on the screen that holds most of it,
// cut to that screen's size (never below `minimum`, unless the screen is smaller).
// A place that fits as it is stays; one that had to be cut or moved to fit comes
// back centred on its screen, and one on no current screen (a screen since
// unplugged) centred on the primary screen.
QRect PlaceOnScreens(const QRect& wanted, const std::vector<QRect>& screens, const QSize& minimum);

// The free areas of the screens now connected, the primary one first.
std::vector<QRect> AvailableScreenAreas();

// "x,y,width,height" and back; an unreadable text gives an invalid rectangle.
QString WindowPlaceText(const QRect& place);
QRect WindowPlaceFromText(const QString& text);
