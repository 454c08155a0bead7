#pragma once

#include "treebuilder.h"

#include "library/centres.h"
#include "library/sharedconnection.h"

namespace kelvor {

// The tree builders over the shared connection. Each runs its query on the
// database the connection has open and never throws: a query that cannot
// run ends the build as BuildFailure::QueryFailed.

// `treeQuery`: the centre's stored tree query (rows in code order).
BuildResult buildCentreTree(SharedConnection& connection, const Query& treeQuery);

// Every record of `table` whose code begins with `prefix` (205101, 206101).
// `table` must name a centre table (plain or as the stored table expression).
BuildResult buildLearningTree(SharedConnection& connection, const QString& table, const QString& prefix);
Query learningTreeQuery(const SharedConnection& connection, const QString& table, const QString& prefix);

// `filterQuery` returns xxbh, name and link in code order.
BuildResult buildSearchTree(SharedConnection& connection, const Query& filterQuery, bool queryGroup);

// Runs `query` and feeds its name, xxbh and link columns to `builder`.
BuildResult runTreeQuery(SharedConnection& connection, const Query& query, TreeBuilder builder);

}  // namespace kelvor
