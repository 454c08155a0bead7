#pragma once

#include "library/packedtexts.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <span>
#include <vector>

namespace kelvor {

// One catalogue node, read out of a tree. `index` order is insertion order:
// several operations (expanding all, automatic execution, bookmarks) walk
// nodes by it. The node's children are the tree's children(index).
struct CatalogueNode {
    QString key;   // prefix letter + record code, unique within the tree
    QString text;
    int picture = 0;  // 1–14, index into the tree's picture list
    int level = 0;
    int parent = -1;  // node index of the parent; -1 for a root
    int row = 0;      // position among the parent's children
    bool expanded = false;
};

// The nodes of one catalogue tree, kept flat and packed: the query group's
// tree holds every record of four centres and stays in memory while other
// pages are shown, so a node costs its key's and caption's UTF-8 bytes and a
// few integers, and a centre of 100 000 records builds with few allocations.
// Children lists are laid out in one array when first asked for after nodes
// were added (a tree is built, then read, on one thread).
class CatalogueTree {
public:
    enum class AddResult { Added, DuplicateKey, NoSuchParent };

    void reserve(int count);
    // Appends a node as the last child of `parent` (-1: a new root).
    AddResult add(QStringView key, QStringView text, int picture, int level, int parent);
    AddResult add(const QString& key, const QString& text, int picture, int level, int parent)
    {
        return add(QStringView(key), QStringView(text), picture, level, parent);
    }

    int nodeCount() const { return int(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.isEmpty(); }
    bool contains(int node) const { return node >= 0 && node < nodeCount(); }
    // Every field of a node at once; the accessors below read one field.
    CatalogueNode node(int index) const;
    QString key(int node) const { return m_keys.at(node); }
    QString text(int node) const;
    int picture(int node) const { return m_nodes[node].picture; }
    int level(int node) const { return m_nodes[node].level; }
    int parent(int node) const { return m_nodes[node].parent; }
    int row(int node) const { return m_nodes[node].row; }
    bool isExpanded(int node) const { return m_nodes[node].expanded; }
    int indexOfKey(const QString& key) const;

    const std::vector<int>& roots() const { return m_roots; }
    // The children of `parent` in row order; the roots for -1, none for a
    // node that does not exist. Valid until the next node is added.
    std::span<const int> children(int parent) const;
    int firstChild(int node) const;   // -1 when none
    int nextSibling(int node) const;  // -1 when none

    void setExpanded(int node, bool expanded);
    void expandAll();
    void setText(int node, const QString& text);

private:
    struct Slot {
        int parent = -1;
        int row = 0;
        int childCount = 0;
        qint16 picture = 0;  // 1–14
        qint8 level = 0;     // 1–7
        bool expanded = false;
    };
    // The key lookup: open addressing over node indices, -1 for a free slot.
    int findSlot(QByteArrayView keyUtf8) const;
    void growKeySlots(qsizetype wanted);
    void layOutChildren() const;

    QList<Slot> m_nodes;  // grows by reallocation, without a second copy
    PackedTexts m_keys;   // by node index
    PackedTexts m_texts;  // by node index, as built
    QHash<int, QString> m_renamed;  // captions changed after the build
    std::vector<int> m_keySlots;
    std::vector<int> m_roots;
    // Node i's children are m_childList[m_childStart[i] .. m_childStart[i + 1]).
    mutable std::vector<int> m_childStart;
    mutable std::vector<int> m_childList;
    mutable bool m_childrenLaidOut = true;
};

}  // namespace kelvor
