#pragma once

#include "titlelist.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

#include <QString>

#include <optional>

namespace kelvor {

// The centre search ("搜索", Enter in the search box): the records of the
// current centre whose title contains the typed text, in record-code order,
// so each folder precedes its contents. Letter case is ignored over all
// scripts; a typed `%` or `_` keeps its wildcard meaning.
struct CentreSearch {
    QString highlightTerm;  // becomes the first highlight term: the searched text
    Query query;            // the matching titles, in code order
    Query listQuery;        // stored as the list query: every record of the centre
};

// The search of `text` in the centre whose table the window stores as
// current table (" slzx", the technology centre's external reference, "jszx"),
// qualified for wherever the shared connection is open. Nothing when the
// current table names no centre: then no search runs.
std::optional<CentreSearch> centreSearch(const SharedConnection& connection, const QString& currentTable,
                                         const QString& text);

// Runs the search. An empty result is the "nothing found" case: the caller
// empties the result list, keeps the code table and shows noTitleMatchMessage().
// Throws DatabaseError when the database refuses the query.
TitleList runCentreSearch(SharedConnection& connection, const CentreSearch& search);

QString noTitleMatchMessage();

}  // namespace kelvor
