#include "controls/Accessibility.h"

#include "controls/CheckListAccessible.h"
#include "controls/CheckListCtrl.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr const char* kMainWindowProperty = "korbanixMainWindow";

// The task list whose reader is being made: Qt's own is asked for while this
// is set, and then wrapped.
const QObject* g_listBeingWrapped = nullptr;

QString withoutMnemonic(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

// The label a person sees for `widget`: one whose buddy it is, in its window.
QString labelOf(const QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
    for (const QLabel* label : widget->window()->findChildren<QLabel*>())
        if (label->buddy() == widget) return withoutMnemonic(label->text());
    return QString();
}

// QAccessibleWidget is an action interface already: the popup is its action.
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        auto* combo = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Name) return labelOf(combo);
        if (t == QAccessible::Value) return combo->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.editable = static_cast<QComboBox*>(widget())->isEditable();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) static_cast<QComboBox*>(widget())->showPopup();
    }
};

class ReadOnlyTextAccessible : public QAccessibleWidget {
public:
    explicit ReadOnlyTextAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        auto* edit = static_cast<QLineEdit*>(widget());
        if (t == QAccessible::Name) {
            const QString label = labelOf(edit);
            return label.isEmpty() ? edit->text() : label;
        }
        if (t == QAccessible::Value) return edit->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = true;
        return s;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(kMainWindowProperty).toBool() && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("CCheckListCtrl") && g_listBeingWrapped != object) {
        g_listBeingWrapped = object;
        QAccessibleInterface* qtOwn = QAccessible::queryAccessibleInterface(object);
        g_listBeingWrapped = nullptr;
        return qtOwn ? WrapCheckListAccessible(static_cast<CCheckListCtrl*>(widget), qtOwn) : nullptr;
    }
    if (className == QLatin1String("QComboBox")) return new ComboAccessible(static_cast<QComboBox*>(widget));
    if (className == QLatin1String("QLineEdit") && static_cast<QLineEdit*>(widget)->isReadOnly())
        return new ReadOnlyTextAccessible(static_cast<QLineEdit*>(widget));
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    (void)installed;
}

void MarkAsMainWindow(QWidget& window) {
    InstallAccessibility();
    window.setProperty(kMainWindowProperty, true);
}
