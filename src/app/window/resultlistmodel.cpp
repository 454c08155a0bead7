#include "resultlistmodel.h"

#include <algorithm>
#include <exception>

namespace kelvor {

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

void ResultListModel::show(const TitleList& found)
{
    beginResetModel();
    stopPaging();
    m_list.show(found);
    endResetModel();
}

void ResultListModel::setPageSizes(size_t firstPage, size_t laterPages)
{
    m_firstPageRows = std::max<size_t>(firstPage, 1);
    m_pageRows = std::max<size_t>(laterPages, 1);
}

bool ResultListModel::showPaged(Pager pager)
{
    TitlePage first = pager(std::nullopt, m_firstPageRows);
    if (first.titles.empty()) return false;
    beginResetModel();
    m_list.showFirstPage(first.titles);
    m_pager = std::move(pager);
    m_lastKey = first.last;
    if (first.complete) stopPaging();
    endResetModel();
    return true;
}

void ResultListModel::clearLines()
{
    beginResetModel();
    stopPaging();
    m_list.clearLines();
    endResetModel();
}

void ResultListModel::stopPaging()
{
    m_pager = {};
    m_lastKey.reset();
    m_list.endPaging();
}

bool ResultListModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && bool(m_pager); }

void ResultListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent)) return;
    TitlePage page;
    try {
        page = m_pager(m_lastKey, m_pageRows);
    } catch (const std::exception& e) {
        stopPaging();
        emit fetchFailed(QString::fromUtf8(e.what()));
        return;
    }
    if (!page.titles.empty()) {
        const int first = rowCount();
        beginInsertRows({}, first, first + int(page.titles.size()) - 1);
        m_list.appendPage(page.titles);
        endInsertRows();
        m_lastKey = page.last;
    }
    if (page.complete || page.titles.empty()) stopPaging();
}

void ResultListModel::fetchAll()
{
    while (canFetchMore({})) fetchMore({});
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
    case Qt::DisplayRole: return m_list.line(size_t(index.row()));
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
