#include "schema.h"

#include "containsindex.h"
#include "textrules.h"

namespace kelvor {

namespace {

QString qualified(const QString& schemaName, const QString& table)
{
    return quoteIdentifier(schemaName) + QLatin1Char('.') + quoteIdentifier(table);
}

void createKeywordTables(Database& db)
{
    for (const QString& t : keywordTables()) {
        db.executeScript(QStringLiteral("create table %1 (link text, name text, setx text, xxbh text);"
                                        "create index %2 on %1 (link);")
                             .arg(quoteIdentifier(t), quoteIdentifier(t + QStringLiteral("_link"))));
    }
}

}  // namespace

namespace schema {

QString initialIndexName(const QString& table) { return table + QStringLiteral("_initial"); }

void createInitialIndex(Database& db, const QString& table, const QString& schemaName)
{
    // namefold last: the index then covers the prefix test and needs no table lookup.
    db.executeScript(QStringLiteral("create index if not exists %1 on %2 "
                                    "(substr(namefold, 1, 1), namekey, name, xxbh, namefold);")
                         .arg(qualified(schemaName, initialIndexName(table)), quoteIdentifier(table)));
}

bool hasInitialIndex(Database& db, const QString& table, const QString& schemaName)
{
    return db.scalar(QStringLiteral("select count(*) from %1.sqlite_master where type = 'index' and name = ?")
                         .arg(quoteIdentifier(schemaName)),
                     {initialIndexName(table)})
               .toLongLong() > 0;
}

void createCentreTable(Database& db, const QString& table, const QString& schemaName)
{
    QStringList columns;
    for (const QString& f : centreFields()) columns << f + QStringLiteral(" text");
    columns << QString::fromLatin1(kFoldColumn) + QStringLiteral(" text")
            << QString::fromLatin1(kSortKeyColumn) + QStringLiteral(" blob");
    const QString name = qualified(schemaName, table);
    db.executeScript(QStringLiteral("create table %1 (%2);").arg(name, columns.join(QStringLiteral(", "))));
    // Codes are unique within a table; the catalogue reads them in code order.
    db.executeScript(QStringLiteral("create unique index %1 on %2 (xxbh);")
                         .arg(qualified(schemaName, table + QStringLiteral("_xxbh")), quoteIdentifier(table)));
    // Covering indexes: title listing in pinyin order and prefix ranges on folded titles.
    db.executeScript(QStringLiteral("create index %1 on %2 (namekey, name, xxbh);")
                         .arg(qualified(schemaName, table + QStringLiteral("_namekey")), quoteIdentifier(table)));
    db.executeScript(QStringLiteral("create index %1 on %2 (namefold, namekey, name, xxbh);")
                         .arg(qualified(schemaName, table + QStringLiteral("_namefold")), quoteIdentifier(table)));
    createInitialIndex(db, table, schemaName);
}

void createCatalogueTable(Database& db, const QString& table)
{
    db.executeScript(QStringLiteral("create table %1 (xxbh text, name text, link text);"
                                    "create unique index %2 on %1 (xxbh);")
                         .arg(quoteIdentifier(table), quoteIdentifier(table + QStringLiteral("_xxbh"))));
}

void createTables(Database& db, DatabaseRole role)
{
    Transaction tx(db);
    switch (role) {
    case DatabaseRole::Content:
        for (const QString& t : databaseInfo(role).tables) {
            if (t == QLatin1String("ymzx") || t == QLatin1String("gjzx"))
                createCatalogueTable(db, t);
            else
                createCentreTable(db, t);
        }
        break;
    case DatabaseRole::Centre981:
    case DatabaseRole::Centre982:
    case DatabaseRole::Centre983:
    case DatabaseRole::Centre985:
    case DatabaseRole::Centre986:
        createCentreTable(db, databaseInfo(role).tables.front());
        break;
    case DatabaseRole::Favourites:
        db.executeScript(QStringLiteral("create table cellection (cellname text, name text, xxbh text);"));
        break;
    case DatabaseRole::TechKeywords:
    case DatabaseRole::ExampleKeywords:
        createKeywordTables(db);
        break;
    case DatabaseRole::SearchHistory:
        db.executeScript(
            QStringLiteral("create table howsearch (name text, datehow text, timehow text, readhow integer);"));
        break;
    }
    tx.commit();
}

bool titleColumnsComplete(Database& db, const QString& table)
{
    const QStringList columns = db.columnsOf(table);
    if (!columns.contains(QString::fromLatin1(kFoldColumn), Qt::CaseInsensitive) ||
        !columns.contains(QString::fromLatin1(kSortKeyColumn), Qt::CaseInsensitive) || !hasInitialIndex(db, table))
        return false;
    return db.scalar(QStringLiteral("select count(*) from %1 where namekey is null and name is not null")
                         .arg(quoteIdentifier(table)))
               .toLongLong() == 0;
}

namespace {

// Writes the folded title and sort key of every row, reporting progress
// every ten thousand rows.
void fillTitleColumns(Database& db, const QString& table, const std::function<void(qint64, qint64)>& progress)
{
    const QString t = quoteIdentifier(table);
    const qint64 total = db.scalar(QStringLiteral("select count(*) from %1").arg(t)).toLongLong();
    Statement read(db, QStringLiteral("select rowid, name from %1").arg(t));
    Statement write(db, QStringLiteral("update %1 set namefold = ?, namekey = ? where rowid = ?").arg(t));
    qint64 done = 0;
    while (read.step()) {
        const QString name = read.text(1);
        write.reset();
        write.bindAll({textrules::fold(name), textrules::sortKey(name), read.value(0)});
        write.step();
        if (progress && ++done % 10000 == 0) progress(done, total);
    }
    if (progress) progress(total, total);
}

}  // namespace

void refreshTitleColumns(Database& db, const QString& table, const std::function<void(qint64, qint64)>& progress)
{
    Transaction tx(db);
    fillTitleColumns(db, table, progress);
    tx.commit();
}

bool ensureTitleColumns(Database& db, const QString& table, const std::function<void(qint64, qint64)>& progress)
{
    const QStringList columns = db.columnsOf(table);
    const QString fold = QString::fromLatin1(kFoldColumn);
    const QString key = QString::fromLatin1(kSortKeyColumn);
    const bool hasFold = columns.contains(fold, Qt::CaseInsensitive);
    const bool hasKey = columns.contains(key, Qt::CaseInsensitive);
    const QString t = quoteIdentifier(table);
    const qint64 missing =
        hasFold && hasKey
            ? db.scalar(QStringLiteral("select count(*) from %1 where namekey is null and name is not null").arg(t))
                  .toLongLong()
            : -1;
    if (missing == 0) {
        if (hasInitialIndex(db, table)) return false;
        // A library written before the initial index: only the index is missing.
        createInitialIndex(db, table);
        return true;
    }

    Transaction tx(db);
    if (!hasFold) db.executeScript(QStringLiteral("alter table %1 add column namefold text;").arg(t));
    if (!hasKey) db.executeScript(QStringLiteral("alter table %1 add column namekey blob;").arg(t));
    fillTitleColumns(db, table, progress);
    db.executeScript(QStringLiteral("create index if not exists %1 on %2 (namekey, name, xxbh);"
                                    "create index if not exists %3 on %2 (namefold, namekey, name, xxbh);")
                         .arg(quoteIdentifier(table + QStringLiteral("_namekey")), t,
                              quoteIdentifier(table + QStringLiteral("_namefold"))));
    createInitialIndex(db, table);
    tx.commit();
    return true;
}

}  // namespace schema

CentreRecordWriter::CentreRecordWriter(Database& db, const QString& table)
    : m_insert(db, QStringLiteral("insert into %1 (xxbh, name, link, eee, mark, jbmc, jbnr, bz, cc, nycd, bb, "
                                  "namefold, namekey) values (?,?,?,?,?,?,?,?,?,?,?,?,?)")
                       .arg(quoteIdentifier(table)))
{
    // A new library is indexed in one pass once written; an indexed one row by row.
    if (db.hasTable(containsindex::indexTableFor(table)))
        m_index.emplace(db, QStringLiteral("insert into %1 (docid, name, mark) values (last_insert_rowid(), ?, ?)")
                                .arg(quoteIdentifier(containsindex::indexTableFor(table))));
}

void CentreRecordWriter::add(const CentreRecord& r)
{
    // Empty fields are stored as NULL, the way the library marks "absent"
    // (searches tell folders from documents by `eee is null`).
    auto v = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    m_insert.reset();
    m_insert.bindAll({v(r.xxbh), v(r.name), v(r.link), v(r.eee), v(r.mark), v(r.jbmc), v(r.jbnr), v(r.bz), v(r.cc),
                      v(r.nycd), v(r.bb), textrules::fold(r.name), textrules::sortKey(r.name)});
    m_insert.step();
    if (m_index) {
        m_index->reset();
        m_index->bindAll({containsindex::piecesOf(r.name), containsindex::piecesOf(r.mark)});
        m_index->step();
    }
}

KeywordLinkWriter::KeywordLinkWriter(Database& db) : m_db(db) {}

void KeywordLinkWriter::add(const KeywordLink& link)
{
    m_db.execute(QStringLiteral("insert into %1 (link, name, setx, xxbh) values (?,?,?,?)")
                     .arg(quoteIdentifier(keywordTableFor(link.link))),
                 {link.link, link.name, link.setx, link.xxbh});
}

}  // namespace kelvor
