#include "cataloguemodel.h"

namespace kelvor {

CatalogueModel::CatalogueModel(QObject* parent) : QAbstractItemModel(parent) {}

void CatalogueModel::reset(CatalogueTree tree)
{
    beginResetModel();
    std::swap(m_tree, tree);
    endResetModel();
    // The old nodes go here, after the view has let go of them.
}

void CatalogueModel::clear() { reset(CatalogueTree()); }

QModelIndex CatalogueModel::indexOfNode(int node) const
{
    if (!m_tree.contains(node)) return {};
    return createIndex(m_tree.row(node), 0, quintptr(node));
}

int CatalogueModel::nodeOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this) return -1;
    const int node = int(index.internalId());
    return m_tree.contains(node) ? node : -1;
}

void CatalogueModel::setExpanded(int node, bool expanded)
{
    if (!m_tree.contains(node) || m_tree.isExpanded(node) == expanded) return;
    m_tree.setExpanded(node, expanded);
    const QModelIndex at = indexOfNode(node);
    emit dataChanged(at, at, {ExpandedRole});
}

int CatalogueModel::renameRecord(const QString& code, const QString& text)
{
    if (code.isEmpty()) return 0;
    int renamed = 0;
    // A node's key is its kind's letter followed by the record code.
    for (const QChar kind : {u'a', u'l', u'm', u'n'}) {
        const int node = m_tree.indexOfKey(kind + code);
        if (node < 0 || m_tree.text(node) == text) continue;
        m_tree.setText(node, text);
        const QModelIndex at = indexOfNode(node);
        emit dataChanged(at, at, {Qt::DisplayRole});
        ++renamed;
    }
    return renamed;
}

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0) return {};
    const int parentNode = parent.isValid() ? nodeOf(parent) : -1;
    if (parent.isValid() && parentNode < 0) return {};
    const auto kids = m_tree.children(parentNode);
    if (size_t(row) >= kids.size()) return {};
    return createIndex(row, 0, quintptr(kids[size_t(row)]));
}

QModelIndex CatalogueModel::parent(const QModelIndex& child) const
{
    const int node = nodeOf(child);
    if (node < 0) return {};
    return indexOfNode(m_tree.parent(node));
}

int CatalogueModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid()) return int(m_tree.roots().size());
    if (parent.column() != 0) return 0;
    const int node = nodeOf(parent);
    return node < 0 ? 0 : int(m_tree.children(node).size());
}

int CatalogueModel::columnCount(const QModelIndex&) const { return 1; }

bool CatalogueModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant CatalogueModel::data(const QModelIndex& index, int role) const
{
    const int at = nodeOf(index);
    if (at < 0) return {};
    switch (role) {
    case Qt::DisplayRole: return m_tree.text(at);
    case KeyRole: return m_tree.key(at);
    case PictureRole: return m_tree.picture(at);
    case LevelRole: return m_tree.level(at);
    case ExpandedRole: return m_tree.isExpanded(at);
    case NodeIndexRole: return at;
    default: return {};
    }
}

QHash<int, QByteArray> CatalogueModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractItemModel::roleNames();
    names.insert(KeyRole, "key");
    names.insert(PictureRole, "picture");
    names.insert(LevelRole, "level");
    names.insert(ExpandedRole, "expanded");
    names.insert(NodeIndexRole, "nodeIndex");
    return names;
}

}  // namespace kelvor
