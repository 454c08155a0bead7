#include "libraryindexes.h"

#include "containsindex.h"
#include "schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

namespace kelvor {

namespace {

const QString kMain = QStringLiteral("main");

QString inMain(const QString& table) { return kMain + QLatin1Char('.') + quoteIdentifier(table); }

bool libraryIsCurrent(Database& db, const QStringList& tables)
{
    for (const QString& t : tables)
        if (!schema::titleColumnsComplete(db, t) || !containsindex::watchesChanges(db, t) ||
            !containsindex::isCurrent(db, kMain, t, db, kMain))
            return false;
    return true;
}

// A library locked by another program is not waited for long: its indexes
// go to the cache instead.
class ShortBusyWait {
public:
    explicit ShortBusyWait(Database& db) : m_db(db) { sqlite3_busy_timeout(m_db.handle(), 300); }
    ~ShortBusyWait() { sqlite3_busy_timeout(m_db.handle(), 5000); }
    ShortBusyWait(const ShortBusyWait&) = delete;
    ShortBusyWait& operator=(const ShortBusyWait&) = delete;

private:
    Database& m_db;
};

// The cache keeps, per centre table, the titles with their helper columns
// under the library's rowids, and the contains index, so every search that
// needs them reads the cache instead of the library.
void createTitleCopy(Database& cache, const QString& table)
{
    const QString t = quoteIdentifier(table);
    cache.executeScript(QStringLiteral("drop table if exists %1;"
                                       "create table %1 (name text, xxbh text, namefold text, namekey blob);")
                            .arg(t));
}

void indexTitleCopy(Database& cache, const QString& table)
{
    const QString t = quoteIdentifier(table);
    cache.executeScript(QStringLiteral("create index %2 on %1 (namekey, name, xxbh);"
                                       "create index %3 on %1 (namefold, namekey, name, xxbh);")
                            .arg(t, quoteIdentifier(table + QStringLiteral("_namekey")),
                                 quoteIdentifier(table + QStringLiteral("_namefold"))));
    schema::createInitialIndex(cache, table);
}

void copyTitles(Database& cache, const QString& table, Database& library)
{
    createTitleCopy(cache, table);
    Statement read(library, QStringLiteral("select rowid, name, xxbh, fold(name), pinyin_key(name) from %1")
                                .arg(inMain(table)));
    Statement write(cache, QStringLiteral("insert into %1 (rowid, name, xxbh, namefold, namekey) values (?,?,?,?,?)")
                               .arg(quoteIdentifier(table)));
    while (read.step()) {
        write.reset();
        write.bindAll({read.value(0), read.value(1), read.value(2), read.value(3), read.value(4)});
        write.step();
    }
    indexTitleCopy(cache, table);
}

// Per centre table, how the library file looked when its copy was made.
const QString kStampTable = QStringLiteral("kelvor_library_file");

// The library file's size and last write, and those of its write-ahead log:
// a library without the change count's triggers (an older tool's, never
// opened writable here) shows an edit made in place only through these.
QString fileStamp(const QString& path)
{
    QString stamp;
    for (const QString& file : {path, path + QStringLiteral("-wal")}) {
        const QFileInfo info(file);
        if (!info.exists()) continue;
        stamp += QStringLiteral("%1:%2;").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    return stamp;
}

QString stampOf(Database& cache, const QString& table, const QString& schema = kMain)
{
    if (!cache.hasTable(kStampTable, schema)) return {};
    const auto rows = cache.query(QStringLiteral("select stamp from %1.%2 where tbl = ?")
                                      .arg(quoteIdentifier(schema), quoteIdentifier(kStampTable)),
                                  {table});
    return rows.empty() ? QString() : rows.front().text(0);
}

void recordStamp(Database& cache, const QString& table, const QString& stamp)
{
    cache.executeScript(QStringLiteral("create table if not exists %1 (tbl text primary key, stamp text not null);")
                            .arg(quoteIdentifier(kStampTable)));
    cache.execute(QStringLiteral("insert or replace into %1 (tbl, stamp) values (?, ?)").arg(quoteIdentifier(kStampTable)),
                  {table, stamp});
}

std::unique_ptr<Database> openCache(const QString& path, const QString& password)
{
    if (QFileInfo::exists(path)) {
        try {
            auto cache = Database::open(path, password);
            cache->scalar(QStringLiteral("select count(*) from sqlite_master"));
            return cache;
        } catch (const DatabaseError&) {
            // Only the program writes this file and everything in it can be
            // rebuilt from the library: an unreadable one is replaced.
            QFile::remove(path);
        }
    }
    return Database::create(path, password);
}

// What a cache keeps of a library database: the contains indexes, and for
// the content database the titles with their helpers as well.
enum class CacheContent { IndexesOnly, TitlesAndIndexes };

// True when the cache in `cacheSchema` of `cacheDb` holds, for `table`, what
// `content` asks for, built from the library database as it is now.
bool cacheCurrent(Database& cacheDb, const QString& cacheSchema, const QString& table, Database& library,
                  const QString& stamp, CacheContent content)
{
    if (content == CacheContent::TitlesAndIndexes &&
        (!cacheDb.hasTable(table, cacheSchema) || !schema::hasInitialIndex(cacheDb, table, cacheSchema)))
        return false;
    return containsindex::isCurrent(cacheDb, cacheSchema, table, library, kMain) &&
           (containsindex::watchesChanges(library, table) || stampOf(cacheDb, table, cacheSchema) == stamp);
}

const QString& cachePassword() { return databaseInfo(DatabaseRole::Content).password; }

// Brings the per-user cache of the library database `library` up to date
// for `tables`; gives its path.
QString prepareCache(Database& library, const QStringList& tables, const QString& cacheFolder, CacheContent content,
                     const std::function<void(qint64, qint64)>& progress)
{
    if (!QDir().mkpath(cacheFolder))
        throw DatabaseError(DatabaseErrorKind::Query, QStringLiteral("无法建立缓存目录：%1").arg(cacheFolder));
    const QString path = indexCachePath(cacheFolder, library.path());
    auto cache = openCache(path, cachePassword());
    // Taken before the rows are read: a write made meanwhile shows next time.
    const QString stamp = fileStamp(library.path());
    for (const QString& t : tables) {
        if (cacheCurrent(*cache, kMain, t, library, stamp, content)) continue;
        Transaction tx(*cache);
        if (content == CacheContent::TitlesAndIndexes) copyTitles(*cache, t, library);
        containsindex::build(*cache, kMain, t, library, kMain, progress);
        recordStamp(*cache, t, stamp);
        tx.commit();
    }
    return path;
}

}  // namespace

QStringList indexedContentTables(Database& contentDb)
{
    QStringList tables;
    for (const QString& table : databaseInfo(DatabaseRole::Content).tables) {
        if (table == QLatin1String("ymzx") || table == QLatin1String("gjzx")) continue;
        if (contentDb.hasTable(table)) tables << table;
    }
    return tables;
}

void writeLibraryIndexes(Database& contentDb, const std::function<void(qint64, qint64)>& progress)
{
    for (const QString& t : indexedContentTables(contentDb)) {
        // An index that exists but is stale may hide titles another tool
        // edited in place, whose helper columns it left as they were.
        const bool stale = contentDb.hasTable(containsindex::indexTableFor(t)) &&
                           !containsindex::isCurrent(contentDb, kMain, t, contentDb, kMain);
        schema::ensureTitleColumns(contentDb, t, progress);
        if (stale) schema::refreshTitleColumns(contentDb, t, progress);
        containsindex::watchChanges(contentDb, t);
        containsindex::ensure(contentDb, t, progress);
    }
}

bool libraryIndexesCurrent(Database& contentDb)
{
    return libraryIsCurrent(contentDb, indexedContentTables(contentDb));
}

QString defaultIndexCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/kelvor");
}

QString indexCachePath(const QString& cacheFolder, const QString& contentPath)
{
    const QString where = QFileInfo(contentPath).absoluteFilePath();
    const QByteArray id = QCryptographicHash::hash(where.toUtf8(), QCryptographicHash::Sha1).toHex();
    return cacheFolder + QStringLiteral("/index-") + QString::fromLatin1(id) + QStringLiteral(".db");
}

SharedConnection::IndexPlace prepareLibraryIndexes(SharedConnection& connection, const QString& cacheFolder,
                                                  const std::function<void(qint64, qint64)>& progress)
{
    using Place = SharedConnection::IndexPlace;
    Database& db = connection.db();
    const QStringList tables = indexedContentTables(db);
    if (libraryIsCurrent(db, tables)) {
        connection.setIndexPlace(Place::Library);
        return Place::Library;
    }
    if (!sqlite3_db_readonly(db.handle(), "main")) {
        try {
            ShortBusyWait shortWait(db);
            writeLibraryIndexes(db, progress);
            connection.setIndexPlace(Place::Library);
            return Place::Library;
        } catch (const DatabaseError&) {
            // Read-only folder or locked by another program: use the cache.
        }
    }
    try {
        const QString path = prepareCache(db, tables, cacheFolder, CacheContent::TitlesAndIndexes, progress);
        connection.useIndexCache(path, cachePassword());
        return Place::Cache;
    } catch (const DatabaseError&) {
        connection.setIndexPlace(Place::None);
        return Place::None;
    }
}

SharedConnection::IndexPlace prepareCentreIndexes(Database& centreDb, const QString& cacheFolder,
                                                  const std::function<void(qint64, qint64)>& progress)
{
    using Place = SharedConnection::IndexPlace;
    const QStringList tables = indexedContentTables(centreDb);
    if (libraryIsCurrent(centreDb, tables)) return Place::Library;
    if (!sqlite3_db_readonly(centreDb.handle(), "main")) {
        try {
            ShortBusyWait shortWait(centreDb);
            writeLibraryIndexes(centreDb, progress);
            return Place::Library;
        } catch (const DatabaseError&) {
            // Read-only folder or locked by another program: use the cache.
        }
    }
    try {
        prepareCache(centreDb, tables, cacheFolder, CacheContent::IndexesOnly, progress);
        return Place::Cache;
    } catch (const DatabaseError&) {
        return Place::None;
    }
}

SharedConnection::IndexPlace useCentreIndexes(Database& centreDb, const QString& cacheFolder)
{
    using Place = SharedConnection::IndexPlace;
    const QStringList tables = indexedContentTables(centreDb);
    if (tables.isEmpty()) return Place::None;
    if (libraryIsCurrent(centreDb, tables)) return Place::Library;
    const QString cacheSchema = QString::fromLatin1(SharedConnection::kCacheSchema);
    const QString path = cacheFolder.isEmpty() ? QString() : indexCachePath(cacheFolder, centreDb.path());
    if (path.isEmpty() || !QFileInfo::exists(path)) return Place::None;
    try {
        if (!centreDb.isAttached(cacheSchema)) centreDb.attach(cacheSchema, path, cachePassword());
        const QString stamp = fileStamp(centreDb.path());
        bool current = true;
        for (const QString& t : tables)
            current = current && cacheCurrent(centreDb, cacheSchema, t, centreDb, stamp, CacheContent::IndexesOnly);
        if (current) return Place::Cache;
        centreDb.detach(cacheSchema);
    } catch (const DatabaseError&) {
        // An unreadable cache is rebuilt by the next start-up; until then the search scans.
    }
    return Place::None;
}

}  // namespace kelvor
