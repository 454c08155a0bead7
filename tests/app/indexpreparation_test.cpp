// The start-up's preparing of the centres' own databases: each copy gets the
// contains index the continued query reads, beside it when the database can
// be written and in the user's cache when it cannot, and a centre whose
// database is missing does not keep the others from theirs.

#include "app/indexpreparation.h"

#include "library/librarydatabases.h"
#include "library/libraryindexes.h"
#include "library/schema.h"
#include "testlibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;
using Place = SharedConnection::IndexPlace;

namespace {

TEST(CentreIndexPreparation, IndexesEveryCentreCopyBesideItOrInTheCache)
{
    test::TestLibrary lib;
    const LibraryLayout layout = lib.layout();
    // Copies as an older tool wrote them: rows, no contains index.
    for (const DatabaseRole role : centreDatabases()) {
        auto db = lib.open(role);
        CentreRecord r;
        r.xxbh = u"10121011"_s;
        r.name = u"协程入门"_s;
        r.mark = u"内容"_s;
        CentreRecordWriter(*db, databaseInfo(role).tables.front()).add(r);
        ASSERT_EQ(useCentreIndexes(*db, {}), Place::None);
    }
    ASSERT_TRUE(QFile::remove(layout.databasePath(DatabaseRole::Centre983)));
    // Another program holds the example centre's database for writing.
    auto locker = lib.open(DatabaseRole::Centre982);
    locker->executeScript(u"begin immediate;"_s);

    QTemporaryDir cacheFolder;
    {
        CentreIndexPreparation preparation(layout, cacheFolder.path());
        preparation.start();
        preparation.wait();
    }
    locker->executeScript(u"rollback;"_s);
    locker.reset();

    for (const DatabaseRole role : centreDatabases()) {
        if (role == DatabaseRole::Centre983) continue;
        SCOPED_TRACE(databaseInfo(role).tables.front().toStdString());
        auto db = lib.open(role);
        EXPECT_EQ(useCentreIndexes(*db, cacheFolder.path()),
                  role == DatabaseRole::Centre982 ? Place::Cache : Place::Library);
    }
}

}  // namespace
