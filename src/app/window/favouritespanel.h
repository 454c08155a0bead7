#pragma once

#include <QFrame>

class QListView;
class QPushButton;
class QStringListModel;

namespace kelvor {

// The favourites panel `Frame22`: the list `List3` of display names and the
// buttons "添加新收藏", "删除收藏" and "关闭". It shows what it is given and
// says what the user asked for; the favourites themselves live elsewhere.
class FavouritesPanel : public QFrame {
    Q_OBJECT
public:
    explicit FavouritesPanel(QWidget* parent = nullptr);

    void setNames(const QStringList& names);
    QStringList names() const;
    // The list entry the user picked last; -1 when none.
    int selectedRow() const;
    void selectRow(int row);
    void setRemoveEnabled(bool enabled);
    bool isRemoveEnabled() const;

signals:
    void addRequested();
    void removeRequested(int row);
    void openRequested(int row);
    void closeRequested();

private:
    QStringListModel* m_names = nullptr;
    QListView* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace kelvor
