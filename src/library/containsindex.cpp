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
// Per centre table, how many row changes its triggers counted.
const QString kChangesTable = QStringLiteral("kelvor_changes");

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
                                    " maxrowid integer, format integer, changes integer);")
                         .arg(qualified(schema, kStateTable)));
    // A state table written before the change count gains it; NULL counts as unknown.
    if (!db.columnsOf(kStateTable, schema).contains(QStringLiteral("changes"), Qt::CaseInsensitive))
        db.executeScript(QStringLiteral("alter table %1 add column changes integer;").arg(qualified(schema, kStateTable)));
}

// The count the triggers keep for `table`; nothing when the database has none.
std::optional<qint64> changeCount(Database& db, const QString& schema, const QString& table)
{
    if (!db.hasTable(kChangesTable, schema)) return std::nullopt;
    const auto rows =
        db.query(QStringLiteral("select changes from %1 where tbl = ?").arg(qualified(schema, kChangesTable)), {table});
    if (rows.empty()) return std::nullopt;
    return rows.front().value(0).toLongLong();
}

QVariant countValue(const std::optional<qint64>& count) { return count ? QVariant(*count) : QVariant(); }

QString triggerName(const QString& table, const char* event)
{
    return table + QStringLiteral("_changed_") + QLatin1String(event);
}

// Table names are the program's own; quoted anyway, as SQL text inside the trigger.
QString sqlText(const QString& text) { return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\''); }

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
    if (rows.front().value(0).toLongLong() != now.rows || rows.front().value(1).toLongLong() != now.maxRowid ||
        rows.front().value(2).toInt() != kFormat)
        return false;
    // Rows edited in place keep the count and the highest rowid: the triggers' count tells.
    const std::optional<qint64> changes = changeCount(sourceDb, sourceSchema, table);
    if (!changes) return true;
    if (!db.columnsOf(kStateTable, indexSchema).contains(QStringLiteral("changes"), Qt::CaseInsensitive)) return false;
    const auto recorded =
        db.query(QStringLiteral("select changes from %1 where tbl = ?").arg(qualified(indexSchema, kStateTable)), {table});
    return !recorded.front().value(0).isNull() && recorded.front().value(0).toLongLong() == *changes;
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
    const std::optional<qint64> changes = changeCount(sourceDb, sourceSchema, table);
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
    db.execute(QStringLiteral("insert or replace into %1 (tbl, rows, maxrowid, format, changes) values (?, ?, ?, ?, ?)")
                   .arg(qualified(indexSchema, kStateTable)),
               {table, state.rows, state.maxRowid, kFormat, countValue(changes)});
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
    ensureStateTable(db, main);
    db.execute(QStringLiteral("update %1 set rows = ?, maxrowid = ?, changes = ? where tbl = ?")
                   .arg(qualified(main, kStateTable)),
               {state.rows, state.maxRowid, countValue(changeCount(db, main, table)), table});
}

void watchChanges(Database& db, const QString& table)
{
    const QString main = QStringLiteral("main");
    Transaction tx(db);
    db.executeScript(QStringLiteral("create table if not exists %1 (tbl text primary key, changes integer not null);")
                         .arg(qualified(main, kChangesTable)));
    db.execute(QStringLiteral("insert or ignore into %1 (tbl, changes) values (?, 0)").arg(qualified(main, kChangesTable)),
               {table});
    const QString count = QStringLiteral("begin update %1 set changes = changes + 1 where tbl = %2; end;")
                              .arg(quoteIdentifier(kChangesTable), sqlText(table));
    const QString t = quoteIdentifier(table);
    db.executeScript(QStringLiteral("create trigger if not exists %1 after insert on %2 %3"
                                    "create trigger if not exists %4 after delete on %2 %3"
                                    "create trigger if not exists %5 after update of name, mark, xxbh on %2 %3")
                         .arg(quoteIdentifier(triggerName(table, "insert")), t, count,
                              quoteIdentifier(triggerName(table, "delete")),
                              quoteIdentifier(triggerName(table, "update"))));
    // The index is as current as it was before anything was counted.
    if (db.hasTable(kStateTable)) {
        ensureStateTable(db, main);  // a state written before the count gains its column
        db.execute(QStringLiteral("update %1 set changes = ? where tbl = ? and changes is null")
                       .arg(qualified(main, kStateTable)),
                   {countValue(changeCount(db, main, table)), table});
    }
    tx.commit();
}

bool watchesChanges(Database& db, const QString& table)
{
    if (!changeCount(db, QStringLiteral("main"), table)) return false;
    return db.scalar(QStringLiteral("select count(*) from sqlite_master where type = 'trigger' and name in (?, ?, ?)"),
                     {triggerName(table, "insert"), triggerName(table, "delete"), triggerName(table, "update")})
               .toLongLong() == 3;
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
    // The one change the triggers counted is indexed: a current index stays
    // current, a stale one stays stale.
    if (db.hasTable(kStateTable) && changeCount(db, QStringLiteral("main"), table))
        db.execute(QStringLiteral("update %1 set changes = changes + 1 where tbl = ?").arg(quoteIdentifier(kStateTable)),
                   {table});
}

}  // namespace kelvor::containsindex
