#include "testlibrary.h"

#include "library/gbk.h"
#include "library/librarydatabases.h"
#include "library/libraryindexes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace kelvor::test {

TestLibrary::TestLibrary()
{
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
    for (const auto& info : allDatabases()) {
        const QString path = layout().databasePath(info.role);
        QDir().mkpath(QFileInfo(path).path());
        auto db = Database::create(path, info.password);
        schema::createTables(*db, info.role);
    }
}

std::unique_ptr<Database> TestLibrary::open(DatabaseRole role) const
{
    return Database::open(layout().databasePath(role), databaseInfo(role).password);
}

void TestLibrary::dropChangeCount() const
{
    auto db = open(DatabaseRole::Content);
    for (const Row& r : db->query(QStringLiteral("select name from sqlite_master where type = 'trigger'")))
        db->execute(QStringLiteral("drop trigger %1").arg(quoteIdentifier(r.text(0))));
    db->executeScript(QStringLiteral("drop table if exists kelvor_changes;"));
}

void TestLibrary::addRecords(const QString& table, const std::vector<CentreRecord>& records) const
{
    auto db = open(DatabaseRole::Content);
    Transaction tx(*db);
    CentreRecordWriter writer(*db, table);
    for (const auto& r : records) writer.add(r);
    tx.commit();
    // As the authoring tool does, so searches run as on a real library.
    writeLibraryIndexes(*db);
}

void TestLibrary::addCentreCopy(const QString& table, const std::vector<CentreRecord>& records) const
{
    const auto role = centreDatabaseOf(table);
    if (!role) throw std::runtime_error("the table has no centre database");
    auto db = open(*role);
    Transaction tx(*db);
    CentreRecordWriter writer(*db, table);
    for (const auto& r : records) writer.add(r);
    tx.commit();
    writeLibraryIndexes(*db);
}

QString TestLibrary::writeFile(const QString& relativePath, const QString& text, bool gbkText) const
{
    const QString path = m_dir.path() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    f.write(gbkText ? gbk::encode(text) : text.toUtf8());
    return path;
}

}  // namespace kelvor::test
