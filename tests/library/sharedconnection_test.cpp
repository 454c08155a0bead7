#include "library/centres.h"
#include "library/sharedconnection.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

class SharedConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.addRecords(u"jszx"_s, {{u"10121035"_s, u"C++ 基础"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s},
                                {u"101210350001"_s, u"智能指针"_s, u"jszx0001"_s, u"1"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}});
        lib.addRecords(u"spzx"_s, {{u"10121635"_s, u"视频"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s}});
    }
    test::TestLibrary lib;
};

TEST_F(SharedConnectionTest, ContentTablesAreReachableFromEveryDatabase)
{
    SharedConnection conn(lib.layout());
    for (const auto& info : allDatabases()) {
        SCOPED_TRACE(info.relativePath.toStdString());
        conn.open(info.role);
        EXPECT_EQ(conn.db().scalar(u"select count(*) from "_s + conn.contentTable(u"jszx"_s)).toInt(), 2);
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
    EXPECT_EQ(conn.contentTable(u"jszx"_s), u"jszx"_s);
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
    EXPECT_EQ(db->scalar(u"select namefold from jszx where xxbh = ?"_s, {u"10121035"_s}).toString(), u"c++ 基础"_s);
    EXPECT_TRUE(db->scalar(u"select link from jszx where xxbh = ?"_s, {u"10121035"_s}).isNull());
    EXPECT_FALSE(schema::ensureTitleColumns(*db, u"jszx"_s));
}

TEST_F(SharedConnectionTest, OlderTablesGetTheirTitleHelpersAdded)
{
    auto db = lib.open(DatabaseRole::Content);
    db->executeScript(u"create table old (xxbh text, name text, link text);"_s
                      "insert into old values ('10121035', 'Beta', ''), ('10121036', 'alpha', '');");
    qint64 last = -1;
    EXPECT_TRUE(schema::ensureTitleColumns(*db, u"old"_s, [&](qint64 done, qint64) { last = done; }));
    EXPECT_EQ(last, 2);
    EXPECT_EQ(db->query(u"select name from old order by namekey"_s).front().text(0), u"alpha"_s);
    EXPECT_FALSE(schema::ensureTitleColumns(*db, u"old"_s));
}

}  // namespace
