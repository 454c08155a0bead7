// Start-up's preparation of the search indexes: a library without them gets
// them, a stale one is rebuilt, one the program cannot write gets them in the
// user's cache, and every search answers the same in each case.

#include "search/centresearch.h"
#include "search/titlesearch.h"

#include "library/containsindex.h"
#include "library/libraryindexes.h"
#include "library/schema.h"
#include "records.h"
#include "testlibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvor;
using test::titled;
using Place = SharedConnection::IndexPlace;

namespace {

class LibraryIndexesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.addRecords("jszx", {titled("10121011", "Java 入门"), titled("10121012", "学习 java"),
                                titled("10121013", "数据库设计")});
        lib.addRecords("slzx", {titled("10122111", "JAVA 实例"), titled("10122112", "数据结构")});
    }

    SharedConnection open() const
    {
        SharedConnection c(lib.layout());
        c.open(DatabaseRole::Content);
        return c;
    }

    // Drops what the program adds, leaving the tables as an older tool wrote them.
    void dropIndexes() const
    {
        auto db = lib.open(DatabaseRole::Content);
        for (const QString& t : indexedContentTables(*db))
            db->executeScript(QStringLiteral("drop table %1;").arg(containsindex::indexTableFor(t)));
    }

    // Rows another tool adds: no helper columns, no index entries.
    void addRowsAsAnotherTool() const
    {
        auto db = lib.open(DatabaseRole::Content);
        db->execute("insert into jszx (xxbh, name, link, eee) values ('10121014', 'Java 新增', 'doc', '1')");
    }

    static std::vector<QString> centreSearchCodes(SharedConnection& c, const QString& text)
    {
        const auto s = centreSearch(c, "jszx", text);
        return runCentreSearch(c, *s).codes;
    }

    test::TestLibrary lib;
    QTemporaryDir cacheFolder;
};

TEST_F(LibraryIndexesTest, ALibraryWithoutTheIndexGetsItAndAnswersTheSame)
{
    dropIndexes();
    SharedConnection c = open();
    EXPECT_TRUE(c.containsIndex("jszx").isEmpty());  // before: scanned
    const std::vector<QString> scanned = centreSearchCodes(c, "java");

    qint64 lastDone = -1;
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64 done, qint64) { lastDone = done; }),
              Place::Library);
    EXPECT_GE(lastDone, 0);  // progress was reported
    EXPECT_FALSE(c.containsIndex("jszx").isEmpty());
    EXPECT_EQ(centreSearchCodes(c, "java"), scanned);
    EXPECT_EQ(scanned, std::vector<QString>({"10121011", "10121012"}));
    EXPECT_TRUE(QDir(cacheFolder.path()).isEmpty());  // a writable library needs no cache
}

TEST_F(LibraryIndexesTest, ALibraryWrittenBeforeTheInitialIndexGetsIt)
{
    SharedConnection c = open();
    const TitleList before = titleSearch(c, "j");
    {
        auto db = lib.open(DatabaseRole::Content);
        db->executeScript(QStringLiteral("drop index %1;").arg(schema::initialIndexName("slzx")));
        EXPECT_FALSE(libraryIndexesCurrent(*db));
    }
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Library);
    EXPECT_TRUE(schema::hasInitialIndex(c.db(), "slzx"));
    EXPECT_TRUE(libraryIndexesCurrent(c.db()));
    EXPECT_EQ(titleSearch(c, "j").codes, before.codes);
    EXPECT_EQ(before.codes, std::vector<QString>({"10121011", "10122111"}));
}

TEST_F(LibraryIndexesTest, RowsAddedByAnotherToolMakeTheIndexStaleAndItIsRebuilt)
{
    addRowsAsAnotherTool();
    {
        auto db = lib.open(DatabaseRole::Content);
        EXPECT_FALSE(containsindex::isCurrent(*db, "main", "jszx", *db, "main"));
        EXPECT_TRUE(containsindex::isCurrent(*db, "main", "slzx", *db, "main"));
    }
    SharedConnection c = open();
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Library);
    EXPECT_EQ(centreSearchCodes(c, "java"), std::vector<QString>({"10121011", "10121012", "10121014"}));
    EXPECT_EQ(titleSearch(c, "%新增").codes, std::vector<QString>({"10121014"}));
    EXPECT_EQ(titleSearch(c, "java 新").codes, std::vector<QString>({"10121014"}));  // helper columns filled too
}

