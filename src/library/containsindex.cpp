#include "containsindex.h"

#include "textrules.h"

#include <algorithm>
#include <vector>

namespace kelvor::containsindex {

namespace {

// Bumped whenever the pieces change shape, so older indexes are rebuilt.
constexpr int kFormat = 1;
constexpr qint64 kProgressStep = 10000;

const QString kStateTable = QStringLiteral("kelvor_index_state");

// A code point as four base-36 digits (36^4 > U+10FFFF): letters and digits
// only, so FTS4's simple tokenizer keeps each piece whole and needs nothing
// of ours to read the index.
void appendPoint(QString& out, uint point)
{
    static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    char buf[4];
    for (int i = 3; i >= 0; --i) {
        buf[i] = digits[point % 36];
        point /= 36;
    }
    out.append(QLatin1String(buf, 4));
}

// A single character keeps its code point; a pair sets bit 42 above both.
constexpr quint64 kPairFlag = quint64(1) << 42;

quint64 pair(uint a, uint b) { return kPairFlag | (quint64(a) << 21) | b; }

QString tokens(std::vector<quint64>& pieces)
{
    std::sort(pieces.begin(), pieces.end());
    pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
    QString out;
    out.reserve(qsizetype(pieces.size()) * 9);
    for (quint64 p : pieces) {
        if (!out.isEmpty()) out.append(QLatin1Char(' '));
        if (p & kPairFlag) {
            appendPoint(out, uint((p >> 21) & 0x1FFFFF));
            appendPoint(out, uint(p & 0x1FFFFF));
        } else {
            appendPoint(out, uint(p));
        }
    }
    return out;
}

void addRun(const QList<uint>& points, qsizetype from, qsizetype to, std::vector<quint64>& pieces)
{
    if (to - from == 1) pieces.push_back(points[from]);
    for (qsizetype i = from; i + 1 < to; ++i) pieces.push_back(pair(points[i], points[i + 1]));
}

QString qualified(const QString& schema, const QString& name)
{
    return quoteIdentifier(schema) + QLatin1Char('.') + quoteIdentifier(name);
}

struct SourceState {
    qint64 rows = 0;
    qint64 maxRowid = 0;
};

SourceState sourceState(Database& db, const QString& sourceQualified)
{
    const auto rows = db.query(QStringLiteral("select count(*), coalesce(max(rowid), 0) from %1").arg(sourceQualified));
    return {rows.front().value(0).toLongLong(), rows.front().value(1).toLongLong()};
}

void ensureStateTable(Database& db, const QString& schema)
{
    db.executeScript(QStringLiteral("create table if not exists %1 (tbl text primary key, rows integer,"
                                    " maxrowid integer, format integer);")
                         .arg(qualified(schema, kStateTable)));
}

}  // namespace

QString indexTableFor(const QString& table) { return table + QStringLiteral("_contains"); }

QString piecesOf(QStringView text)
{
    const QList<uint> points = textrules::fold(text).toUcs4();
    std::vector<quint64> pieces;
    pieces.reserve(size_t(points.size()) * 2);
    for (qsizetype i = 0; i < points.size(); ++i) {
        pieces.push_back(points[i]);
        if (i + 1 < points.size()) pieces.push_back(pair(points[i], points[i + 1]));
    }
    return tokens(pieces);
}

std::optional<QString> matchFor(const QString& term)
{
    // `like` folds pattern and text alike and matches code points, so the
    // literal runs of the folded pattern lie whole in the folded text.
    const QList<uint> points = textrules::fold(term).toUcs4();
    std::vector<quint64> pieces;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= points.size(); ++i) {
        if (i < points.size() && points[i] != '%' && points[i] != '_') continue;
        addRun(points, runStart, i, pieces);
        runStart = i + 1;
    }
    if (pieces.empty()) return std::nullopt;
    return tokens(pieces);
}

std::optional<Narrowing> narrowing(const QString& qualifiedIndex, Column column, const QString& term,
                                   const QString& rowid)
{
    const auto match = matchFor(term);
    if (!match) return std::nullopt;
    const QString columnName = column == Column::Name ? QStringLiteral("name") : QStringLiteral("mark");
    return Narrowing{QStringLiteral("%1 in (select docid from %2 where %3 match ?)").arg(rowid, qualifiedIndex, columnName),
                     {*match}};
}

