#include "controls/ElidingCombo.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

CElidingCombo::CElidingCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] { updateTip(); });
}

int CElidingCombo::textRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The label is drawn a pixel in from each side of the edit field.
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 3;
}

QString CElidingCombo::ShownText(int index) const {
    const QString whole = itemText(index < 0 ? currentIndex() : index);
    return fontMetrics().elidedText(whole, Qt::ElideMiddle, textRoom());
}

void CElidingCombo::paintEvent(QPaintEvent*) {
    // QComboBox's own drawing, with the entry cut in its middle rather than clipped.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditable()) option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CElidingCombo::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    updateTip();
}

void CElidingCombo::updateTip() {
    // A typed field scrolls its text and cuts nothing.
    const bool cut = !isEditable() && ShownText() != currentText();
    if (cut) {
        setToolTip(currentText());
        m_tipIsText = true;
    } else if (m_tipIsText) {
        setToolTip(QString());
        m_tipIsText = false;
    }
}

void CElidingCombo::showPopup() {
    int widest = 0;
    for (int i = 0; i < count(); ++i) widest = std::max(widest, view()->fontMetrics().horizontalAdvance(itemText(i)));
    // Room for the entries' margins and a scroll bar.
    constexpr int kMargins = 40;
    const int screenWidth = screen() ? screen()->availableGeometry().width() : widest + kMargins;
    view()->setMinimumWidth(std::min(widest + kMargins, screenWidth));
    QComboBox::showPopup();
}
