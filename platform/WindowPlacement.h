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

class QWidget;

// Top-left corner of a window of `size` centred on `owner` and moved into
// `screen` (its top-left corner wins when the window is larger than the screen).
QPoint CentredPlace(const QRect& owner, const QSize& size, const QRect& screen);

// Moves `window` (a top-level widget) to its centred place.
void CentreOnOwner(QWidget& window);
