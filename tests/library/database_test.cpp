#include "library/database.h"
#include "library/gbk.h"
#include "library/layout.h"
#include "library/schema.h"
#include "testlibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvor;

namespace {

const QString kPassword = QStringLiteral("rusenkrusenk41927358");

class DatabaseTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + "/" + name; }
    std::unique_ptr<Database> makeDb(const QString& name)
    {
        auto db = Database::create(path(name), kPassword);
        db->executeScript("create table t (name text, xxbh text);");
        return db;
    }
    void writeBytes(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

DatabaseErrorKind openError(const QString& path, const QString& password)
{
    try {
        Database::open(path, password);
    } catch (const DatabaseError& e) {
        return e.kind();
    }
    return DatabaseErrorKind::Closed;  // opened: no error
}

TEST_F(DatabaseTest, OpensOnlyWithItsPassword)
{
    makeDb("a.mdb")->execute("insert into t values ('x', '1')");
    EXPECT_EQ(Database::open(path("a.mdb"), kPassword)->scalar("select count(*) from t").toInt(), 1);
    EXPECT_EQ(openError(path("a.mdb"), "wrong"), DatabaseErrorKind::WrongPassword);
    EXPECT_EQ(openError(path("a.mdb"), ""), DatabaseErrorKind::WrongPassword);
    EXPECT_EQ(openError(path("missing.mdb"), kPassword), DatabaseErrorKind::Missing);
}

TEST_F(DatabaseTest, FilesThatAreNotDatabasesAreReportedAsSuch)
{
    writeBytes("text.mdb", "<html>not a database</html>");
    writeBytes("empty.mdb", "");
    QByteArray plain("SQLite format 3");
    plain.append('\0').append(QByteArray(4096 - 16, '\0'));
    writeBytes("plain.mdb", plain);
    for (const char* name : {"text.mdb", "empty.mdb", "plain.mdb"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(openError(path(name), kPassword), DatabaseErrorKind::NotADatabase);
    }
    EXPECT_EQ(openError(dir.path(), kPassword), DatabaseErrorKind::NotADatabase);
}

TEST_F(DatabaseTest, NeverCreatesAMissingFile)
{
    openError(path("absent.mdb"), kPassword);
    EXPECT_FALSE(QFile::exists(path("absent.mdb")));
}

TEST_F(DatabaseTest, HtmNamedDatabasesAndNamesWithoutExtensionOpen)
{
    makeDb("history.htm");
    makeDb("kvjs.mdb");
    EXPECT_TRUE(Database::open(path("history.htm"), kPassword)->hasTable("t"));
    auto db = Database::open(path("kvjs"), kPassword);
    EXPECT_TRUE(db->path().endsWith("kvjs.mdb"));
}

TEST_F(DatabaseTest, UserTextIsBoundNotPasted)
{
    auto db = makeDb("a.mdb");
    const QStringList names = {"it's", "say \"a\"", "50%", "plain"};
    for (const auto& n : names) db->execute("insert into t (name) values (?)", {n});
    struct Case {
        QString pattern;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"%it's%", {"it's"}},
        {"%\"a\"%", {"say \"a\""}},
        {"50%", {"50%"}},          // the typed % stays a wildcard
        {"%'; drop table t; --", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString());
        QStringList found;
        for (const auto& row : db->query("select name from t where name like ? order by name", {c.pattern}))
            found << row.text("name");
        EXPECT_EQ(found, c.expected);
    }
    EXPECT_EQ(db->scalar("select count(*) from t").toInt(), names.size());
}

TEST_F(DatabaseTest, NullAndEmptyReadAlike)
{
    auto db = makeDb("a.mdb");
    db->execute("insert into t values (null, ''), ('', null)");
    for (const auto& row : db->query("select name, xxbh from t")) {
        EXPECT_TRUE(row.text("name").isEmpty());
        EXPECT_TRUE(row.isEmpty("xxbh"));
        EXPECT_TRUE(row.text("no such column").isEmpty());
    }
}

TEST_F(DatabaseTest, AddUpdateDelete)
{
    auto db = makeDb("a.mdb");
    db->execute("insert into t values (?, ?)", {"one", "10121035"});
    EXPECT_EQ(db->execute("update t set name = ? where xxbh = ?", {"一", "10121035"}), 1);
    EXPECT_EQ(db->scalar("select name from t where xxbh = ?", {"10121035"}).toString(), "一");
    EXPECT_EQ(db->execute("delete from t where xxbh = ?", {"10121035"}), 1);
    EXPECT_EQ(db->scalar("select count(*) from t").toInt(), 0);
}

TEST_F(DatabaseTest, AFailedWriteLeavesTheDatabaseAsItWas)
{
    auto db = makeDb("a.mdb");
    db->executeScript("create unique index t_xxbh on t (xxbh);");
    db->execute("insert into t values ('a', '1')");
    EXPECT_THROW(
        {
            Transaction tx(*db);
            db->execute("update t set name = 'changed'");
            db->execute("insert into t values ('b', '1')");  // duplicate code
            tx.commit();
        },
        DatabaseError);
    EXPECT_EQ(db->scalar("select name from t").toString(), "a");
    EXPECT_EQ(db->scalar("select count(*) from t").toInt(), 1);
}

TEST_F(DatabaseTest, BadStatementsRaiseClearErrors)
{
    auto db = makeDb("a.mdb");
    try {
        db->query("select * from no_such_table");
        FAIL() << "expected an error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.kind(), DatabaseErrorKind::Query);
        EXPECT_TRUE(e.message().contains("no_such_table"));
    }
}

TEST(GbkTest, RoundTripsChineseText)
{
    const QString text = QStringLiteral("技术中心：C++ 智能指针");
    const QByteArray bytes = gbk::encode(text);
    EXPECT_EQ(bytes.size(), 9 * 2 + 4);  // nine Chinese characters of two bytes, "C++ "
    EXPECT_EQ(gbk::decode(bytes), text);
    EXPECT_EQ(gbk::encode("中"), QByteArray("\xD6\xD0"));
}

}  // namespace
