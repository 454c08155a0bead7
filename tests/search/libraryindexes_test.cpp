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

using namespace Qt::StringLiterals;

using namespace kelvor;
using test::titled;
using Place = SharedConnection::IndexPlace;

namespace {

class LibraryIndexesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib.addRecords(u"jszx"_s, {titled(u"10121011"_s, u"Java 入门"_s), titled(u"10121012"_s, u"学习 java"_s),
                                titled(u"10121013"_s, u"数据库设计"_s)});
        lib.addRecords(u"slzx"_s, {titled(u"10122111"_s, u"JAVA 实例"_s), titled(u"10122112"_s, u"数据结构"_s)});
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
        db->execute(u"insert into jszx (xxbh, name, link, eee) values ('10121014', 'Java 新增', 'doc', '1')"_s);
    }

    static std::vector<QString> centreSearchCodes(SharedConnection& c, const QString& text)
    {
        const auto s = centreSearch(c, u"jszx"_s, text);
        return runCentreSearch(c, *s).codes;
    }

    test::TestLibrary lib;
    QTemporaryDir cacheFolder;
};

TEST_F(LibraryIndexesTest, ALibraryWithoutTheIndexGetsItAndAnswersTheSame)
{
    dropIndexes();
    SharedConnection c = open();
    EXPECT_TRUE(c.containsIndex(u"jszx"_s).isEmpty());  // before: scanned
    const std::vector<QString> scanned = centreSearchCodes(c, u"java"_s);

    qint64 lastDone = -1;
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64 done, qint64) { lastDone = done; }),
              Place::Library);
    EXPECT_GE(lastDone, 0);  // progress was reported
    EXPECT_FALSE(c.containsIndex(u"jszx"_s).isEmpty());
    EXPECT_EQ(centreSearchCodes(c, u"java"_s), scanned);
    EXPECT_EQ(scanned, std::vector<QString>({u"10121011"_s, u"10121012"_s}));
    EXPECT_TRUE(QDir(cacheFolder.path()).isEmpty());  // a writable library needs no cache
}

TEST_F(LibraryIndexesTest, ALibraryWrittenBeforeTheInitialIndexGetsIt)
{
    SharedConnection c = open();
    const TitleList before = titleSearch(c, u"j"_s);
    {
        auto db = lib.open(DatabaseRole::Content);
        db->executeScript(QStringLiteral("drop index %1;").arg(schema::initialIndexName(u"slzx"_s)));
        EXPECT_FALSE(libraryIndexesCurrent(*db));
    }
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Library);
    EXPECT_TRUE(schema::hasInitialIndex(c.db(), u"slzx"_s));
    EXPECT_TRUE(libraryIndexesCurrent(c.db()));
    EXPECT_EQ(titleSearch(c, u"j"_s).codes, before.codes);
    EXPECT_EQ(before.codes, std::vector<QString>({u"10121011"_s, u"10122111"_s}));
}

TEST_F(LibraryIndexesTest, RowsAddedByAnotherToolMakeTheIndexStaleAndItIsRebuilt)
{
    addRowsAsAnotherTool();
    {
        auto db = lib.open(DatabaseRole::Content);
        EXPECT_FALSE(containsindex::isCurrent(*db, u"main"_s, u"jszx"_s, *db, u"main"_s));
        EXPECT_TRUE(containsindex::isCurrent(*db, u"main"_s, u"slzx"_s, *db, u"main"_s));
    }
    SharedConnection c = open();
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Library);
    EXPECT_EQ(centreSearchCodes(c, u"java"_s), std::vector<QString>({u"10121011"_s, u"10121012"_s, u"10121014"_s}));
    EXPECT_EQ(titleSearch(c, u"%新增"_s).codes, std::vector<QString>({u"10121014"_s}));
    EXPECT_EQ(titleSearch(c, u"java 新"_s).codes, std::vector<QString>({u"10121014"_s}));  // helper columns filled too
}

// What another SQLite writer does to rows in place: the row count and the
// highest rowid stay as they were, so only the triggers' count tells.
struct InPlaceEdit {
    const char* what;
    QString sql;
    QString titlePrefix;             // a title search for the edited title
    std::vector<QString> titleCodes;
    QString centreTerm;              // a contains search of titles
    std::vector<QString> centreCodes;
    QString contentTerm;             // a contains search of contents
    std::vector<QString> contentCodes;
};

