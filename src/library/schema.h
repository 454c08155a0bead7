#pragma once

#include "database.h"
#include "layout.h"

#include <functional>
#include <optional>

namespace kelvor {

// One row of a centre table (all fields text; empty means absent).
struct CentreRecord {
    QString xxbh, name, link, eee, mark, jbmc, jbnr, bz, cc, nycd, bb;
};

struct KeywordLink {
    QString link;  // the keyword
    QString name;  // display name of the linked record
    QString setx;  // title of the linked record
    QString xxbh;  // code of the linked record
};

namespace schema {

// Beside each title a centre table keeps `namefold` (the folded title, for
// prefix ranges) and `namekey` (its PINYIN sort key, for ordered listing).
inline constexpr const char* kFoldColumn = "namefold";
inline constexpr const char* kSortKeyColumn = "namekey";

// The index of a centre table whose leading part is the first character of
// the folded title and whose next parts are the listing order: a one-character
// prefix reads its first rows in order without sorting its whole range.
QString initialIndexName(const QString& table);
// Creates it on `qualifiedTable` (kept in the same schema) unless it exists.
void createInitialIndex(Database& db, const QString& table, const QString& schemaName = QStringLiteral("main"));
bool hasInitialIndex(Database& db, const QString& table, const QString& schemaName = QStringLiteral("main"));

// Creates every table (and index) of `role`'s database in an empty database.
void createTables(Database& db, DatabaseRole role);
// Creates one centre table with its helper columns and indexes.
void createCentreTable(Database& db, const QString& table, const QString& schemaName = QStringLiteral("main"));
void createCatalogueTable(Database& db, const QString& table);  // ymzx, gjzx: xxbh, name, link

// True when every titled row of the table has its helper columns filled and indexed.
bool titleColumnsComplete(Database& db, const QString& table);

// Computes the helper columns of every row anew, for a table whose titles
// another tool edited in place. `progress` gets (done, total).
void refreshTitleColumns(Database& db, const QString& table, const std::function<void(qint64, qint64)>& progress);

// Adds the helper columns to a centre table that lacks them and fills them.
// Returns true when it had to change anything. `progress` gets (done, total).
bool ensureTitleColumns(Database& db, const QString& table,
                        const std::function<void(qint64, qint64)>& progress = {});

}  // namespace schema

// Inserts centre records with a prepared statement, helper columns filled and,
// when the table already has its contains index, each row indexed (a writer
// that changes the row count then calls containsindex::markCurrent()).
class CentreRecordWriter {
public:
    CentreRecordWriter(Database& db, const QString& table);
    void add(const CentreRecord& record);

private:
    Statement m_insert;
    std::optional<Statement> m_index;
};

class KeywordLinkWriter {
public:
    explicit KeywordLinkWriter(Database& db);
    void add(const KeywordLink& link);  // into the table of its keyword

private:
    Database& m_db;
};

}  // namespace kelvor
