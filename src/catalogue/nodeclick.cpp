#include "nodeclick.h"

namespace kelvor {

bool nodeClick(CatalogueModel& model, int node, RecordOpener& opener)
{
    if (node < 0 || node >= model.nodeCount()) return false;
    model.setExpanded(node, !model.node(node).expanded);
    // Copied: opening a record may lead the caller to rebuild the tree.
    const CatalogueNode clicked = model.node(node);
    return opener.openNode(clicked);
}

}  // namespace kelvor
