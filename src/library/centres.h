#pragma once

#include "layout.h"

#include <QString>
#include <QStringView>
#include <QVariantList>

#include <functional>
#include <vector>

namespace kelvor {

enum class DocumentKind { Page, Picture, Player, None };

struct Centre {
    QString caption;        // as shown in the centre title label
    QString table;          // plain table name in the content database
    QString tableExpression;// the stored form of the current table (" spzx"); see tableExpression()
    QString codePrefix;     // six digits; empty for catalogue-only centres
    DocumentKind kind;
    bool external = false;  // stored as an external table reference to the content database
};

// The centre table: jszx, spzx, slzx, xmzx, fazx, jmzx, study, works, ymzx, gjzx.
const std::vector<Centre>& centres();
const Centre* centreByTable(QStringView table);
const Centre* centreByCaption(QStringView caption);
// The centre of a record code, from its first six characters alone; nullptr
// when they name no centre (ymzx and gjzx own no prefix).
const Centre* centreOfCode(QStringView code);
// The current-table text the centre switch stores: " spzx", "study", or for
// the technology centre "[;database=<content database>;pwd=<password>].jszx".
QString tableExpression(const Centre& centre, const LibraryLayout& layout);
// ".htm", ".jpg" or ".exe".
QString documentExtension(DocumentKind kind);

// The six centres of the search page, in listing order.
const QStringList& searchPageTables();
// The four text centres of the query group's catalogue, in order.
const QStringList& queryGroupTables();

namespace codes {
// Catalogue level from the code length: 8, 12, 16, 20 -> 1..4, else 0.
int level(QStringView code);
// The search tree also reads 24, 28, 32 as levels 5..7.
int searchLevel(QStringView code);
// The parent of a level 2–4 code (its first length-4 characters); empty for
// level 1 (whose parent is the centre) and for codes without a level.
QString parent(QStringView code);
bool isDigits(QStringView code);
}  // namespace codes

// A query ready to run: SQL text of our own plus the values bound to it.
struct Query {
    QString sql;
    QVariantList params;
};

// What the centre switch stores for a centre.
struct CentreQueries {
    QString currentTable;  // table expression as stored
    QString listTable;
    QString table;         // plain table name the queries run on
    Query treeQuery;
    Query listQuery;
};

// Qualifies a plain content-database table name for the connection at hand
// (SharedConnection::contentTable).
using TableQualifier = std::function<QString(const QString& table)>;

// Tree and list queries of a centre of the centre group or of a catalogue-only centre.
CentreQueries centreQueries(const Centre& centre, const LibraryLayout& layout, const QString& qualifiedTable);
// The learning centres: the one code L (20510111, 20610111) as pattern.
CentreQueries learningQueries(const Centre& centre, const LibraryLayout& layout, const QString& qualifiedTable);
QString learningPattern(const Centre& centre);  // "20510111" or "20610111"
// The query group's catalogue: four text centres in one tree, in code order.
Query queryGroupTreeQuery(const TableQualifier& qualify);
// The search page: every title of six centres, sorted by title (duplicates of
// the same title and code once).
Query searchPageQuery(const TableQualifier& qualify);
}  // namespace kelvor
