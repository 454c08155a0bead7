#include "reports/matchtree.h"

#include "library/containsindex.h"
#include "library/libraryindexes.h"
#include "testlibrary.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <thread>

#include <gtest/gtest.h>

using namespace kelvor;
using namespace kelvor::reports;
using namespace Qt::StringLiterals;

namespace {

CentreRecord record(const QString& code, const QString& name, const QString& mark = {})
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.mark = mark;
    r.link = u"doc"_s;
    r.eee = u"1"_s;
    return r;
}

// As the authoring tool writes a centre: into the content database and into
// the centre's own database, whose copy the match tree reads.
void addEverywhere(const test::TestLibrary& lib, const QString& table, const std::vector<CentreRecord>& records)
{
    lib.addRecords(table, records);
    lib.addCentreCopy(table, records);
}

struct Node {
    QString key;
    QString text;
    bool group;
    bool operator==(const Node&) const = default;
};

std::vector<Node> nodesOf(const MatchTree& tree)
{
    std::vector<Node> nodes;
    for (const MatchNode& n : tree.nodes) nodes.push_back({n.key, n.text, n.group});
    return nodes;
}

std::ostream& operator<<(std::ostream& os, const Node& n)
{
    return os << (n.group ? "group " : "") << n.key.toStdString() << " " << n.text.toStdString();
}

constexpr std::array<bool, 6> kAllOn = {true, true, true, true, true, true};

class MatchTreeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lib = new test::TestLibrary;
        // Out of code order on purpose; 101210110003 matches by title and by content.
        addEverywhere(*lib, u"jszx"_s, {record(u"101210110005"_s, u"线程池"_s, u"Java 线程池的用法"_s),
                                    record(u"101210110003"_s, u"JAVA 集合"_s, u"java 集合类"_s),
                                    record(u"101210110001"_s, u" Java 入门 "_s, u"第一个程序"_s),
                                    record(u"10121011"_s, u"Java 基础"_s),
                                    record(u"101210110002"_s, u"数组"_s, u"JAVA 数组"_s),
                                    record(u"101210110004"_s, u"字符串"_s, u"String 是 java 的类"_s),
                                    record(u"101210110006"_s, u"网络"_s, u"java.net"_s),
                                    record(u"101210110007"_s, u"界面"_s, u"Swing"_s)});
        addEverywhere(*lib, u"slzx"_s, {record(u"10122111"_s, u"Java 实例"_s)});
        addEverywhere(*lib, u"xmzx"_s, {record(u"10122211"_s, u"C++ 项目"_s, u"it's C++"_s)});
    }
    static void TearDownTestSuite()
    {
        delete lib;
        lib = nullptr;
    }
    static test::TestLibrary* lib;
};

test::TestLibrary* MatchTreeTest::lib = nullptr;

TEST_F(MatchTreeTest, ListsTitleThenContentMatchesPerCentreInCodeOrder)
{
    const MatchTree tree = buildMatchTree(lib->layout(), u"java"_s, kAllOn);
    const std::vector<Node> expected = {
        {u"a2621"_s, u"技术中心标题中包含 java 条数：3"_s, true},
        {u"n10121011"_s, u"Java 基础"_s, false},
        {u"n101210110001"_s, u"Java 入门"_s, false},  // outer blanks of the title removed
        {u"n101210110003"_s, u"JAVA 集合"_s, false},
        {u"a2622"_s, u"技术中心内容中包含 java 条数：5"_s, true},
        {u"m101210110002"_s, u"数组"_s, false},
        {u"m101210110003"_s, u"JAVA 集合"_s, false},  // in both groups, keys kept apart
        {u"m101210110004"_s, u"字符串"_s, false},
        {u"m101210110005"_s, u"线程池"_s, false},
        {u"m101210110006"_s, u"网络"_s, false},
        {u"a2623"_s, u"实例中心标题中包含 java 条数：1"_s, true},
        {u"n10122111"_s, u"Java 实例"_s, false},
        // the project, interface and video centres hold no match: no node for them
    };
    EXPECT_EQ(nodesOf(tree), expected);
    EXPECT_TRUE(tree.skipped.isEmpty());
}

TEST_F(MatchTreeTest, SearchesOnlyTheCentresWhoseOptionIsOn)
{
    struct Case {
        const char* name;
        std::array<bool, 6> options;
        QStringList groupKeys;
    };
    const std::vector<Case> cases = {
        {"all on", kAllOn, {u"a2621"_s, u"a2622"_s, u"a2623"_s}},
        {"examples only", {false, true, false, false, false, false}, {u"a2623"_s}},
        {"only option 3, which names no centre", {false, false, false, true, false, false}, {}},
    };
    for (const Case& c : cases) {
        QStringList keys;
        for (const MatchNode& n : buildMatchTree(lib->layout(), u"java"_s, c.options).nodes)
            if (n.group) keys << n.key;
        EXPECT_EQ(keys, c.groupKeys) << c.name;
    }
}

