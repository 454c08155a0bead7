#include "treenavigation.h"

namespace kelvor {

bool opensRecord(QStringView key)
{
    if (key.isEmpty()) return false;
    const QChar prefix = key.front();
    return prefix == QLatin1Char('l') || prefix == QLatin1Char('m') || prefix == QLatin1Char('n');
}

QString codeOfKey(QStringView key) { return key.isEmpty() ? QString() : key.mid(1).toString(); }

std::optional<int> nextNodeAfterAncestor(const CatalogueTree& tree, int selected, int k)
{
    if (k < 0 || k > 7 || !tree.contains(selected)) return std::nullopt;
    int ancestor = selected;
    for (int step = 0; step <= k; ++step) {
        ancestor = tree.node(ancestor).parent;
        if (ancestor < 0) return std::nullopt;
    }
    const int next = tree.nextSibling(ancestor);
    if (next < 0) return std::nullopt;
    return next;
}

}  // namespace kelvor
