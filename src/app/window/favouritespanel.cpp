#include "favouritespanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace kelvor {

FavouritesPanel::FavouritesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame22"));
    setAccessibleName(QStringLiteral("收藏夹"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("我的收藏"), this);
    m_names = new QStringListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("List3"));
    m_list->setAccessibleName(QStringLiteral("收藏列表"));
    m_list->setModel(m_names);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    title->setBuddy(m_list);

    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(caption);
        return b;
    };
    m_add = button(QStringLiteral("添加新收藏"), "addFavourite");
    m_remove = button(QStringLiteral("删除收藏"), "removeFavourite");
    m_close = button(QStringLiteral("关闭"), "closeFavourites");

    auto* column = new QVBoxLayout(this);
    column->addWidget(title);
    column->addWidget(m_list, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_add);
    row->addWidget(m_remove);
    row->addWidget(m_close);
    column->addLayout(row);

    connect(m_add, &QPushButton::clicked, this, &FavouritesPanel::addRequested);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_names->rowCount() > 0) emit removeRequested(selectedRow());
    });
    connect(m_close, &QPushButton::clicked, this, &FavouritesPanel::closeRequested);
    // A click, or Enter on the entry the keyboard is on, opens it.
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) { emit openRequested(index.row()); });
    connect(m_list, &QListView::activated, this, [this](const QModelIndex& index) { emit openRequested(index.row()); });
    hide();
}

void FavouritesPanel::setNames(const QStringList& names)
{
    const int selected = selectedRow();
    m_names->setStringList(names);
    if (selected >= 0 && selected < names.size()) selectRow(selected);
}

QStringList FavouritesPanel::names() const { return m_names->stringList(); }

int FavouritesPanel::selectedRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FavouritesPanel::selectRow(int row)
{
    m_list->setCurrentIndex(m_names->index(row, 0));
}

void FavouritesPanel::setRemoveEnabled(bool enabled) { m_remove->setEnabled(enabled); }
bool FavouritesPanel::isRemoveEnabled() const { return m_remove->isEnabled(); }

}  // namespace kelvor
