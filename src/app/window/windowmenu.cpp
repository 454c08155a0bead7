#include "windowmenu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QShortcut>

namespace kelvor {

namespace {

// The menu opens as a popup, which assistive technology does not find among
// the window's children; the button names it as its own child, the way a
// menu bar names its menus, so the entries can be read and pressed.
class WindowMenuAccessible : public QAccessibleWidget {
public:
    explicit WindowMenuAccessible(QToolButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QMenu* menu() const { return static_cast<QToolButton*>(widget())->menu(); }

    int childCount() const override { return menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && menu() ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && menu() && child->object() == menu() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.expanded = menu() && menu()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        // Later, from the event loop: the menu runs its own loop, and the
        // caller on the bus waits for its answer until this returns.
        if (action == showMenuAction() || action == pressAction())
            QMetaObject::invokeMethod(widget(), "showMenu", Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Alt+P")}; }
};

QAccessibleInterface* windowMenuAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("kelvor::WindowMenu") || !object) return nullptr;
    return new WindowMenuAccessible(static_cast<QToolButton*>(object));
}

}  // namespace

WindowMenu::WindowMenu(QWidget* parent) : QToolButton(parent), m_menu(new QMenu(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(windowMenuAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("windowMenu"));
    setText(QStringLiteral("面板"));
    setAccessibleName(QStringLiteral("面板"));
    setToolTip(QStringLiteral("打开参考导航、查询报表、工具抽屉等面板（快捷键 Alt+P）"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(m_menu);
    m_menu->setObjectName(QStringLiteral("windowMenuEntries"));
    m_menu->setAccessibleName(QStringLiteral("面板"));
    // From anywhere in the window: the keyboard reaches the panels without the pointer.
    auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_P), this);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &QToolButton::showMenu);
}
void WindowMenu::addEntry(const QString& caption, std::function<void()> show)
{
    QAction* action = m_menu->addAction(caption);
    connect(action, &QAction::triggered, this, [show = std::move(show)] { show(); });
}

QStringList WindowMenu::entries() const
{
    QStringList captions;
    for (const QAction* a : m_menu->actions()) captions << a->text();
    return captions;
}

void WindowMenu::setEntryEnabled(const QString& caption, bool enabled)
{
    for (QAction* a : m_menu->actions())
        if (a->text() == caption) a->setEnabled(enabled);
}

bool WindowMenu::isEntryEnabled(const QString& caption) const
{
    for (const QAction* a : m_menu->actions())
        if (a->text() == caption) return a->isEnabled();
    return false;
}

bool WindowMenu::pick(const QString& caption)
{
    for (QAction* a : m_menu->actions()) {
        if (a->text() != caption || !a->isEnabled()) continue;
        a->trigger();
        return true;
    }
    return false;
}

}  // namespace kelvor
