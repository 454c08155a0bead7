#include "library/database.h"
#include "library/gbk.h"
#include "library/layout.h"
#include "library/schema.h"
#include "testlibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

const QString kPassword = QStringLiteral("rusenkrusenk41927358");

class DatabaseTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + u"/"_s + name; }
    std::unique_ptr<Database> makeDb(const QString& name)
    {
        auto db = Database::create(path(name), kPassword);
        db->executeScript(u"create table t (name text, xxbh text);"_s);
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
    makeDb(u"a.mdb"_s)->execute(u"insert into t values ('x', '1')"_s);
    EXPECT_EQ(Database::open(path(u"a.mdb"_s), kPassword)->scalar(u"select count(*) from t"_s).toInt(), 1);
    EXPECT_EQ(openError(path(u"a.mdb"_s), u"wrong"_s), DatabaseErrorKind::WrongPassword);
    EXPECT_EQ(openError(path(u"a.mdb"_s), u""_s), DatabaseErrorKind::WrongPassword);
    EXPECT_EQ(openError(path(u"missing.mdb"_s), kPassword), DatabaseErrorKind::Missing);
}

TEST_F(DatabaseTest, FilesThatAreNotDatabasesAreReportedAsSuch)
{
    writeBytes(u"text.mdb"_s, "<html>not a database</html>");
    writeBytes(u"empty.mdb"_s, "");
    QByteArray plain("SQLite format 3");
    plain.append('\0').append(QByteArray(4096 - 16, '\0'));
    writeBytes(u"plain.mdb"_s, plain);
    for (const char* name : {"text.mdb", "empty.mdb", "plain.mdb"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(openError(path(QString::fromLatin1(name)), kPassword), DatabaseErrorKind::NotADatabase);
    }
    EXPECT_EQ(openError(dir.path(), kPassword), DatabaseErrorKind::NotADatabase);
}

TEST_F(DatabaseTest, NeverCreatesAMissingFile)
{
    openError(path(u"absent.mdb"_s), kPassword);
    EXPECT_FALSE(QFile::exists(path(u"absent.mdb"_s)));
}

TEST_F(DatabaseTest, HtmNamedDatabasesAndNamesWithoutExtensionOpen)
{
    makeDb(u"history.htm"_s);
    makeDb(u"kvjs.mdb"_s);
    EXPECT_TRUE(Database::open(path(u"history.htm"_s), kPassword)->hasTable(u"t"_s));
    auto db = Database::open(path(u"kvjs"_s), kPassword);
    EXPECT_TRUE(db->path().endsWith(u"kvjs.mdb"_s));
}

TEST_F(DatabaseTest, UserTextIsBoundNotPasted)
{
    auto db = makeDb(u"a.mdb"_s);
    const QStringList names = {u"it's"_s, u"say \"a\""_s, u"50%"_s, u"plain"_s};
    for (const auto& n : names) db->execute(u"insert into t (name) values (?)"_s, {n});
    struct Case {
        QString pattern;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {u"%it's%"_s, {u"it's"_s}},
        {u"%\"a\"%"_s, {u"say \"a\""_s}},
        {u"50%"_s, {u"50%"_s}},          // the typed % stays a wildcard
        {u"%'; drop table t; --"_s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString());
        QStringList found;
        for (const auto& row : db->query(u"select name from t where name like ? order by name"_s, {c.pattern}))
            found << row.text(u"name"_s);
        EXPECT_EQ(found, c.expected);
    }
    EXPECT_EQ(db->scalar(u"select count(*) from t"_s).toInt(), names.size());
}

TEST_F(DatabaseTest, NullAndEmptyReadAlike)
{
    auto db = makeDb(u"a.mdb"_s);
    db->execute(u"insert into t values (null, ''), ('', null)"_s);
    for (const auto& row : db->query(u"select name, xxbh from t"_s)) {
        EXPECT_TRUE(row.text(u"name"_s).isEmpty());
        EXPECT_TRUE(row.isEmpty(u"xxbh"_s));
        EXPECT_TRUE(row.text(u"no such column"_s).isEmpty());
    }
}

// A column read into a reused buffer reads exactly as text() reads it, for
// bytes of every kind a library may hold (valid or not as UTF-8), whatever
// the buffer held before: a long text, then a short one.
TEST_F(DatabaseTest, TextReadIntoABufferReadsAsText)
{
    auto db = makeDb(u"a.mdb"_s);
    const char* bytes[] = {"", "41", "EFBBBF41", "E4B8AD", "F0A08080", "F09F9880", "C3", "E4B8", "FF41",
                           "EDA080", "41C328", "00", "20E380804120", "F4908080"};
    QString buffer(200, QChar(u'x'));
    for (const char* hex : bytes) {
        Statement st(*db, QStringLiteral("select cast(x'%1' as text), null").arg(QLatin1String(hex)));
        ASSERT_TRUE(st.step());
        st.readText(0, buffer);
        EXPECT_EQ(buffer, st.text(0)) << hex;
        EXPECT_EQ(buffer.size(), st.text(0).size()) << hex;
        st.readText(1, buffer);
        EXPECT_TRUE(buffer.isEmpty()) << hex;
    }
}

TEST_F(DatabaseTest, AddUpdateDelete)
{
    auto db = makeDb(u"a.mdb"_s);
    db->execute(u"insert into t values (?, ?)"_s, {u"one"_s, u"10121035"_s});
    EXPECT_EQ(db->execute(u"update t set name = ? where xxbh = ?"_s, {u"一"_s, u"10121035"_s}), 1);
    EXPECT_EQ(db->scalar(u"select name from t where xxbh = ?"_s, {u"10121035"_s}).toString(), u"一"_s);
    EXPECT_EQ(db->execute(u"delete from t where xxbh = ?"_s, {u"10121035"_s}), 1);
    EXPECT_EQ(db->scalar(u"select count(*) from t"_s).toInt(), 0);
}

TEST_F(DatabaseTest, AFailedWriteLeavesTheDatabaseAsItWas)
{
    auto db = makeDb(u"a.mdb"_s);
    db->executeScript(u"create unique index t_xxbh on t (xxbh);"_s);
    db->execute(u"insert into t values ('a', '1')"_s);
    EXPECT_THROW(
        {
            Transaction tx(*db);
            db->execute(u"update t set name = 'changed'"_s);
            db->execute(u"insert into t values ('b', '1')"_s);  // duplicate code
            tx.commit();
        },
        DatabaseError);
    EXPECT_EQ(db->scalar(u"select name from t"_s).toString(), u"a"_s);
    EXPECT_EQ(db->scalar(u"select count(*) from t"_s).toInt(), 1);
}

TEST_F(DatabaseTest, BadStatementsRaiseClearErrors)
{
    auto db = makeDb(u"a.mdb"_s);
    try {
        db->query(u"select * from no_such_table"_s);
        FAIL() << "expected an error";
    } catch (const DatabaseError& e) {
        EXPECT_EQ(e.kind(), DatabaseErrorKind::Query);
        EXPECT_TRUE(e.message().contains(u"no_such_table"_s));
    }
}

TEST(GbkTest, RoundTripsChineseText)
{
    const QString text = QStringLiteral("技术中心：C++ 智能指针");
    const QByteArray bytes = gbk::encode(text);
    EXPECT_EQ(bytes.size(), 9 * 2 + 4);  // nine Chinese characters of two bytes, "C++ "
    EXPECT_EQ(gbk::decode(bytes), text);
    EXPECT_EQ(gbk::encode(u"中"_s), QByteArray("\xD6\xD0"));
}

}  // namespace
