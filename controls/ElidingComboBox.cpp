#include "controls/ElidingComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

CElidingComboBox::CElidingComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentTextChanged, this, &CElidingComboBox::updateTip);
}

int CElidingComboBox::textWidth() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width();
}

QString CElidingComboBox::ShownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideMiddle, textWidth());
}

void CElidingComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!isEditable()) option.currentText = ShownText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    updateTip();
}

void CElidingComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    updateTip();
}

void CElidingComboBox::updateTip() {
    // Only a cut entry needs its whole text shown on hovering.
    const QString tip = !isEditable() && ShownText() != currentText() ? currentText() : QString();
    if (toolTip() != tip) setToolTip(tip);
}
