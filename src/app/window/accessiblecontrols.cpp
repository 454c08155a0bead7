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
#include <QWindow>

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

// Holds the tabs beside the strip, where its accessible side finds them.
class DrawnTabsHolder : public QObject {
public:
    DrawnTabsHolder(QWidget* strip, std::vector<DrawnTab> tabs) : QObject(strip), tabs(std::move(tabs))
    {
        setObjectName(QStringLiteral("drawnTabs"));
    }
    std::vector<DrawnTab> tabs;
};

DrawnTabsHolder* holderOf(const QObject* strip)
{
    return strip ? strip->findChild<DrawnTabsHolder*>(QStringLiteral("drawnTabs"), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

class DrawnTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DrawnTabAccessible(QWidget* strip, int index) : m_strip(strip), m_index(index) {}

    bool isValid() const override { return m_strip && tab(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_strip ? m_strip->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_strip); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && tab() ? tab()->name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect local = tab()->rect();
        return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || !m_strip->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.selectable = true;
        s.selected = tab()->chosen && tab()->chosen();
        s.disabled = !m_strip->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !isValid() || !m_strip->isEnabled()) return;
        // Later, from the event loop: the switch it starts may take a while,
        // and the caller on the bus waits until this returns.
        QMetaObject::invokeMethod(m_strip, [strip = m_strip, index = m_index] {
            if (DrawnTabsHolder* holder = holderOf(strip); holder && index < int(holder->tabs.size()))
                holder->tabs[size_t(index)].press();
        }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const DrawnTab* tab() const
    {
        DrawnTabsHolder* holder = holderOf(m_strip);
        return holder && m_index < int(holder->tabs.size()) ? &holder->tabs[size_t(m_index)] : nullptr;
    }

    QPointer<QWidget> m_strip;
    int m_index;
};

class DrawnTabsAccessible : public QAccessibleWidget {
public:
    explicit DrawnTabsAccessible(QWidget* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~DrawnTabsAccessible() override
    {
        for (QAccessible::Id id : m_ids) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        DrawnTabsHolder* holder = holderOf(object());
        return holder ? int(holder->tabs.size()) : 0;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        if (m_ids.size() < size_t(childCount())) m_ids.resize(size_t(childCount()), 0);
        if (!m_ids[size_t(index)])
            m_ids[size_t(index)] = QAccessible::registerAccessibleInterface(new DrawnTabAccessible(widget(), index));
        return QAccessible::accessibleInterface(m_ids[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < m_ids.size(); ++i)
            if (m_ids[i] && QAccessible::accessibleInterface(m_ids[i]) == child) return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QStringList actionNames() const override { return {}; }

private:
    mutable std::vector<QAccessible::Id> m_ids;
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (holderOf(object)) return new DrawnTabsAccessible(widget);
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

void makeDrawnTabs(QWidget* strip, std::vector<DrawnTab> tabs)
{
    installFactory();
    new DrawnTabsHolder(strip, std::move(tabs));
    forgetEarlierInterface(strip);
}

}  // namespace kelvor
