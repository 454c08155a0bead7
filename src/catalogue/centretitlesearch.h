#pragma once

#include "treebuilder.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

namespace kelvor {

// The search started by a click on the centre title label `Label5`: the
// technology centre's folders and every record whose title or body contains
// the text of the search box, as a search tree.
struct CentreTitleSearch {
    QString currentTable;  // what the window stores as current table ("jszx"); the list table stays
    QString centreTitle;   // the new caption of the centre title label
    Query treeQuery;
    Query listQuery;
};

CentreTitleSearch centreTitleSearch(const SharedConnection& connection, const QString& text);

// Builds the search tree of the search; the build's failure goes to the
// caller, which keeps the nodes built so far and carries on.
BuildResult runCentreTitleSearch(SharedConnection& connection, const CentreTitleSearch& search, bool queryGroup);

}  // namespace kelvor
