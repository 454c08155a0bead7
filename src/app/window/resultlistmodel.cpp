#include "resultlistmodel.h"

namespace kelvor {

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

void ResultListModel::show(const TitleList& found)
{
    beginResetModel();
    m_list.show(found);
    endResetModel();
}

void ResultListModel::clearLines()
{
    beginResetModel();
    m_list.clearLines();
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.lineCount());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= rowCount()) return {};
    switch (role) {
    // No tip per line: the list's own tip tells how to open a line.
    case Qt::DisplayRole: return m_list.lines()[size_t(index.row())];
    case CodeRole: return m_list.codeAt(index.row());
    default: return {};
    }
}

QHash<int, QByteArray> ResultListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(CodeRole, "code");
    return names;
}

}  // namespace kelvor
