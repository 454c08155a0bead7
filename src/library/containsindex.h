#pragma once

#include "database.h"

#include <QString>
#include <QStringView>
#include <QVariantList>

#include <functional>
#include <optional>

namespace kelvor::containsindex {

// Beside each centre table `t` lies an FTS4 table `t_contains` whose row
// `docid` (the centre row's rowid) holds, per column (`name`, `mark`), every
// single character and every pair of neighbouring characters of the
// case-folded text, each written as a plain token. A `like '%term%'` is
// answered by asking it for the rows that hold every such piece of the term's
// literal runs and checking only those with the same `like`, so the result is
// exactly the `like` result.
//
// The table keeps no copy of the text (contentless), so it cannot delete a
// row's pieces: a changed row simply gets its new pieces as well. Leftover
// pieces only add candidates, which the check removes.
enum class Column { Name, Mark };

QString indexTableFor(const QString& table);  // "jszx" -> "jszx_contains"
// The pieces of one text, as the index stores them.
QString piecesOf(QStringView text);

// The FTS query that narrows `like '%term%'` to candidate rows: every piece
// of the folded literal runs between the term's `%` and `_`. Nothing when the
// term has no literal character; such a term is answered by a scan.
std::optional<QString> matchFor(const QString& term);

// "<rowid> in (select docid from <index> where <column> match ?)" for a
// condition on the centre table, with its bound value; nothing when the term
// needs a scan. `qualifiedIndex` is where the connection reaches the index,
// `rowid` the expression naming the centre table's row id in the query.
struct Narrowing {
    QString condition;
    QVariantList params;
};
std::optional<Narrowing> narrowing(const QString& qualifiedIndex, Column column, const QString& term,
                                   const QString& rowid = QStringLiteral("rowid"));

using Progress = std::function<void(qint64 done, qint64 total)>;

// True when the index of `table` in schema `indexSchema` of `indexDb` was
// built, in this format, from a table that still has the row count and
// highest rowid of `sourceSchema.table` in `sourceDb` (rows added or removed
// by another tool make it stale), and, where the source counts its changes
// (watchChanges()), no row was added, removed or given another title, content
// or code since.
bool isCurrent(Database& indexDb, const QString& indexSchema, const QString& table, Database& sourceDb,
               const QString& sourceSchema);

// Builds (or rebuilds) the index of `table` in `indexSchema` of `indexDb` from
// the rows of `sourceSchema.table` in `sourceDb`, and records the source's
// state. Runs inside the caller's transaction on `indexDb`, so a failed build
// leaves the old index.
void build(Database& indexDb, const QString& indexSchema, const QString& table, Database& sourceDb,
           const QString& sourceSchema, const Progress& progress = {});

// Triggers on a centre table of the main database that count every row
// added, removed, or given another title, content or code, whoever writes it:
// any SQLite writer runs them, so titles edited in place by another tool are
// told from an unchanged table. Installing them adopts the index state as it
// is. Throws DatabaseError when the database cannot be written.
void watchChanges(Database& db, const QString& table);
bool watchesChanges(Database& db, const QString& table);

// Makes the index of a centre table of the main database current; returns
// true when it had to build it. Throws DatabaseError when the database cannot
// be written.
bool ensure(Database& db, const QString& table, const Progress& progress = {});

// A writer inside the program that changed the title or content of row
// `rowid` of a centre table of the main database (one change the triggers
// counted) calls this in the same transaction, so searches keep finding it
// and the index stays current when it was.
void indexRow(Database& db, const QString& table, qint64 rowid);

// A writer that added or removed rows of a table whose index was current
// when it began (isCurrent()), each added row indexed (as CentreRecordWriter
// does), records the table's new state in the same transaction, so the next
// start-up does not rebuild the index.
void markCurrent(Database& db, const QString& table);

}  // namespace kelvor::containsindex
