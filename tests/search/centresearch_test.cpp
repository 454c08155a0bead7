#include "search/centresearch.h"

#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace kelvor;
using test::titled;

namespace {

class CentreSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lib = new test::TestLibrary;
        // Inserted out of code order: the search must hand them out by code.
        lib->addRecords("jszx", {titled("101210110002", "学习 Java"), titled("10121011", "Java 目录"),
                                 titled("101210110001", "javascript 高级"), titled("10121012", "it's a test"),
                                 titled("101210120001", "\"a\" quoted"), titled("101210120002", "50% off"),
                                 titled("101210120003", "500 items"), titled("101210120004", "Straße"),
                                 titled("101210120005", "ＪＡＶＡ 全角")});
        lib->addRecords("slzx", {titled("10122111", "Java 实例")});
        auto db = lib->open(DatabaseRole::Content);
        db->execute("insert into ymzx (xxbh, name, link) values (?, ?, ?)", {"10121011", "Java 源码", ""});
    }
    static void TearDownTestSuite()
    {
        delete lib;
        lib = nullptr;
    }

    static QString technologyTable() { return tableExpression(*centreByTable(u"jszx"), lib->layout()); }

    static test::TestLibrary* lib;
};

test::TestLibrary* CentreSearchTest::lib = nullptr;

TitleList search(SharedConnection& c, const QString& table, const QString& text)
{
    const auto s = centreSearch(c, table, text);
    if (!s) throw std::runtime_error("no centre");
    return runCentreSearch(c, *s);
}

TEST_F(CentreSearchTest, FindsTitlesThatContainTheTextInCodeOrder)
{
    struct Case {
        QString text;
        std::vector<QString> codes;
    };
    const std::vector<Case> cases = {
        {"java", {"10121011", "101210110001", "101210110002"}},  // contains, case ignored, folder first
        {"ＪＡＶＡ", {"101210120005"}},
        {"ｊａｖａ", {"101210120005"}},
        {"STRAßE", {"101210120004"}},
        {"it's", {"10121012"}},
        {"\"a\"", {"101210120001"}},
        {"0%o", {"101210120002"}},  // % and _ are wildcards
        {"5_0", {"101210120003"}},
        {"50_", {"101210120002", "101210120003"}},
        {"no such title", {}},
    };
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    for (const Case& k : cases) EXPECT_EQ(search(c, technologyTable(), k.text).codes, k.codes) << k.text.toStdString();
}

TEST_F(CentreSearchTest, AgreesWithTheCaseBlindLikeOfTheDatabase)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    for (const QString text : {"a", "JAVA", "学", " ", "ss", "ß", "’", "'", "", "_", "%"}) {
        std::vector<QString> byLike;
        for (const Row& r : c.db().query("select xxbh from jszx where name like '%' || ? || '%' order by xxbh", {text}))
            byLike.push_back(r.text(0));
        EXPECT_EQ(search(c, " jszx", text).codes, byLike) << text.toStdString();
    }
}

TEST_F(CentreSearchTest, KeepsTheTermAndTheListQueryOfTheCentre)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    const auto s = centreSearch(c, " slzx", "Java");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->highlightTerm, "Java");
    EXPECT_EQ(s->listQuery.sql, "select name,xxbh,link from slzx");
    const TitleList found = runCentreSearch(c, *s);
    EXPECT_EQ(found.names, (std::vector<QString>{"Java 实例"}));
    EXPECT_EQ(found.codes, (std::vector<QString>{"10122111"}));
}

TEST_F(CentreSearchTest, TechnologyCentreIsReachedWhateverDatabaseIsOpen)
{
    for (DatabaseRole role : {DatabaseRole::SearchHistory, DatabaseRole::Centre982, DatabaseRole::Content}) {
        SharedConnection c(lib->layout());
        c.open(role);
        EXPECT_EQ(search(c, technologyTable(), "java").size(), 3u) << int(role);
    }
}

TEST_F(CentreSearchTest, CatalogueOnlyCentreIsSearchedByItsTitles)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(search(c, " ymzx", "源码").names, (std::vector<QString>{"Java 源码"}));
}

TEST_F(CentreSearchTest, UnknownTableRunsNoSearch)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_FALSE(centreSearch(c, "", "java"));
    EXPECT_FALSE(centreSearch(c, "jszx; drop table jszx", "java"));
}

TEST_F(CentreSearchTest, NothingFoundIsTheCaseOfTheMessage)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_TRUE(search(c, technologyTable(), "没有这个标题").empty());
    EXPECT_EQ(noTitleMatchMessage(), "标题中没有检索到您需要的数据!!");
}

TEST_F(CentreSearchTest, WithoutTheContainsIndexTheSearchReadsOnlyTheCoveringTitleIndex)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    c.setIndexPlace(SharedConnection::IndexPlace::None);
    const auto s = centreSearch(c, " jszx", "java");
    ASSERT_TRUE(s);
    QStringList plan;
    for (const Row& r : c.db().query("explain query plan " + s->query.sql, s->query.params)) plan << r.text(3);
    EXPECT_TRUE(plan.join('\n').contains("COVERING INDEX jszx_namefold")) << plan.join('\n').toStdString();
}

}  // namespace
