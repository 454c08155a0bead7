#include "catalogue/centretitlesearch.h"
#include "catalogue/treequeries.h"

#include "library/centres.h"
#include "centrerecords.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace kelvor {
namespace {

QStringList keysOf(const CatalogueTree& tree)
{
    QStringList keys;
    for (int i = 0; i < tree.nodeCount(); ++i) keys << tree.node(i).key;
    return keys;
}

QString parentKey(const CatalogueTree& tree, const QString& key)
{
    const int parent = tree.node(tree.indexOfKey(key)).parent;
    return parent < 0 ? QString() : tree.node(parent).key;
}

CentreRecord folderWithMark(const QString& code, const QString& name, const QString& mark)
{
    CentreRecord r = test::folderRecord(code, name);
    r.mark = mark;
    return r;
}

class TreeQueries : public testing::Test {
protected:
    TreeQueries() : connection(library.layout())
    {
        // Stored out of code order: the tree queries sort them.
        using test::documentRecord;
        using test::folderRecord;
        library.addRecords(u"jszx"_s, {documentRecord(u"101210350001"_s, u"集合"_s, u"docs000001"_s, u"ArrayList"_s),
                                    folderRecord(u"10121035"_s, u"Java"_s),
                                    documentRecord(u"1012103500010001"_s, u"It's a list"_s, u"abc"_s),
                                    folderWithMark(u"10121036"_s, u"C++"_s, u"list of templates"_s),
                                    documentRecord(u"101210360001"_s, u"模板"_s, u"docs000002"_s, u"template list"_s),
                                    folderRecord(u"1012103600"_s, u"ten characters"_s)});
        library.addRecords(u"slzx"_s, {folderRecord(u"10122135"_s, u"实例"_s)});
        library.addRecords(u"study"_s, {folderRecord(u"20510111"_s, u"第一课"_s),
                                     documentRecord(u"205101110001"_s, u"变量"_s, u"lesson01"_s),
                                     documentRecord(u"2051011100010001"_s, u"整数"_s, u"lesson01"_s),
                                     folderRecord(u"20510211"_s, u"another prefix"_s)});
        connection.open(DatabaseRole::Content);
    }

    test::TestLibrary library;
    SharedConnection connection;
};

TEST_F(TreeQueries, CentreTreeFromTheStoredTreeQuery)
{
    const Centre& jszx = *centreByTable(u"jszx");
    const auto queries = centreQueries(jszx, library.layout(), connection.contentTable(jszx.table));
    const BuildResult result = buildCentreTree(connection, queries.treeQuery);

    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(keysOf(result.tree), QStringList({u"l10121035"_s, u"m101210350001"_s, u"l1012103500010001"_s, u"l10121036"_s,
                                                u"m101210360001"_s}));
    EXPECT_EQ(parentKey(result.tree, u"l1012103500010001"_s), QStringLiteral("m101210350001"));
    EXPECT_EQ(parentKey(result.tree, u"m101210360001"_s), QStringLiteral("l10121036"));
    EXPECT_EQ(result.selectedNode, 0);
}

TEST_F(TreeQueries, CentreTreeWhileTheConnectionIsOnAnotherDatabase)
{
    connection.open(DatabaseRole::Favourites);
    const Centre& jszx = *centreByTable(u"jszx");
    const auto queries = centreQueries(jszx, library.layout(), connection.contentTable(jszx.table));
    const BuildResult result = buildCentreTree(connection, queries.treeQuery);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.tree.nodeCount(), 5);
}

TEST_F(TreeQueries, QueryGroupTreeJoinsTheTextCentres)
{
    const BuildResult result = buildCentreTree(
        connection, queryGroupTreeQuery([this](const QString& t) { return connection.contentTable(t); }));
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.tree.nodeCount(), 6);
    EXPECT_GE(result.tree.indexOfKey(u"l10122135"_s), 0);
}

