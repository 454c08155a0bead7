#include "accessiblecontrols.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace kelvor {

namespace {

const char* const kPressable = "kelvorPressable";
const char* const kProgress = "kelvorProgress";
const char* const kDoubleClick = "kelvorPressByDoubleClick";

// A press as the pointer gives it, sent through the application so that the
// event filters watching the widget see it too.
void clickMiddle(QWidget* widget)
{
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    QPointer<QWidget> guarded(widget);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    // The press may have replaced the widget (a label that opens a record).
    if (!guarded) return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    if (!guarded || !widget->property(kDoubleClick).toBool()) return;
    QMouseEvent twice(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &twice);
}

class PressableAccessible : public QAccessibleWidget {
public:
    explicit PressableAccessible(QWidget* w, QAccessible::Role role = QAccessible::Button) : QAccessibleWidget(w, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
        // A label without a name of its own is named by what it reads.
        const auto* label = qobject_cast<const QLabel*>(widget());
        return label ? label->text().trimmed() : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // A label with nothing to read is nothing to press.
        if (text(QAccessible::Name).isEmpty()) s.invisible = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled()) clickMiddle(widget());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class ProgressBarAccessible : public PressableAccessible, public QAccessibleValueInterface {
public:
    explicit ProgressBarAccessible(QWidget* w) : PressableAccessible(w, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return PressableAccessible::interface_cast(t);
    }
    QVariant currentValue() const override { return widget()->property(kProgress).toInt(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(kProgress).isValid()) return new ProgressBarAccessible(widget);
    if (object->property(kPressable).toBool()) return new PressableAccessible(widget);
    return nullptr;
}

// A widget asked for before it was marked (a label's text set while a screen
// reader listens) keeps the plain interface made then: it goes, so that the
// next ask makes the marked one.
void forgetEarlierInterface(QWidget* widget)
{
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* earlier = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(earlier));
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

void makePressable(QWidget* widget, const QString& name, PressBy by)
{
    installFactory();
    widget->setProperty(kPressable, true);
    widget->setProperty(kDoubleClick, by == PressBy::DoubleClick);
    if (!name.isEmpty()) widget->setAccessibleName(name);
    forgetEarlierInterface(widget);
}

void makeProgressBar(QWidget* bar, const QString& name)
{
    installFactory();
    bar->setProperty(kProgress, 0);
    bar->setAccessibleName(name);
    forgetEarlierInterface(bar);
}

void setAccessibleProgress(QWidget* bar, double share)
{
    const int percent = int(std::lround(std::clamp(share, 0.0, 1.0) * 100));
    if (bar->property(kProgress).toInt() == percent) return;
    bar->setProperty(kProgress, percent);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(bar, percent);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace kelvor
