#pragma once

#include "cataloguetree.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace kelvor {

// Record nodes of the centre and learning trees ("l", "m") and of the match
// tree ("n") open their record when clicked; search-tree and group nodes ("a")
// open nothing.
bool opensRecord(QStringView key);
// The record code a node key stands for: the key without its prefix letter.
QString codeOfKey(QStringView key);
// The node that opens record `code` in `tree`, whatever its prefix letter; -1 when none.
int nodeOfRecord(const CatalogueTree& tree, const QString& code);

// The node after the (k+1)-th ancestor of `selected` among that ancestor's
// siblings, for automatic execution to continue behind a finished branch.
// Nothing when k is outside 0–7 or a node on the way does not exist.
std::optional<int> nextNodeAfterAncestor(const CatalogueTree& tree, int selected, int k);

}  // namespace kelvor
