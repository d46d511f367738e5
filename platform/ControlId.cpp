#include "platform/ControlId.h"

#include <QVariant>

namespace {
constexpr const char* kIdProperty = "controlId";
}

void SetControlId(QWidget* widget, int id) {
    if (!widget) return;
    widget->setObjectName(QString::number(id));
    widget->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* widget) {
    if (!widget) return -1;
    const QVariant id = widget->property(kIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

QWidget* FindControl(QWidget* parent, int id) {
    if (!parent) return nullptr;
    // The property is the authority: an objectName alone may be a coincidence.
    const QList<QWidget*> candidates = parent->findChildren<QWidget*>(QString::number(id));
    for (QWidget* widget : candidates) {
        if (ControlId(widget) == id) return widget;
    }
    return nullptr;
}