bool isCurrent(Database& db, const QString& indexSchema, const QString& table, Database& sourceDb,
               const QString& sourceSchema)
{
    if (!db.hasTable(kStateTable, indexSchema) || !db.hasTable(indexTableFor(table), indexSchema)) return false;
    const auto rows = db.query(
        QStringLiteral("select rows, maxrowid, format from %1 where tbl = ?").arg(qualified(indexSchema, kStateTable)),
        {table});
    if (rows.empty()) return false;
    const SourceState now = sourceState(sourceDb, qualified(sourceSchema, table));
    return rows.front().value(0).toLongLong() == now.rows && rows.front().value(1).toLongLong() == now.maxRowid &&
           rows.front().value(2).toInt() == kFormat;
}

void build(Database& db, const QString& indexSchema, const QString& table, Database& sourceDb,
           const QString& sourceSchema, const Progress& progress)
{
    const QString index = qualified(indexSchema, indexTableFor(table));
    db.executeScript(QStringLiteral("drop table if exists %1;"
                                    "create virtual table %1 using fts4(name, mark, content=\"\");")
                         .arg(index));
    ensureStateTable(db, indexSchema);
    const QString source = qualified(sourceSchema, table);
    const SourceState state = sourceState(sourceDb, source);
    // A table from an older tool may lack a column: it then contributes nothing.
    const QStringList columns = sourceDb.columnsOf(table, sourceSchema);
    auto column = [&](const QString& name) {
        return columns.contains(name, Qt::CaseInsensitive) ? name : QStringLiteral("null");
    };
    Statement read(sourceDb, QStringLiteral("select rowid, %1, %2 from %3")
                                 .arg(column(QStringLiteral("name")), column(QStringLiteral("mark")), source));
    Statement write(db, QStringLiteral("insert into %1 (docid, name, mark) values (?, ?, ?)").arg(index));
    qint64 done = 0;
    while (read.step()) {
        write.reset();
        write.bindAll({read.value(0), piecesOf(read.text(1)), piecesOf(read.text(2))});
        write.step();
        if (progress && ++done % kProgressStep == 0) progress(done, state.rows);
    }
    // One merged segment answers queries with one read per piece.
    db.execute(QStringLiteral("insert into %1 (%2) values ('optimize')")
                   .arg(index, quoteIdentifier(indexTableFor(table))));
    db.execute(QStringLiteral("insert or replace into %1 (tbl, rows, maxrowid, format) values (?, ?, ?, ?)")
                   .arg(qualified(indexSchema, kStateTable)),
               {table, state.rows, state.maxRowid, kFormat});
    if (progress) progress(state.rows, state.rows);
}

bool ensure(Database& db, const QString& table, const Progress& progress)
{
    const QString main = QStringLiteral("main");
    if (isCurrent(db, main, table, db, main)) return false;
    Transaction tx(db);
    build(db, main, table, db, main, progress);
    tx.commit();
    return true;
}

void markCurrent(Database& db, const QString& table)
{
    const QString main = QStringLiteral("main");
    if (!db.hasTable(indexTableFor(table)) || !db.hasTable(kStateTable)) return;
    const auto rows = db.query(QStringLiteral("select format from %1 where tbl = ?").arg(qualified(main, kStateTable)),
                               {table});
    if (rows.empty() || rows.front().value(0).toInt() != kFormat) return;
    const SourceState state = sourceState(db, qualified(main, table));
    db.execute(QStringLiteral("update %1 set rows = ?, maxrowid = ? where tbl = ?").arg(qualified(main, kStateTable)),
               {state.rows, state.maxRowid, table});
}

void indexRow(Database& db, const QString& table, qint64 rowid)
{
    const auto rows =
        db.query(QStringLiteral("select name, mark from %1 where rowid = ?").arg(quoteIdentifier(table)), {rowid});
    if (!db.hasTable(indexTableFor(table))) return;  // built in full when the library is next prepared
    if (rows.empty()) return;
    db.execute(QStringLiteral("insert into %1 (docid, name, mark) values (?, ?, ?)")
                   .arg(quoteIdentifier(indexTableFor(table))),
               {rowid, piecesOf(rows.front().text(0)), piecesOf(rows.front().text(1))});
}

}  // namespace kelvor::containsindex
