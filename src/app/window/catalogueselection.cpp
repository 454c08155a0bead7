#include "catalogueselection.h"

#include "catalogue/cataloguemodel.h"

#include <QAbstractProxyModel>
#include <QTreeView>

#include <vector>

namespace kelvor {

CatalogueSelection::CatalogueSelection(QTreeView& view, QAbstractProxyModel* proxy, CatalogueModel& model)
    : m_view(view), m_proxy(proxy), m_model(model)
{
}

const CatalogueTree& CatalogueSelection::tree() const { return m_model.tree(); }

int CatalogueSelection::selectedNode() const
{
    const QModelIndex current = m_view.currentIndex();
    if (!current.isValid()) return -1;
    return m_model.nodeOf(m_proxy ? m_proxy->mapToSource(current) : current);
}

std::optional<QString> CatalogueSelection::selectedKey() const
{
    const int node = selectedNode();
    if (node < 0) return std::nullopt;
    return m_model.node(node).key;
}

void CatalogueSelection::select(int node)
{
    QModelIndex index = m_model.indexOfNode(node);
    if (m_proxy) index = m_proxy->mapFromSource(index);
    if (!index.isValid()) return;
    m_view.setCurrentIndex(index);
    m_view.scrollTo(index);
}

void CatalogueSelection::expand(int node)
{
    QModelIndex index = m_model.indexOfNode(node);
    if (m_proxy) index = m_proxy->mapFromSource(index);
    if (!index.isValid()) return;
    m_view.setExpanded(index, true);
    m_model.setExpanded(node, true);
}

void CatalogueSelection::reveal(int node)
{
    if (!m_model.tree().contains(node)) return;
    std::vector<int> ancestors;
    for (int up = m_model.node(node).parent; up >= 0; up = m_model.node(up).parent) ancestors.push_back(up);
    // From the root down: a child's index is only shown under an unfolded parent.
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) expand(*it);
    select(node);
}

}  // namespace kelvor
