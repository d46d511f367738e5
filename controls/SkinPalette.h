#pragma once
// The colours of the skinned windows. The skin's pictures are light (pale green
// panels, dark ink), so every widget drawn by the style on top of them (the task
// list, combos, edits, group boxes, menus, message boxes, tooltips) takes the
// matching light palette too, whatever palette the desktop gives the program: a
// dark desktop theme must not put white text on the skin's pale list or dark
// combos into a light window. UI thread only.

#include <QPalette>

class QWidget;

// A complete light palette: every role of the Active, Inactive and Disabled groups.
QPalette SkinPalette();

// Gives `widget` (a window) the skin palette; its child widgets inherit it.
void ApplySkinPalette(QWidget& widget);

// WCAG contrast ratio of two colours (1 = none, 21 = black on white).
double ContrastRatio(const QColor& a, const QColor& b);
