#pragma once
// Dialog units to pixels, the way dialog templates are laid out: the horizontal
// base unit is the average width of "A".."Z" "a".."z" in the dialog font (rounded
// to the nearest pixel), the vertical one the font's height; x maps by cx / 4 and
// y by cy / 8, each coordinate rounded to the nearest pixel (as MulDiv does).
// A rectangle maps its left/top and right/bottom edges, so adjacent controls stay
// adjacent after mapping.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

// (cx, cy) base units of `font`.
QSize DialogBaseUnits(const QFont& font);

// Rectangle given as (x, y, width, height) in dialog units -> pixels.
QRect MapDialogRect(const QRect& dialogUnits, const QFont& font);
QPoint MapDialogPoint(const QPoint& dialogUnits, const QFont& font);
QSize MapDialogSize(const QSize& dialogUnits, const QFont& font);

// The font a dialog template names, on this desktop: "MS Shell Dlg" and
// "Microsoft Sans Serif" become the desktop's general UI font at the given size.
QFont DialogFont(int pointSize);
