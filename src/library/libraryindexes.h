#pragma once

#include "sharedconnection.h"

#include <QString>

#include <functional>

namespace kelvor {

// The centre tables of the content database that carry title helpers and a
// contains index (every centre table but the catalogues ymzx and gjzx).
QStringList indexedContentTables(Database& contentDb);

// Writes the title helper columns and the contains indexes of every centre
// table into a content or per-centre database that was just written or
// changed in bulk (the authoring tool's and importers' closing step). Throws
// DatabaseError.
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

// The per-centre databases keep their own copy of a centre's table, which the
// continued query reads; each carries the contains index of that copy too.
// Makes it current: beside the table when the database can be written, else
// in a per-user cache database of its own under `cacheFolder`, which holds
// only the index (the query attaches it, see useCentreIndexes()). Gives where
// the index lies now: None when neither place could be written. Throws
// DatabaseError only when the database cannot be read.
SharedConnection::IndexPlace prepareCentreIndexes(Database& centreDb, const QString& cacheFolder,
                                                  const std::function<void(qint64, qint64)>& progress = {});

// Where a current contains index of the per-centre database `centreDb` can
// be read: beside its table (Library), in its per-user cache (Cache, which
// this call attaches to `centreDb` as SharedConnection::kCacheSchema), or
// nowhere (None: the query scans). An index that another writer left behind
// its rows is never used.
SharedConnection::IndexPlace useCentreIndexes(Database& centreDb, const QString& cacheFolder);

// Where the program keeps the per-user caches of libraries it cannot write.
QString defaultIndexCacheFolder();

// The cache database of the library whose content database is at `contentPath`.
QString indexCachePath(const QString& cacheFolder, const QString& contentPath);

}  // namespace kelvor
