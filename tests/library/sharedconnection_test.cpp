#include "library/centres.h"
#include "library/sharedconnection.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace kelvor;

namespace {

class SharedConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.addRecords("jszx", {{"10121035", "C++ 基础", "", "", "", "", "", "", "", "", ""},
                                {"101210350001", "智能指针", "jszx0001", "1", "", "", "", "", "", "", ""}});
        lib.addRecords("spzx", {{"10121635", "视频", "", "", "", "", "", "", "", "", ""}});
    }
    test::TestLibrary lib;
};

TEST_F(SharedConnectionTest, ContentTablesAreReachableFromEveryDatabase)
{
    SharedConnection conn(lib.layout());
    for (const auto& info : allDatabases()) {
        SCOPED_TRACE(info.relativePath.toStdString());
        conn.open(info.role);
        EXPECT_EQ(conn.db().scalar("select count(*) from " + conn.contentTable("jszx")).toInt(), 2);
        const Query q = searchPageQuery([&](const QString& t) { return conn.contentTable(t); });
        EXPECT_EQ(conn.db().query(q.sql).size(), 3u);
        // The open database's own tables stay reachable unqualified.
        EXPECT_TRUE(conn.db().hasTable(info.tables.front()));
    }
}

TEST_F(SharedConnectionTest, ReopeningMovesTheConnection)
{
    SharedConnection conn(lib.layout());
    conn.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(conn.role(), DatabaseRole::SearchHistory);
    conn.open(DatabaseRole::Content);
    EXPECT_EQ(conn.role(), DatabaseRole::Content);
    EXPECT_EQ(conn.contentTable("jszx"), "jszx");
    conn.close();
    EXPECT_THROW(conn.db(), DatabaseError);
}

TEST_F(SharedConnectionTest, AFailedOpenLeavesTheConnectionClosed)
{
    test::TestLibrary other;
    QFile::remove(other.layout().databasePath(DatabaseRole::Favourites));
    SharedConnection conn(other.layout());
    conn.open(DatabaseRole::Content);
    EXPECT_THROW(conn.open(DatabaseRole::Favourites), DatabaseError);
    EXPECT_FALSE(conn.isOpen());
}

TEST_F(SharedConnectionTest, WritesThroughTheRecordWriterFillTitleHelpers)
{
    auto db = lib.open(DatabaseRole::Content);
    EXPECT_EQ(db->scalar("select namefold from jszx where xxbh = ?", {"10121035"}).toString(), "c++ 基础");
    EXPECT_TRUE(db->scalar("select link from jszx where xxbh = ?", {"10121035"}).isNull());
    EXPECT_FALSE(schema::ensureTitleColumns(*db, "jszx"));
}

TEST_F(SharedConnectionTest, OlderTablesGetTheirTitleHelpersAdded)
{
    auto db = lib.open(DatabaseRole::Content);
    db->executeScript("create table old (xxbh text, name text, link text);"
                      "insert into old values ('10121035', 'Beta', ''), ('10121036', 'alpha', '');");
    qint64 last = -1;
    EXPECT_TRUE(schema::ensureTitleColumns(*db, "old", [&](qint64 done, qint64) { last = done; }));
    EXPECT_EQ(last, 2);
    EXPECT_EQ(db->query("select name from old order by namekey").front().text(0), "alpha");
    EXPECT_FALSE(schema::ensureTitleColumns(*db, "old"));
}

}  // namespace
