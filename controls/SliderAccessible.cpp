#include "controls/SliderAccessible.h"

#include "controls/BitmapSlider.h"

namespace {

QAccessibleInterface* sliderFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CBitmapSlider") && object && object->isWidgetType())
        return new SliderAccessible(static_cast<CBitmapSlider*>(object));
    return nullptr;
}

}  // namespace

SliderAccessible::SliderAccessible(CBitmapSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

CBitmapSlider* SliderAccessible::slider() const { return static_cast<CBitmapSlider*>(widget()); }

void* SliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant SliderAccessible::currentValue() const { return slider()->GetPos(); }

void SliderAccessible::setCurrentValue(const QVariant& value) {
    CBitmapSlider* s = slider();
    if (!s->isEnabled()) return;  // as a disabled window, it takes no input
    s->SetPos(value.toInt());
    emit s->sliderMoved(s->controlId(), s->GetPos());
}

QVariant SliderAccessible::maximumValue() const { return slider()->GetRangeMax(); }

QVariant SliderAccessible::minimumValue() const { return slider()->GetRangeMin(); }

QVariant SliderAccessible::minimumStepSize() const { return 1; }

void SliderAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&sliderFactory);
        return true;
    }();
    (void)installed;
}
