#include "librarydatabases.h"

#include "authoringerror.h"

#include "library/libraryindexes.h"

#include <QDir>
#include <QFileInfo>

namespace kelvor::authoring {

namespace {

void writeCentreTable(Database& db, const QString& table, const std::vector<CentreRecord>& rows)
{
    Transaction tx(db);
    CentreRecordWriter writer(db, table);
    for (const CentreRecord& r : rows) writer.add(r);
    tx.commit();
}

void writeCatalogueTable(Database& db, const QString& table, const std::vector<CentreRecord>& rows)
{
    Transaction tx(db);
    // The table name comes from our own list of catalogue tables.
    Statement insert(db, QStringLiteral("insert into %1 (xxbh, name, link) values (?, ?, ?)").arg(quoteIdentifier(table)));
    for (const CentreRecord& r : rows) {
        insert.reset();
        insert.bindAll({r.xxbh, r.name, r.link.isEmpty() ? QVariant() : QVariant(r.link)});
        insert.step();
    }
    tx.commit();
}

void writeKeywordLinks(Database& db, const std::vector<KeywordLink>& links)
{
    Transaction tx(db);
    KeywordLinkWriter writer(db);
    for (const KeywordLink& link : links) writer.add(link);
    tx.commit();
}

}  // namespace

void createLibraryDatabases(const LibraryLayout& layout)
{
    for (const DatabaseInfo& info : allDatabases()) {
        const QString path = layout.databasePath(info.role);
        if (!QDir().mkpath(QFileInfo(path).path()))
            throw AuthoringError(QStringLiteral("cannot create the folder of %1").arg(path));
        auto db = Database::create(path, info.password);
        schema::createTables(*db, info.role);
    }
}

void writeLibraryDatabases(const LibraryLayout& layout, const LibraryContent& content)
{
    {
        auto db = openLibraryDatabase(layout, DatabaseRole::Content);
        for (const auto& [table, rows] : content.centreTables) writeCentreTable(*db, table, rows);
        for (const auto& [table, rows] : content.catalogueTables) writeCatalogueTable(*db, table, rows);
        // Every centre table written so far, here or before, gets its search indexes.
        writeLibraryIndexes(*db);
    }
    for (const auto& [table, rows] : content.centreTables) {
        if (const auto role = centreDatabaseOf(table)) {
            auto db = openLibraryDatabase(layout, *role);
            writeCentreTable(*db, table, rows);
        }
    }
    // Each centre's own copy, written here or before, gets the contains index
    // the continued query reads it through.
    for (const DatabaseRole role : centreDatabases())
        writeLibraryIndexes(*openLibraryDatabase(layout, role));
    {
        auto db = openLibraryDatabase(layout, DatabaseRole::Favourites);
        Transaction tx(*db);
        Statement insert(*db, QStringLiteral("insert into cellection (cellname, name, xxbh) values (?, ?, ?)"));
        for (const Favourite& f : content.favourites) {
            insert.reset();
            insert.bindAll({f.cellname, f.name, f.xxbh});
            insert.step();
        }
        tx.commit();
    }
    {
        auto db = openLibraryDatabase(layout, DatabaseRole::TechKeywords);
        writeKeywordLinks(*db, content.techKeywords);
    }
    {
        auto db = openLibraryDatabase(layout, DatabaseRole::ExampleKeywords);
        writeKeywordLinks(*db, content.exampleKeywords);
    }
    {
        auto db = openLibraryDatabase(layout, DatabaseRole::SearchHistory);
        Transaction tx(*db);
        Statement insert(*db,
                         QStringLiteral("insert into howsearch (name, datehow, timehow, readhow) values (?, ?, ?, ?)"));
        for (const SearchHistoryEntry& e : content.searchHistory) {
            insert.reset();
            insert.bindAll({e.name, e.date, e.time, e.count});
            insert.step();
        }
        tx.commit();
    }
}

}  // namespace kelvor::authoring
