#pragma once
// Windows reach their controls by the numeric ids of the dialog templates. A
// widget carries its id as objectName (the decimal text, e.g. "1140") and as the
// dynamic property "controlId", so windows and tests can look controls up by id.

class QWidget;

// Gives `widget` the control id `id`.
void SetControlId(QWidget* widget, int id);

// The control id of `widget`, or -1 when it has none.
int ControlId(const QWidget* widget);

// The first descendant of `parent` (searched recursively) with control id `id`,
// or nullptr.
QWidget* FindControl(QWidget* parent, int id);

// Same, cast to a widget class; nullptr when missing or of another class.
template <class T>
T* FindControlAs(QWidget* parent, int id);

#include <QWidget>

template <class T>
T* FindControlAs(QWidget* parent, int id) {
    return qobject_cast<T*>(FindControl(parent, id));
}
