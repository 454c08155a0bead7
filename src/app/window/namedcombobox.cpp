#include "namedcombobox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace kelvor {

namespace {

class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        switch (t) {
        case QAccessible::Name: return box->accessibleName();
        case QAccessible::Value: return box->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }
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
