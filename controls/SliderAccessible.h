#pragma once
// What a screen reader learns about a CBitmapSlider: a slider (role Slider) whose
// name is the widget's accessible name and whose value interface reports and sets
// the position within the range. Setting the value moves the thumb as a navigation
// key does (sliderMoved is emitted), so a reader's change seeks the player too.
// UI thread only.

#include <QAccessibleWidget>

class CBitmapSlider;

class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(CBitmapSlider* slider);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QString text(QAccessible::Text t) const override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // Makes Qt's accessibility build a SliderAccessible for every CBitmapSlider.
    // Safe to call more than once.
    static void Install();

private:
    CBitmapSlider* slider() const;
};