const std::vector<InPlaceEdit>& inPlaceEdits()
{
    static const std::vector<InPlaceEdit> edits = {
        {"a title", u"update jszx set name = 'Kotlin 协程' where xxbh = '10121011'"_s, u"kotlin"_s, {u"10121011"_s},
         u"java"_s, {u"10121012"_s}, u"协程"_s, {}},
        {"a title of another centre", u"update slzx set name = 'Rust 实例' where xxbh = '10122111'"_s, u"rust"_s,
         {u"10122111"_s}, u"数据"_s, {u"10121013"_s}, u"java"_s, {}},
        {"a content", u"update jszx set mark = '并发编程' where xxbh = '10121012'"_s, u"学习"_s, {u"10121012"_s},
         u"java"_s, {u"10121011"_s, u"10121012"_s}, u"并发"_s, {u"10121012"_s}},
        {"a code", u"update jszx set xxbh = '10121019' where xxbh = '10121013'"_s, u"数据库"_s, {u"10121019"_s},
         u"数据"_s, {u"10121019"_s}, u"数据"_s, {}},
        {"the last row replaced, same rowid",
         u"delete from jszx where xxbh = '10121013';"
         " insert into jszx (xxbh, name, link, eee, mark) values ('10121018', 'Go 并发', 'doc', '1', 'Go 并发')"_s,
         u"go"_s, {u"10121018"_s}, u"并发"_s, {u"10121018"_s}, u"go"_s, {u"10121018"_s}},
    };
    return edits;
}

std::vector<QString> contentSearchCodes(SharedConnection& c, const QString& term)
{
    const auto narrow = containsindex::narrowing(c.containsIndex(u"jszx"_s), containsindex::Column::Mark, term);
    if (!narrow) return {};
    std::vector<QString> codes;
    for (const Row& r : c.db().query(u"select xxbh from %1 where %2 and mark like '%' || ? || '%' order by xxbh"_s.arg(
                                         c.contentTable(u"jszx"_s), narrow->condition),
                                     narrow->params + QVariantList{term}))
        codes.push_back(r.text(0));
    return codes;
}

// The rows every in-place edit starts from: the edits name these codes and titles.
void addInPlaceRecords(test::TestLibrary& lib)
{
    lib.addRecords(u"jszx"_s, {titled(u"10121011"_s, u"Java 入门"_s), titled(u"10121012"_s, u"学习 java"_s),
                               titled(u"10121013"_s, u"数据库设计"_s)});
    lib.addRecords(u"slzx"_s, {titled(u"10122111"_s, u"JAVA 实例"_s)});
}

void expectSearchesSee(SharedConnection& c, const InPlaceEdit& edit)
{
    EXPECT_EQ(titleSearch(c, edit.titlePrefix).codes, edit.titleCodes) << edit.what;
    const auto s = centreSearch(c, u"jszx"_s, edit.centreTerm);
    EXPECT_EQ(runCentreSearch(c, *s).codes, edit.centreCodes) << edit.what;
    EXPECT_EQ(contentSearchCodes(c, edit.contentTerm), edit.contentCodes) << edit.what;
}

TEST(LibraryIndexesInPlaceTest, RowsEditedInPlaceByAnotherWriterAreDetectedAndRebuilt)
{
    for (const InPlaceEdit& edit : inPlaceEdits()) {
        test::TestLibrary lib;
        addInPlaceRecords(lib);
        {
            auto other = lib.open(DatabaseRole::Content);
            ASSERT_TRUE(libraryIndexesCurrent(*other)) << edit.what;
            other->executeScript(edit.sql);
            EXPECT_FALSE(libraryIndexesCurrent(*other)) << edit.what;
        }
        SharedConnection c(lib.layout());
        c.open(DatabaseRole::Content);
        qint64 lastDone = -1;
        QTemporaryDir cacheFolder;
        EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64 done, qint64) { lastDone = done; }),
                  Place::Library)
            << edit.what;
        EXPECT_GE(lastDone, 0) << edit.what << ": progress was reported";
        EXPECT_TRUE(libraryIndexesCurrent(c.db())) << edit.what;
        expectSearchesSee(c, edit);
    }
}

TEST(LibraryIndexesInPlaceTest, ALibraryKeptInTheCacheSeesRowsEditedInPlace)
{
    // With the change count, or (an older tool's library that was never
    // writable here) only its file tells of the edit.
    for (const bool counted : {true, false})
        for (const InPlaceEdit& edit : inPlaceEdits()) {
            const std::string what = std::string(edit.what) + (counted ? "" : ", without the change count");
            test::TestLibrary lib;
            addInPlaceRecords(lib);
            if (!counted) lib.dropChangeCount();
            QTemporaryDir cacheFolder;
            const auto lockedPreparation = [&](bool expectRebuild) {
                // Rows added by another tool keep the library from being current; it is locked, so the cache serves.
                auto locker = lib.open(DatabaseRole::Content);
                locker->executeScript(u"begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');"_s);
                SharedConnection c(lib.layout());
                c.open(DatabaseRole::Content);
                bool rebuilt = false;
                EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64, qint64) { rebuilt = true; }),
                          Place::Cache)
                    << what;
                EXPECT_EQ(rebuilt, expectRebuild) << what;
                locker->executeScript(u"rollback;"_s);
                return c;
            };
            lib.open(DatabaseRole::Content)
                ->executeScript(u"insert into jszx (xxbh, name, link, eee) values ('10121017', '新增', 'doc', '1')"_s);
            lockedPreparation(true);
            lockedPreparation(false);  // nothing changed: the cache is kept
            lib.open(DatabaseRole::Content)->executeScript(edit.sql);
            SharedConnection c = lockedPreparation(true);
            expectSearchesSee(c, edit);
        }
}