TEST_F(TreeQueries, LearningTreeTakesEveryCodeOfItsPrefixExpanded)
{
    const BuildResult result = buildLearningTree(connection, u"study"_s, u"205101"_s);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(keysOf(result.tree), QStringList({u"l20510111"_s, u"l205101110001"_s, u"m2051011100010001"_s}));
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_TRUE(result.tree.node(i).expanded);
    EXPECT_EQ(result.tree.node(1).picture, 7);
    EXPECT_EQ(result.selectedNode, 0);
}

TEST_F(TreeQueries, LearningTreeRefusesATableOutsideTheCentreList)
{
    const BuildResult result = buildLearningTree(connection, u"study; drop table study"_s, u"205101"_s);
    EXPECT_EQ(result.failure, BuildFailure::QueryFailed);
    EXPECT_TRUE(buildLearningTree(connection, u"study"_s, u"205101"_s).ok());
}

TEST_F(TreeQueries, QueryFailuresEndTheBuildWithoutThrowing)
{
    const BuildResult bad = buildCentreTree(connection, {u"select name,xxbh,link from nosuchtable"_s, {}});
    EXPECT_EQ(bad.failure, BuildFailure::QueryFailed);
    EXPECT_TRUE(bad.tree.isEmpty());

    SharedConnection closed(library.layout());
    EXPECT_EQ(buildCentreTree(closed, {u"select name,xxbh,link from jszx"_s, {}}).failure, BuildFailure::QueryFailed);
}

TEST_F(TreeQueries, CentreTitleSearchKeepsFoldersAndMatchingRecords)
{
    const CentreTitleSearch search = centreTitleSearch(connection, u"LIST"_s);
    EXPECT_EQ(search.currentTable, QStringLiteral("jszx"));
    EXPECT_EQ(search.centreTitle, QStringLiteral("实例中心"));

    const BuildResult result = runCentreTitleSearch(connection, search, false);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    // Folders, "It's a list" by title, 集合 and 模板 by body text; all keys "a".
    EXPECT_EQ(keysOf(result.tree), QStringList({u"a10121035"_s, u"a101210350001"_s, u"a1012103500010001"_s, u"a10121036"_s,
                                                u"a101210360001"_s}));
    EXPECT_EQ(result.selectedNode, -1);
}

TEST_F(TreeQueries, CentreTitleSearchTextIsNeverSqlText)
{
    for (const QString& text : {QStringLiteral("It's"), QStringLiteral("\"; drop table jszx; --"),
                                QStringLiteral("'")}) {
        const CentreTitleSearch search = centreTitleSearch(connection, text);
        const BuildResult result = runCentreTitleSearch(connection, search, false);
        // "It's a list" matches without its level-2 folder: a search tree may fail that way, but never in SQL.
        EXPECT_NE(result.failure, BuildFailure::QueryFailed) << text.toStdString() << ": "
                                                             << result.message.toStdString();
        EXPECT_NO_THROW(connection.db().query(search.listQuery.sql, search.listQuery.params));
    }
    const auto matches = connection.db().query(centreTitleSearch(connection, u"It's"_s).listQuery.sql,
                                               centreTitleSearch(connection, u"It's"_s).listQuery.params);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches.front().text(u"xxbh"_s), QStringLiteral("1012103500010001"));
    EXPECT_TRUE(connection.db().hasTable(u"jszx"_s));
}

TEST_F(TreeQueries, CentreTitleSearchListHoldsDocumentsOnly)
{
    // The folder 10121036 mentions "list" in its body text but is no document.
    const CentreTitleSearch search = centreTitleSearch(connection, u"list"_s);
    QStringList codes;
    for (const Row& row : connection.db().query(search.listQuery.sql, search.listQuery.params))
        codes << row.text(u"xxbh"_s);
    codes.sort();
    EXPECT_EQ(codes, QStringList({u"101210350001"_s, u"1012103500010001"_s, u"101210360001"_s}));
}

}  // namespace
}  // namespace kelvor
