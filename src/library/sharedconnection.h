#pragma once

#include "database.h"
#include "layout.h"

#include <memory>

namespace kelvor {

// The process-wide connection. It moves between the library's databases as
// operations need them; tables of the content database stay reachable from
// wherever it is, because the content database is attached as `kvjs` whenever
// another database is open.
class SharedConnection {
public:
    explicit SharedConnection(LibraryLayout layout);

    // Closes the connection if open, then opens it on `role`'s database.
    // Throws DatabaseError; the connection is then closed.
    void open(DatabaseRole role);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    DatabaseRole role() const { return m_role; }
    Database& db();

    // A content-database table as the current connection reaches it.
    QString contentTable(const QString& table) const;

    // Where the title helpers (name, xxbh, namefold, namekey) and the contains
    // index of a centre table live: beside the table, or, for a library the
    // program cannot write, in a per-user cache database that every opening
    // attaches as `kcache`.
    enum class IndexPlace { Library, Cache, None };
    void useIndexCache(const QString& path, const QString& password);
    void setIndexPlace(IndexPlace place);  // Library or None (no usable index: scan)
    IndexPlace indexPlace() const { return m_indexPlace; }
    // Takes the index place another connection on the same library found,
    // with its cache, so that work done on a worker's connection serves this one.
    void adoptIndexPlace(const SharedConnection& other);
    // The table to read titles with their helper columns from.
    QString titleTable(const QString& table) const;
    // The contains index of a centre table as the connection reaches it;
    // empty when there is none to use (the search then scans).
    QString containsIndex(const QString& table) const;

    const LibraryLayout& layout() const { return m_layout; }

    static constexpr const char* kContentSchema = "kvjs";
    static constexpr const char* kCacheSchema = "kcache";

private:
    LibraryLayout m_layout;
    std::unique_ptr<Database> m_db;
    DatabaseRole m_role = DatabaseRole::Content;
    IndexPlace m_indexPlace = IndexPlace::Library;
    QString m_cachePath;
    QString m_cachePassword;

    void attachCache();
};

}  // namespace kelvor
