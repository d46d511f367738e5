#include "controls/SkinPalette.h"

#include <QApplication>
#include <QColor>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

struct RoleColour {
    QPalette::ColorRole role;
    QColor active;    // also the inactive group's
    QColor disabled;
};

// Matches the skin's artwork: panel (EE F3 EC), ink (2F 3B 34), accent (3C 9A 5F).
const RoleColour kRoles[] = {
    {QPalette::Window, QColor(0xEE, 0xF3, 0xEC), QColor(0xEE, 0xF3, 0xEC)},
    {QPalette::WindowText, QColor(0x20, 0x28, 0x24), QColor(0x8A, 0x92, 0x8C)},
    {QPalette::Base, QColor(0xFF, 0xFF, 0xFF), QColor(0xF2, 0xF4, 0xF2)},
    {QPalette::AlternateBase, QColor(0xF4, 0xF8, 0xF2), QColor(0xF2, 0xF4, 0xF2)},
    {QPalette::Text, QColor(0x10, 0x18, 0x14), QColor(0x8A, 0x92, 0x8C)},
    {QPalette::PlaceholderText, QColor(0x6A, 0x72, 0x6C), QColor(0x9A, 0xA2, 0x9C)},
    {QPalette::Button, QColor(0xE6, 0xEC, 0xE4), QColor(0xE6, 0xEC, 0xE4)},
    {QPalette::ButtonText, QColor(0x20, 0x28, 0x24), QColor(0x8A, 0x92, 0x8C)},
    {QPalette::BrightText, QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF)},
    {QPalette::Light, QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF)},
    {QPalette::Midlight, QColor(0xF4, 0xF7, 0xF3), QColor(0xF4, 0xF7, 0xF3)},
    {QPalette::Mid, QColor(0xB8, 0xC2, 0xB6), QColor(0xB8, 0xC2, 0xB6)},
    {QPalette::Dark, QColor(0x8C, 0x98, 0x8A), QColor(0x8C, 0x98, 0x8A)},
    {QPalette::Shadow, QColor(0x50, 0x58, 0x52), QColor(0x50, 0x58, 0x52)},
    {QPalette::Highlight, QColor(0x2A, 0x7A, 0x49), QColor(0xB8, 0xC2, 0xB6)},
    {QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF), QColor(0xF2, 0xF4, 0xF2)},
    {QPalette::Link, QColor(0x1A, 0x5A, 0xB0), QColor(0x8A, 0x92, 0x8C)},
    {QPalette::LinkVisited, QColor(0x6A, 0x3A, 0x9A), QColor(0x8A, 0x92, 0x8C)},
    {QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE8), QColor(0xFF, 0xFF, 0xE8)},
    {QPalette::ToolTipText, QColor(0x10, 0x18, 0x14), QColor(0x10, 0x18, 0x14)},
};

double channel(double value) {
    value /= 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

}  // namespace

QPalette SkinPalette() {
    QPalette palette;
    for (const RoleColour& row : kRoles) {
        palette.setColor(QPalette::Active, row.role, row.active);
        palette.setColor(QPalette::Inactive, row.role, row.active);
        palette.setColor(QPalette::Disabled, row.role, row.disabled);
    }
    return palette;
}

void ApplySkinPalette(QWidget& widget) {
    widget.setPalette(SkinPalette());
    // A combo's list is drawn as a menu, in the palette the desktop theme gives
    // menus whatever the combo's own (a dark GTK theme drew the Language list dark
    // inside the light skin); the program's menus are all on the skin.
    // Only when it differs: each change is announced to every widget of the program.
    const QPalette skin = SkinPalette();
    if (QApplication::palette("QMenu") != skin) QApplication::setPalette(skin, "QMenu");
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