TEST_F(MatchTreeTest, TermIsTextNotSql)
{
    const MatchTree tree = buildMatchTree(lib->layout(), u"it's"_s, kAllOn);
    ASSERT_EQ(tree.nodes.size(), 2u);
    EXPECT_EQ(tree.nodes[0].text, u"项目中心内容中包含 it's 条数：1"_s);
    EXPECT_EQ(tree.nodes[1].key, u"m10122211"_s);
}

TEST(MatchTree, RowWithoutCodeOrTitleEndsTheOperation)
{
    struct Case {
        const char* name;
        const char* insert;  // one row the authoring tool would never write
        QString term;
        std::vector<QString> keys;
    };
    const std::vector<Case> cases = {
        // A row without a code sorts first among the content matches: the
        // group stays, no record follows and nothing comes after it.
        {"content row without code", "insert into jszx (xxbh, name, mark) values (null, 'x', 'java')", u"java"_s,
         {u"a2621"_s, u"n10121011"_s, u"n10121012"_s, u"a2622"_s}},
        // A title of blanks is empty once trimmed: the title group ends there
        // and no content group is built.
        {"title of blanks", "insert into jszx (xxbh, name, mark) values ('10121011x', '   ', ' ')", u" "_s,
         {u"a2621"_s, u"n10121011"_s}},
    };
    for (const Case& c : cases) {
        test::TestLibrary lib;
        addEverywhere(lib, u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s, u"java"_s), record(u"10121012"_s, u"Java 二"_s),
                                   record(u"10121013"_s, u"C"_s, u"java"_s)});
        auto db = lib.open(DatabaseRole::Centre981);
        db->execute(QString::fromUtf8(c.insert));
        containsindex::indexRow(*db, u"jszx"_s, db->scalar(u"select max(rowid) from jszx"_s).toLongLong());
        db.reset();
        std::vector<QString> keys;
        for (const MatchNode& n : buildMatchTree(lib.layout(), c.term, {true, false, false, false, false, false}).nodes)
            keys.push_back(n.key);
        EXPECT_EQ(keys, c.keys) << c.name;
    }
}

TEST(MatchTree, CentreWhoseDatabaseIsMissingOrUnreadableIsReportedAndSkipped)
{
    test::TestLibrary lib;
    addEverywhere(lib, u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s)});
    addEverywhere(lib, u"slzx"_s, {record(u"10122111"_s, u"Java 实例"_s)});
    addEverywhere(lib, u"xmzx"_s, {record(u"10122211"_s, u"Java 项目"_s)});
    const LibraryLayout layout = lib.layout();
    ASSERT_TRUE(QFile::remove(layout.databasePath(DatabaseRole::Centre981)));
    QFile garbage(layout.databasePath(DatabaseRole::Centre982));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("not a database at all, just some bytes of text");
    garbage.close();

    const MatchTree tree = buildMatchTree(layout, u"java"_s, kAllOn);
    EXPECT_EQ(tree.skipped, (QStringList{skippedCentreMessage(u"技术中心"_s), skippedCentreMessage(u"实例中心"_s)}));
    ASSERT_EQ(tree.nodes.size(), 2u);
    EXPECT_EQ(tree.nodes[0].key, u"a2625"_s);
}

TEST(MatchTree, StopsBetweenCentresWhenCancelled)
{
    test::TestLibrary lib;
    addEverywhere(lib, u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s)});
    std::atomic_bool cancel = true;
    const MatchTree tree = buildMatchTree(lib.layout(), u"java"_s, kAllOn, &cancel);
    EXPECT_TRUE(tree.cancelled);
    EXPECT_TRUE(tree.nodes.empty());
}

