#include "treenavigation.h"

namespace kelvor {

bool opensRecord(QStringView key)
{
    if (key.isEmpty()) return false;
    const QChar prefix = key.front();
    return prefix == QLatin1Char('l') || prefix == QLatin1Char('m') || prefix == QLatin1Char('n');
}

QString codeOfKey(QStringView key) { return key.isEmpty() ? QString() : key.mid(1).toString(); }

int nodeOfRecord(const CatalogueTree& tree, const QString& code)
{
    if (code.isEmpty()) return -1;
    for (const QChar prefix : {QLatin1Char('l'), QLatin1Char('m'), QLatin1Char('n')}) {
        const int node = tree.indexOfKey(prefix + code);
        if (node >= 0) return node;
    }
    return -1;
}

std::optional<int> nextNodeAfterAncestor(const CatalogueTree& tree, int selected, int k)
{
    if (k < 0 || k > 7 || !tree.contains(selected)) return std::nullopt;
    int ancestor = selected;
    for (int step = 0; step <= k; ++step) {
        ancestor = tree.parent(ancestor);
        if (ancestor < 0) return std::nullopt;
    }
    const int next = tree.nextSibling(ancestor);
    if (next < 0) return std::nullopt;
    return next;
}

}  // namespace kelvor