TEST_F(LibraryIndexesTest, ALibraryThatCannotBeWrittenGetsItsIndexesInTheCache)
{
    // An older tool's library, locked by another program for writing.
    addRowsAsAnotherTool();
    {
        auto db = lib.open(DatabaseRole::Content);
        db->executeScript("drop table slzx; create table slzx (xxbh text, name text, link text, eee text, mark text);"
                          "insert into slzx values ('10122111', 'JAVA 实例', 'doc', '1', null);");
    }
    auto locker = lib.open(DatabaseRole::Content);
    locker->executeScript("begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');");

    SharedConnection c = open();
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Cache);
    const QString cacheFile = indexCachePath(cacheFolder.path(), lib.layout().databasePath(DatabaseRole::Content));
    EXPECT_TRUE(QFileInfo::exists(cacheFile));
    // Keyed like the library: nothing of it is readable without the password.
    QFile cache(cacheFile);
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    const QByteArray bytes = cache.readAll();
    EXPECT_GT(bytes.size(), 0);
    EXPECT_FALSE(bytes.contains(QStringLiteral("数据库").toUtf8()));

    EXPECT_EQ(centreSearchCodes(c, "java"), std::vector<QString>({"10121011", "10121012", "10121014"}));
    EXPECT_EQ(titleSearch(c, "java").codes, std::vector<QString>({"10121011", "10122111", "10121014"}));
    EXPECT_EQ(titleSearch(c, "%java").size(), 4u);
    EXPECT_EQ(titleSearch(c, "").size(), 5u);

    // Another database opened on the connection still reaches the cache.
    c.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(titleSearch(c, "数据").size(), 1u);
    EXPECT_EQ(centreSearchCodes(c, "学习"), std::vector<QString>({"10121012"}));

    // The library itself was left as it was.
    locker->executeScript("rollback;");
    auto db = lib.open(DatabaseRole::Content);
    EXPECT_FALSE(db->columnsOf("slzx").contains("namekey"));
}

TEST_F(LibraryIndexesTest, ACacheThatCannotBeReadIsReplaced)
{
    dropIndexes();
    const QString cacheFile = indexCachePath(cacheFolder.path(), lib.layout().databasePath(DatabaseRole::Content));
    QFile junk(cacheFile);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(8192, 'x'));
    junk.close();

    auto locker = lib.open(DatabaseRole::Content);
    locker->executeScript("begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');");
    SharedConnection c = open();
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Cache);
    EXPECT_EQ(centreSearchCodes(c, "数据"), std::vector<QString>({"10121013"}));
    locker->executeScript("rollback;");
}

TEST_F(LibraryIndexesTest, ACurrentLibraryIsLeftAlone)
{
    SharedConnection c = open();
    bool worked = false;
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64, qint64) { worked = true; }), Place::Library);
    EXPECT_FALSE(worked);
}

TEST_F(LibraryIndexesTest, AProgramWriterKeepsTheIndexCurrent)
{
    auto db = lib.open(DatabaseRole::Content);
    Transaction tx(*db);
    db->execute("update jszx set name = 'Rust 入门', namefold = fold('Rust 入门'), namekey = pinyin_key('Rust 入门')"
                " where xxbh = '10121011'");
    containsindex::indexRow(*db, "jszx", db->scalar("select rowid from jszx where xxbh = '10121011'").toLongLong());
    tx.commit();
    SharedConnection c = open();
    EXPECT_EQ(centreSearchCodes(c, "rust"), std::vector<QString>({"10121011"}));
    EXPECT_EQ(centreSearchCodes(c, "java"), std::vector<QString>({"10121012"}));  // the old title's pieces match no more
}

}  // namespace

namespace {

TEST_F(LibraryIndexesTest, RowsWrittenIntoAnIndexedTableAreFoundAndKeepItCurrent)
{
    {
        // An importer's way: remove a branch, write it anew, record the state.
        auto db = lib.open(DatabaseRole::Content);
        Transaction tx(*db);
        ASSERT_TRUE(containsindex::isCurrent(*db, "main", "jszx", *db, "main"));
        db->execute("delete from jszx where xxbh = '10121012'");
        CentreRecordWriter writer(*db, "jszx");
        writer.add(titled("10121015", "Kotlin 协程入门"));
        containsindex::markCurrent(*db, "jszx");
        tx.commit();
        EXPECT_TRUE(containsindex::isCurrent(*db, "main", "jszx", *db, "main"));
    }
    SharedConnection c = open();
    EXPECT_EQ(centreSearchCodes(c, "协程"), std::vector<QString>({"10121015"}));
    EXPECT_EQ(centreSearchCodes(c, "java"), std::vector<QString>({"10121011"}));
}

}  // namespace