TEST(MatchTree, PreparedSearcherFindsWhatAFreshOneFinds)
{
    test::TestLibrary lib;
    addEverywhere(lib, u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s, u"java"_s)});
    addEverywhere(lib, u"slzx"_s, {record(u"10122111"_s, u"Java 实例"_s)});
    addEverywhere(lib, u"xmzx"_s, {record(u"10122211"_s, u"Java 项目"_s)});
    const LibraryLayout layout = lib.layout();
    // A centre that cannot be opened is said by the query, not by the preparing.
    ASSERT_TRUE(QFile::remove(layout.databasePath(DatabaseRole::Centre982)));
    const MatchTree fresh = buildMatchTree(layout, u"java"_s, kAllOn);
    ASSERT_EQ(fresh.skipped, QStringList{skippedCentreMessage(u"实例中心"_s)});
    ASSERT_FALSE(fresh.nodes.empty());

    struct Case {
        const char* name;
        bool alongside;  // the query asked while the preparing still runs
    };
    for (const Case c : {Case{"prepared first", false}, Case{"query while preparing", true}}) {
        MatchSearcher searcher(layout);
        MatchTree tree;
        if (c.alongside) {
            std::thread preparing([&] { searcher.prepare(kAllOn); });
            tree = searcher.build(u"java"_s, kAllOn);
            preparing.join();
        } else {
            searcher.prepare(kAllOn);
            tree = searcher.build(u"java"_s, kAllOn);
        }
        EXPECT_EQ(nodesOf(tree), nodesOf(fresh)) << c.name;
        EXPECT_EQ(tree.skipped, fresh.skipped) << c.name;
        // A second query finds the same on the databases kept open.
        EXPECT_EQ(nodesOf(searcher.build(u"java"_s, kAllOn)), nodesOf(fresh)) << c.name;
    }
}

// Each centre is searched in its own database, whatever the content
// database holds, and the contains index of that copy, wherever it lies,
// gives exactly what scanning the copy gives.
TEST(MatchTree, ReadsEachCentresOwnCopyWhereverItsIndexLies)
{
    using Place = SharedConnection::IndexPlace;
    struct Case {
        const char* what;
        // Brings the centre database into the state the case is about, given
        // a connection on it; the cache folder is the one the searcher uses.
        std::function<void(Database& centreDb, const QString& cacheFolder)> prepare;
        Place place;
        std::vector<QString> keysForTheTitleWord;
    };
    const QString extraRow = u"insert into jszx (xxbh, name, link, eee, mark) values "
                             "('10121014', '协程 另一工具所加', 'doc', '1', null)"_s;
    const std::vector<QString> ownTitles = {u"a2621"_s, u"n10121012"_s};
    const Case cases[] = {
        {"index beside the copy", [](Database&, const QString&) {}, Place::Library, ownTitles},
        {"an older tool's copy without an index: scanned",
         [](Database& db, const QString&) { db.executeScript(u"drop table jszx_contains;"_s); }, Place::None, ownTitles},
        {"a row another tool added since the index was built: scanned",
         [&](Database& db, const QString&) { db.execute(extraRow); }, Place::None,
         {u"a2621"_s, u"n10121012"_s, u"n10121014"_s}},
        {"a copy locked by another program: index in the user's cache",
         [&](Database& db, const QString& cacheFolder) {
             db.executeScript(u"drop table jszx_contains;"_s);
             db.execute(extraRow);
             // Another program holds the write lock: the index cannot go beside the copy.
             auto locker = Database::open(db.path(), databaseInfo(DatabaseRole::Centre981).password);
             locker->executeScript(u"begin immediate;"_s);
             EXPECT_EQ(prepareCentreIndexes(db, cacheFolder), Place::Cache);
             locker->executeScript(u"rollback;"_s);
         },
         Place::Cache, {u"a2621"_s, u"n10121012"_s, u"n10121014"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestLibrary lib;
        QTemporaryDir cacheFolder;
        // The content database and the centre's copy differ: each holds a
        // word the other lacks, in a title and in a content.
        lib.addRecords(u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s, u"只在内容库里的词"_s),
                                   record(u"10121013"_s, u"协程 内容库的标题"_s)});
        lib.addCentreCopy(u"jszx"_s, {record(u"10121011"_s, u"Java 一"_s, u"只在中心副本里的词"_s),
                                      record(u"10121012"_s, u"协程 中心的标题"_s)});
        {
            auto db = lib.open(DatabaseRole::Centre981);
            c.prepare(*db, cacheFolder.path());
            EXPECT_EQ(useCentreIndexes(*db, cacheFolder.path()), c.place);
        }
        const auto keys = [&](const QString& term) {
            std::vector<QString> out;
            for (const MatchNode& n : buildMatchTree(lib.layout(), term, kAllOn, nullptr, cacheFolder.path()).nodes)
                out.push_back(n.key);
            return out;
        };
        EXPECT_EQ(keys(u"中心副本"_s), (std::vector<QString>{u"a2622"_s, u"m10121011"_s}));
        EXPECT_TRUE(keys(u"内容库"_s).empty());
        EXPECT_EQ(keys(u"协程"_s), c.keysForTheTitleWord);
        // Patterns too: the index narrows, the same `like` decides.
        EXPECT_EQ(keys(u"协_"_s), c.keysForTheTitleWord);
        EXPECT_EQ(keys(u"中心%里"_s), (std::vector<QString>{u"a2622"_s, u"m10121011"_s}));
    }
}

}  // namespace
