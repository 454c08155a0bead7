#pragma once

#include <QToolButton>

#include <functional>

class QMenu;

namespace kelvor {

// The window's menu "面板" over the right end of the banner: every panel
// the window keeps hidden until asked for adds the entry that shows it.
class WindowMenu : public QToolButton {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget* parent);

    // Adds an entry; `show` runs when the user picks it.
    void addEntry(const QString& caption, std::function<void()> show);
    QStringList entries() const;
    // An entry that is disabled cannot be picked.
    void setEntryEnabled(const QString& caption, bool enabled);
    bool isEntryEnabled(const QString& caption) const;
    // Runs the entry of that caption, as a pick would; false when there is none.
    bool pick(const QString& caption);

private:
    QMenu* m_menu;
};

}  // namespace kelvor
