#include "search/centresearch.h"

#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;
using test::titled;

namespace {

class CentreSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lib = new test::TestLibrary;
        // Inserted out of code order: the search must hand them out by code.
        lib->addRecords(u"jszx"_s, {titled(u"101210110002"_s, u"学习 Java"_s), titled(u"10121011"_s, u"Java 目录"_s),
                                 titled(u"101210110001"_s, u"javascript 高级"_s), titled(u"10121012"_s, u"it's a test"_s),
                                 titled(u"101210120001"_s, u"\"a\" quoted"_s), titled(u"101210120002"_s, u"50% off"_s),
                                 titled(u"101210120003"_s, u"500 items"_s), titled(u"101210120004"_s, u"Straße"_s),
                                 titled(u"101210120005"_s, u"ＪＡＶＡ 全角"_s)});
        lib->addRecords(u"slzx"_s, {titled(u"10122111"_s, u"Java 实例"_s)});
        auto db = lib->open(DatabaseRole::Content);
        db->execute(u"insert into ymzx (xxbh, name, link) values (?, ?, ?)"_s, {u"10121011"_s, u"Java 源码"_s, u""_s});
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
        {u"java"_s, {u"10121011"_s, u"101210110001"_s, u"101210110002"_s}},  // contains, case ignored, folder first
        {u"ＪＡＶＡ"_s, {u"101210120005"_s}},
        {u"ｊａｖａ"_s, {u"101210120005"_s}},
        {u"STRAßE"_s, {u"101210120004"_s}},
        {u"it's"_s, {u"10121012"_s}},
        {u"\"a\""_s, {u"101210120001"_s}},
        {u"0%o"_s, {u"101210120002"_s}},  // % and _ are wildcards
        {u"5_0"_s, {u"101210120003"_s}},
        {u"50_"_s, {u"101210120002"_s, u"101210120003"_s}},
        {u"no such title"_s, {}},
    };
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    for (const Case& k : cases) EXPECT_EQ(search(c, technologyTable(), k.text).codes, k.codes) << k.text.toStdString();
}

TEST_F(CentreSearchTest, AgreesWithTheCaseBlindLikeOfTheDatabase)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    for (const QString& text : {u"a"_s, u"JAVA"_s, u"学"_s, u" "_s, u"ss"_s, u"ß"_s, u"’"_s, u"'"_s, u""_s, u"_"_s, u"%"_s}) {
        std::vector<QString> byLike;
        for (const Row& r : c.db().query(u"select xxbh from jszx where name like '%' || ? || '%' order by xxbh"_s, {text}))
            byLike.push_back(r.text(0));
        EXPECT_EQ(search(c, u" jszx"_s, text).codes, byLike) << text.toStdString();
    }
}

TEST_F(CentreSearchTest, KeepsTheTermAndTheListQueryOfTheCentre)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    const auto s = centreSearch(c, u" slzx"_s, u"Java"_s);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->highlightTerm, u"Java"_s);
    EXPECT_EQ(s->listQuery.sql, u"select name,xxbh,link from slzx"_s);
    const TitleList found = runCentreSearch(c, *s);
    EXPECT_EQ(found.names, (std::vector<QString>{u"Java 实例"_s}));
    EXPECT_EQ(found.codes, (std::vector<QString>{u"10122111"_s}));
}

TEST_F(CentreSearchTest, TechnologyCentreIsReachedWhateverDatabaseIsOpen)
{
    for (DatabaseRole role : {DatabaseRole::SearchHistory, DatabaseRole::Centre982, DatabaseRole::Content}) {
        SharedConnection c(lib->layout());
        c.open(role);
        EXPECT_EQ(search(c, technologyTable(), u"java"_s).size(), 3u) << int(role);
    }
}

TEST_F(CentreSearchTest, CatalogueOnlyCentreIsSearchedByItsTitles)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(search(c, u" ymzx"_s, u"源码"_s).names, (std::vector<QString>{u"Java 源码"_s}));
}

TEST_F(CentreSearchTest, UnknownTableRunsNoSearch)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_FALSE(centreSearch(c, u""_s, u"java"_s));
    EXPECT_FALSE(centreSearch(c, u"jszx; drop table jszx"_s, u"java"_s));
}

TEST_F(CentreSearchTest, NothingFoundIsTheCaseOfTheMessage)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    EXPECT_TRUE(search(c, technologyTable(), u"没有这个标题"_s).empty());
    EXPECT_EQ(noTitleMatchMessage(), u"标题中没有检索到您需要的数据!!"_s);
}

TEST_F(CentreSearchTest, WithoutTheContainsIndexTheSearchReadsOnlyTheCoveringTitleIndex)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Content);
    c.setIndexPlace(SharedConnection::IndexPlace::None);
    const auto s = centreSearch(c, u" jszx"_s, u"java"_s);
    ASSERT_TRUE(s);
    QStringList plan;
    for (const Row& r : c.db().query(u"explain query plan "_s + s->query.sql, s->query.params)) plan << r.text(3);
    EXPECT_TRUE(plan.join(u'\n').contains(u"COVERING INDEX jszx_namefold"_s)) << plan.join(u'\n').toStdString();
}

}  // namespace
