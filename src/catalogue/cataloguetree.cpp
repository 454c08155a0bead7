#include "cataloguetree.h"

namespace kelvor {

void CatalogueTree::reserve(int count)
{
    m_nodes.reserve(size_t(count));
    m_byKey.reserve(count);
}

CatalogueTree::AddResult CatalogueTree::add(const QString& key, const QString& text, int picture, int level,
                                            int parent)
{
    if (parent != -1 && !contains(parent)) return AddResult::NoSuchParent;
    if (m_byKey.contains(key)) return AddResult::DuplicateKey;

    const int index = nodeCount();
    std::vector<int>& siblings = parent == -1 ? m_roots : m_nodes[size_t(parent)].children;
    CatalogueNode node;
    node.key = key;
    node.text = text;
    node.picture = picture;
    node.level = level;
    node.parent = parent;
    node.row = int(siblings.size());
    siblings.push_back(index);
    m_nodes.push_back(std::move(node));
    m_byKey.insert(key, index);
    return AddResult::Added;
}

const std::vector<int>& CatalogueTree::children(int parent) const
{
    if (parent == -1) return m_roots;
    return contains(parent) ? m_nodes[size_t(parent)].children : m_noChildren;
}

int CatalogueTree::firstChild(int node) const
{
    if (!contains(node)) return -1;
    const auto& kids = m_nodes[size_t(node)].children;
    return kids.empty() ? -1 : kids.front();
}

int CatalogueTree::nextSibling(int node) const
{
    if (!contains(node)) return -1;
    const CatalogueNode& n = m_nodes[size_t(node)];
    const auto& siblings = children(n.parent);
    return size_t(n.row + 1) < siblings.size() ? siblings[size_t(n.row + 1)] : -1;
}

void CatalogueTree::setExpanded(int node, bool expanded)
{
    if (contains(node)) m_nodes[size_t(node)].expanded = expanded;
}

void CatalogueTree::setText(int node, const QString& text)
{
    if (contains(node)) m_nodes[size_t(node)].text = text;
}

void CatalogueTree::expandAll()
{
    for (auto& n : m_nodes) n.expanded = true;
}

}  // namespace kelvor
