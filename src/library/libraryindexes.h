#pragma once

#include "sharedconnection.h"

#include <QString>

#include <functional>

namespace kelvor {

// The centre tables of the content database that carry title helpers and a
// contains index (every centre table but the catalogues ymzx and gjzx).
QStringList indexedContentTables(Database& contentDb);

// Writes the title helper columns and the contains indexes of every centre
// table into a content database that was just written or changed in bulk
// (the authoring tool's and importers' closing step). Throws DatabaseError.
void writeLibraryIndexes(Database& contentDb, const std::function<void(qint64, qint64)>& progress = {});

// At start-up, with the connection open on the content database: brings the
// title helper columns and the contains indexes up to date (a library from an
// older tool, or one whose rows another tool added). A library the program
// cannot write (read-only, shared, locked) gets them in a per-user cache
// database under `cacheFolder` instead, keyed with the library's password,
// which the connection attaches from then on. When neither works, the
// searches scan. `progress` gets (done, total) of the rows worked on.
SharedConnection::IndexPlace prepareLibraryIndexes(SharedConnection& connection, const QString& cacheFolder,
                                                  const std::function<void(qint64, qint64)>& progress = {});

// True when every centre table of the content database already has its title
// helpers and contains index beside it, so there is nothing to prepare.
bool libraryIndexesCurrent(Database& contentDb);

// The cache database of the library whose content database is at `contentPath`.
QString indexCachePath(const QString& cacheFolder, const QString& contentPath);

}  // namespace kelvor
