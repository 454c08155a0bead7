#include "catalogue/centretitlesearch.h"
#include "catalogue/treequeries.h"

#include "library/centres.h"
#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

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
        library.addRecords("jszx", {documentRecord("101210350001", "集合", "docs000001", "ArrayList"),
                                    folderRecord("10121035", "Java"),
                                    documentRecord("1012103500010001", "It's a list", "abc"),
                                    folderWithMark("10121036", "C++", "list of templates"),
                                    documentRecord("101210360001", "模板", "docs000002", "template list"),
                                    folderRecord("1012103600", "ten characters")});
        library.addRecords("slzx", {folderRecord("10122135", "实例")});
        library.addRecords("study", {folderRecord("20510111", "第一课"),
                                     documentRecord("205101110001", "变量", "lesson01"),
                                     documentRecord("2051011100010001", "整数", "lesson01"),
                                     folderRecord("20510211", "another prefix")});
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
    EXPECT_EQ(keysOf(result.tree), QStringList({"l10121035", "m101210350001", "l1012103500010001", "l10121036",
                                                "m101210360001"}));
    EXPECT_EQ(parentKey(result.tree, "l1012103500010001"), QStringLiteral("m101210350001"));
    EXPECT_EQ(parentKey(result.tree, "m101210360001"), QStringLiteral("l10121036"));
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
    EXPECT_GE(result.tree.indexOfKey("l10122135"), 0);
}

TEST_F(TreeQueries, LearningTreeTakesEveryCodeOfItsPrefixExpanded)
{
    const BuildResult result = buildLearningTree(connection, "study", "205101");
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(keysOf(result.tree), QStringList({"l20510111", "l205101110001", "m2051011100010001"}));
    for (int i = 0; i < result.tree.nodeCount(); ++i) EXPECT_TRUE(result.tree.node(i).expanded);
    EXPECT_EQ(result.tree.node(1).picture, 7);
    EXPECT_EQ(result.selectedNode, 0);
}

TEST_F(TreeQueries, LearningTreeRefusesATableOutsideTheCentreList)
{
    const BuildResult result = buildLearningTree(connection, "study; drop table study", "205101");
    EXPECT_EQ(result.failure, BuildFailure::QueryFailed);
    EXPECT_TRUE(buildLearningTree(connection, "study", "205101").ok());
}

TEST_F(TreeQueries, QueryFailuresEndTheBuildWithoutThrowing)
{
    const BuildResult bad = buildCentreTree(connection, {"select name,xxbh,link from nosuchtable", {}});
    EXPECT_EQ(bad.failure, BuildFailure::QueryFailed);
    EXPECT_TRUE(bad.tree.isEmpty());

    SharedConnection closed(library.layout());
    EXPECT_EQ(buildCentreTree(closed, {"select name,xxbh,link from jszx", {}}).failure, BuildFailure::QueryFailed);
}

TEST_F(TreeQueries, CentreTitleSearchKeepsFoldersAndMatchingRecords)
{
    const CentreTitleSearch search = centreTitleSearch(connection, "LIST");
    EXPECT_EQ(search.currentTable, QStringLiteral("jszx"));
    EXPECT_EQ(search.centreTitle, QStringLiteral("实例中心"));

    const BuildResult result = runCentreTitleSearch(connection, search, false);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    // Folders, "It's a list" by title, 集合 and 模板 by body text; all keys "a".
    EXPECT_EQ(keysOf(result.tree), QStringList({"a10121035", "a101210350001", "a1012103500010001", "a10121036",
                                                "a101210360001"}));
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
    const auto matches = connection.db().query(centreTitleSearch(connection, "It's").listQuery.sql,
                                               centreTitleSearch(connection, "It's").listQuery.params);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches.front().text("xxbh"), QStringLiteral("1012103500010001"));
    EXPECT_TRUE(connection.db().hasTable("jszx"));
}

TEST_F(TreeQueries, CentreTitleSearchListHoldsDocumentsOnly)
{
    // The folder 10121036 mentions "list" in its body text but is no document.
    const CentreTitleSearch search = centreTitleSearch(connection, "list");
    QStringList codes;
    for (const Row& row : connection.db().query(search.listQuery.sql, search.listQuery.params))
        codes << row.text("xxbh");
    codes.sort();
    EXPECT_EQ(codes, QStringList({"101210350001", "1012103500010001", "101210360001"}));
}

}  // namespace
}  // namespace kelvor
