#include "windowmenu.h"

#include <QMenu>

namespace kelvor {

WindowMenu::WindowMenu(QWidget* parent) : QToolButton(parent), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("windowMenu"));
    setText(QStringLiteral("面板"));
    setAccessibleName(QStringLiteral("面板"));
    setToolTip(QStringLiteral("打开参考导航、查询报表、工具抽屉等面板"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(m_menu);
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
