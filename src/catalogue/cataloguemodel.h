#pragma once

#include "cataloguetree.h"

#include <QAbstractItemModel>

namespace kelvor {

// The catalogue tree (`TreeView1`) as a model. A build replaces the whole
// tree at once: builders fill a fresh CatalogueTree, reset() swaps it in.
class CatalogueModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role {
        KeyRole = Qt::UserRole + 1,
        PictureRole,   // int 1–14; the view maps it to its picture list
        LevelRole,
        ExpandedRole,  // bool; the learning tree starts with every node expanded
        NodeIndexRole, // insertion-order index of the node
    };

    explicit CatalogueModel(QObject* parent = nullptr);

    void reset(CatalogueTree tree);
    void clear();

    const CatalogueTree& tree() const { return m_tree; }
    int nodeCount() const { return m_tree.nodeCount(); }
    CatalogueNode node(int index) const { return m_tree.node(index); }
    int indexOfKey(const QString& key) const { return m_tree.indexOfKey(key); }

    QModelIndex indexOfNode(int node) const;
    // The node an index stands for; -1 for an invalid index.
    int nodeOf(const QModelIndex& index) const;
    void setExpanded(int node, bool expanded);
    // A record renamed in the library: the caption of every node that stands
    // for `code` (as a record, a folder or a search hit) changes in place,
    // keys and order untouched. Returns how many nodes changed.
    int renameRecord(const QString& code, const QString& text);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    CatalogueTree m_tree;
};

}  // namespace kelvor
