#pragma once

#include <QHash>
#include <QString>

#include <vector>

namespace kelvor {

// One catalogue node. `index` order is insertion order: several operations
// (expanding all, automatic execution, bookmarks) walk nodes by it.
struct CatalogueNode {
    QString key;   // prefix letter + record code, unique within the tree
    QString text;
    int picture = 0;  // 1–14, index into the tree's picture list
    int level = 0;
    int parent = -1;  // node index of the parent; -1 for a root
    int row = 0;      // position among the parent's children
    bool expanded = false;
    std::vector<int> children;
};

// The nodes of one catalogue tree, kept flat so that a centre of 100 000
// records builds and swaps in quickly.
class CatalogueTree {
public:
    enum class AddResult { Added, DuplicateKey, NoSuchParent };

    void reserve(int count);
    // Appends a node as the last child of `parent` (-1: a new root).
    AddResult add(const QString& key, const QString& text, int picture, int level, int parent);

    int nodeCount() const { return int(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.empty(); }
    bool contains(int node) const { return node >= 0 && node < nodeCount(); }
    const CatalogueNode& node(int index) const { return m_nodes[size_t(index)]; }
    int indexOfKey(const QString& key) const { return m_byKey.value(key, -1); }

    const std::vector<int>& roots() const { return m_roots; }
    // The children of `parent`; the roots for -1.
    const std::vector<int>& children(int parent) const;
    int firstChild(int node) const;   // -1 when none
    int nextSibling(int node) const;  // -1 when none

    void setExpanded(int node, bool expanded);
    void expandAll();
    void setText(int node, const QString& text);

private:
    std::vector<CatalogueNode> m_nodes;
    std::vector<int> m_roots;
    QHash<QString, int> m_byKey;
    std::vector<int> m_noChildren;  // what children() gives for a node that does not exist
};

}  // namespace kelvor
