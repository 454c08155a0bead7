#pragma once

#include "catalogue/cataloguetree.h"

#include <optional>

class QAbstractProxyModel;
class QTreeView;

namespace kelvor {

class CatalogueModel;

// The catalogue tree as the reading aids see it: its nodes by index, which
// one is selected, and selecting or expanding one as a user's click would.
class CatalogueSelection {
public:
    CatalogueSelection(QTreeView& view, QAbstractProxyModel* proxy, CatalogueModel& model);

    const CatalogueTree& tree() const;
    // -1 when no node is selected.
    int selectedNode() const;
    std::optional<QString> selectedKey() const;
    void select(int node);
    void expand(int node);
    // Unfolds the node's ancestors, then selects it and scrolls it into view.
    void reveal(int node);

private:
    QTreeView& m_view;
    QAbstractProxyModel* m_proxy = nullptr;
    CatalogueModel& m_model;
};

}  // namespace kelvor
