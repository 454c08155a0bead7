#pragma once

#include "titlelist.h"

#include "library/sharedconnection.h"

#include <QString>

namespace kelvor {

// The list tab's listing ("查询"): every record of the list table, in the
// table's own order. Empty when the shared connection is closed, the list
// table names no centre or the table has no rows; the caller then leaves the
// result list as it is. Throws DatabaseError when the database refuses the query.
TitleList listCentre(SharedConnection& connection, const QString& listTable);

}  // namespace kelvor
