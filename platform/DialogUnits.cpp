#include "platform/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <cstdint>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero (MulDiv).
int mulDiv(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width52 = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // Average over 52 letters, rounded: (w / 26 + 1) / 2, as Windows computes it.
    const int cx = (width52 / 26 + 1) / 2;
    return QSize(cx, metrics.height());
}

QRect MapDialogRect(const QRect& dialogUnits, const QFont& font) {
    const QSize base = DialogBaseUnits(font);
    // Map the edges, not the size, so neighbours that touch keep touching.
    const int left = mulDiv(dialogUnits.x(), base.width(), 4);
    const int top = mulDiv(dialogUnits.y(), base.height(), 8);
    const int right = mulDiv(dialogUnits.x() + dialogUnits.width(), base.width(), 4);
    const int bottom = mulDiv(dialogUnits.y() + dialogUnits.height(), base.height(), 8);
    return QRect(left, top, right - left, bottom - top);
}

QPoint MapDialogPoint(const QPoint& dialogUnits, const QFont& font) {
    const QSize base = DialogBaseUnits(font);
    return QPoint(mulDiv(dialogUnits.x(), base.width(), 4), mulDiv(dialogUnits.y(), base.height(), 8));
}

QSize MapDialogSize(const QSize& dialogUnits, const QFont& font) {
    const QSize base = DialogBaseUnits(font);
    return QSize(mulDiv(dialogUnits.width(), base.width(), 4), mulDiv(dialogUnits.height(), base.height(), 8));
}

QFont DialogFont(int pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(pointSize);
    return font;
}
