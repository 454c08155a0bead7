#include "namedcombobox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QLineEdit>

namespace kelvor {

namespace {

class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return box()->accessibleName();
        case QAccessible::Value: return box()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    // The drop-down list comes first, as a plain combo box offers it, so that
    // its entries can be read and picked; the line edit follows.
    int childCount() const override { return 1 + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        return QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child) return -1;
        if (child->object() == box()->view()) return 0;
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + 1;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override
    {
        // Later, from the event loop: the caller on the bus waits until this returns.
        if (action == showMenuAction()) QMetaObject::invokeMethod(box(), "showPopup", Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* namedComboBoxAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("kelvor::NamedComboBox") || !object || !object->isWidgetType()) return nullptr;
    return new NamedComboBoxAccessible(static_cast<QWidget*>(object));
}

}  // namespace

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(namedComboBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace kelvor
