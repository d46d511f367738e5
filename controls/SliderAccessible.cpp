#include "controls/SliderAccessible.h"

#include "controls/BitmapSlider.h"

#include <cmath>

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

QVariant SliderAccessible::currentValue() const { return slider()->GetPos() * slider()->AccessibleScale(); }

void SliderAccessible::setCurrentValue(const QVariant& value) {
    CBitmapSlider* s = slider();
    if (!s->isEnabled()) return;  // as a disabled window, it takes no input
    s->SetPos(static_cast<int>(std::lround(value.toDouble() / s->AccessibleScale())));
    emit s->sliderMoved(s->controlId(), s->GetPos());
}

QVariant SliderAccessible::maximumValue() const { return slider()->GetRangeMax() * slider()->AccessibleScale(); }

QVariant SliderAccessible::minimumValue() const { return slider()->GetRangeMin() * slider()->AccessibleScale(); }

QVariant SliderAccessible::minimumStepSize() const { return slider()->AccessibleScale(); }

QString SliderAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        const QString spelled = slider()->AccessibleText(currentValue().toDouble());
        if (!spelled.isEmpty()) return spelled;
    }
    return QAccessibleWidget::text(t);
}

void SliderAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&sliderFactory);
        return true;
    }();
    (void)installed;
}