TEST_F(LibraryIndexesTest, ALibraryThatCannotBeWrittenGetsItsIndexesInTheCache)
{
    // An older tool's library, locked by another program for writing.
    addRowsAsAnotherTool();
    {
        auto db = lib.open(DatabaseRole::Content);
        db->executeScript(u"drop table slzx; create table slzx (xxbh text, name text, link text, eee text, mark text);"
                          "insert into slzx values ('10122111', 'JAVA 实例', 'doc', '1', null);"_s);
    }
    auto locker = lib.open(DatabaseRole::Content);
    locker->executeScript(u"begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');"_s);

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

    EXPECT_EQ(centreSearchCodes(c, u"java"_s), std::vector<QString>({u"10121011"_s, u"10121012"_s, u"10121014"_s}));
    EXPECT_EQ(titleSearch(c, u"java"_s).codes, std::vector<QString>({u"10121011"_s, u"10122111"_s, u"10121014"_s}));
    EXPECT_EQ(titleSearch(c, u"%java"_s).size(), 4u);
    EXPECT_EQ(titleSearch(c, u""_s).size(), 5u);

    // Another database opened on the connection still reaches the cache.
    c.open(DatabaseRole::SearchHistory);
    EXPECT_EQ(titleSearch(c, u"数据"_s).size(), 1u);
    EXPECT_EQ(centreSearchCodes(c, u"学习"_s), std::vector<QString>({u"10121012"_s}));

    // The library itself was left as it was.
    locker->executeScript(u"rollback;"_s);
    auto db = lib.open(DatabaseRole::Content);
    EXPECT_FALSE(db->columnsOf(u"slzx"_s).contains(u"namekey"_s));
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
    locker->executeScript(u"begin immediate; insert into ymzx (xxbh, name) values ('1', 'x');"_s);
    SharedConnection c = open();
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path()), Place::Cache);
    EXPECT_EQ(centreSearchCodes(c, u"数据"_s), std::vector<QString>({u"10121013"_s}));
    locker->executeScript(u"rollback;"_s);
}

TEST_F(LibraryIndexesTest, ALibraryIndexedBeforeTheChangeCountGetsItsTriggersWithoutARebuild)
{
    lib.dropChangeCount();
    {
        auto db = lib.open(DatabaseRole::Content);
        db->executeScript(u"create table old_state as select tbl, rows, maxrowid, format from kelvor_index_state;"
                          "drop table kelvor_index_state; alter table old_state rename to kelvor_index_state;"_s);
        EXPECT_FALSE(libraryIndexesCurrent(*db));
    }
    SharedConnection c = open();
    bool worked = false;
    EXPECT_EQ(prepareLibraryIndexes(c, cacheFolder.path(), [&](qint64, qint64) { worked = true; }), Place::Library);
    EXPECT_FALSE(worked) << "nothing rebuilt";
    EXPECT_TRUE(libraryIndexesCurrent(c.db()));
    EXPECT_TRUE(QDir(cacheFolder.path()).isEmpty());
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
    db->execute(u"update jszx set name = 'Rust 入门', namefold = fold('Rust 入门'), namekey = pinyin_key('Rust 入门')"
                " where xxbh = '10121011'"_s);
    containsindex::indexRow(*db, u"jszx"_s, db->scalar(u"select rowid from jszx where xxbh = '10121011'"_s).toLongLong());
    tx.commit();
    EXPECT_TRUE(libraryIndexesCurrent(*db)) << "the one change counted is the one indexed";
    SharedConnection c = open();
    EXPECT_EQ(centreSearchCodes(c, u"rust"_s), std::vector<QString>({u"10121011"_s}));
    EXPECT_EQ(centreSearchCodes(c, u"java"_s), std::vector<QString>({u"10121012"_s}));  // the old title's pieces match no more
}

}  // namespace

namespace {

TEST_F(LibraryIndexesTest, RowsWrittenIntoAnIndexedTableAreFoundAndKeepItCurrent)
{
    {
        // An importer's way: remove a branch, write it anew, record the state.
        auto db = lib.open(DatabaseRole::Content);
        Transaction tx(*db);
        ASSERT_TRUE(containsindex::isCurrent(*db, u"main"_s, u"jszx"_s, *db, u"main"_s));
        db->execute(u"delete from jszx where xxbh = '10121012'"_s);
        CentreRecordWriter writer(*db, u"jszx"_s);
        writer.add(titled(u"10121015"_s, u"Kotlin 协程入门"_s));
        containsindex::markCurrent(*db, u"jszx"_s);
        tx.commit();
        EXPECT_TRUE(containsindex::isCurrent(*db, u"main"_s, u"jszx"_s, *db, u"main"_s));
    }
    SharedConnection c = open();
    EXPECT_EQ(centreSearchCodes(c, u"协程"_s), std::vector<QString>({u"10121015"_s}));
    EXPECT_EQ(centreSearchCodes(c, u"java"_s), std::vector<QString>({u"10121011"_s}));
}

}  // namespace
