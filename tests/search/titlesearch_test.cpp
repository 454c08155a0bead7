#include "search/titlesearch.h"

#include "library/textrules.h"
#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

#include <set>

using namespace kelvor;
using test::titled;

namespace {

// Titles over the six centres of the search page and one learning centre,
// chosen so that prefixes, case, quotes and wildcards each tell a right
// result from a wrong one.
class TitleSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        lib = new test::TestLibrary;
        lib->addRecords("jszx", {titled("10121011", "Java 入门"), titled("10121012", "javascript 高级"),
                                 titled("10121013", "学习 Java"), titled("10121014", "it's a test"),
                                 titled("10121015", "\"a\" quoted"), titled("10121016", "50% off"),
                                 titled("10121017", "500 items"), titled("10121018", "a_b"),
                                 titled("10121019", "axb"), titled("10121020", "ＪＡＶＡ 全角")});
        lib->addRecords("slzx", {titled("10122111", "JAVA 实例"), titled("10122112", "数据库"),
                                 titled("10122113", "Java 入门")});  // same title as in jszx, other code
        lib->addRecords("xmzx", {titled("10123111", "数据结构")});
        lib->addRecords("fazx", {titled("10125111", "数据库设计")});
        lib->addRecords("spzx", {titled("10121611", "jav")});
        lib->addRecords("jmzx", {titled("22012111", "界面")});
        lib->addRecords("study", {titled("20510111", "Java 课程")});  // learning centres are not searched
    }
    static void TearDownTestSuite()
    {
        delete lib;
        lib = nullptr;
    }

    SharedConnection connection() const
    {
        SharedConnection c(lib->layout());
        c.open(DatabaseRole::Content);
        return c;
    }

    static test::TestLibrary* lib;
};

test::TestLibrary* TitleSearchTest::lib = nullptr;

std::vector<QString> names(const TitleList& list) { return list.names; }

TEST_F(TitleSearchTest, FindsTitlesThatBeginWithTheText)
{
    struct Case {
        QString text;
        std::vector<QString> expected;  // in title order
    };
    const std::vector<Case> cases = {
        // Case ignored, also for full-width letters; "学习 Java" contains but does not begin with it.
        {"java", {"Java 入门", "Java 入门", "JAVA 实例", "javascript 高级"}},
        {"JAV", {"jav", "Java 入门", "Java 入门", "JAVA 实例", "javascript 高级"}},
        {"ｊａｖａ", {"ＪＡＶＡ 全角"}},
        {"数据", {"数据结构", "数据库", "数据库设计"}},
        // Quotes are plain characters.
        {"it's", {"it's a test"}},
        {"\"a\"", {"\"a\" quoted"}},
        // % and _ keep their wildcard meaning.
        {"50%", {"50% off", "500 items"}},
        {"a_b", {"a_b", "axb"}},
        {"%入门", {"Java 入门", "Java 入门"}},
        {"Java 课程", {}},
        {"no such title", {}},
    };
    SharedConnection c = connection();
    for (const Case& k : cases) {
        const TitleList found = titleSearch(c, k.text);
        // Equal titles apart from letter case have no order between them.
        std::vector<QString> got, want;
        for (const auto& n : found.names) got.push_back(textrules::fold(n));
        for (const auto& n : k.expected) want.push_back(textrules::fold(n));
        EXPECT_EQ(got, want) << k.text.toStdString();
        EXPECT_EQ(found.names.size(), found.codes.size());
    }
}

TEST_F(TitleSearchTest, SameTitleUnderTwoCodesTwiceAndEachWithItsCode)
{
    SharedConnection c = connection();
    const TitleList found = titleSearch(c, "Java 入");
    ASSERT_EQ(names(found), (std::vector<QString>{"Java 入门", "Java 入门"}));
    EXPECT_EQ(std::set<QString>(found.codes.begin(), found.codes.end()), (std::set<QString>{"10121011", "10122113"}));
}

TEST_F(TitleSearchTest, SameTitleAndCodeInTwoCentresOnce)
{
    test::TestLibrary own;
    own.addRecords("jszx", {titled("10121011", "重复")});
    own.addRecords("jmzx", {titled("10121011", "重复")});
    SharedConnection c(own.layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(titleSearch(c, "重").size(), 1u);
}

TEST_F(TitleSearchTest, EmptyTextListsEveryTitleOfTheSixCentresInTitleOrder)
{
    SharedConnection c = connection();
    const TitleList all = titleSearch(c, "");
    EXPECT_EQ(all.size(), 17u);  // every record but the learning centre's
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(textrules::compare(all.names[i - 1], all.names[i]), 0) << i;
}

TEST_F(TitleSearchTest, AgreesWithTheCaseBlindLikeOfTheDatabase)
{
    // The folded range must find exactly what `name like 'text%'` finds.
    SharedConnection c = connection();
    for (const QString text : {"j", "Ja", "JAVASCRIPT", "数", "ｊ", "5", "a"}) {
        std::multiset<std::pair<QString, QString>> byLike;
        for (const QString& t : searchPageTables())
            for (const Row& r : c.db().query(QStringLiteral("select name, xxbh from %1 where name like ? || '%'").arg(t),
                                             {text}))
                byLike.insert({r.text(0), r.text(1)});
        const TitleList found = titleSearch(c, text);
        std::multiset<std::pair<QString, QString>> got;
        for (size_t i = 0; i < found.size(); ++i) got.insert({found.names[i], found.codes[i]});
        EXPECT_EQ(got, byLike) << text.toStdString();
    }
}

TEST_F(TitleSearchTest, ReachesTheCentresFromAnotherDatabase)
{
    SharedConnection c(lib->layout());
    c.open(DatabaseRole::Favourites);
    EXPECT_EQ(titleSearch(c, "数据").size(), 3u);
}

TEST_F(TitleSearchTest, PrefixesAreServedByCoveringIndexes)
{
    // A one-character prefix is read in listing order from the initial index,
    // so a page stops after its rows instead of sorting the whole range.
    SharedConnection c = connection();
    const TitleKey key{QByteArray("k"), "Java", "10121011"};
    struct Case {
        const char* what;
        Query query;
        QString plan;
        bool sorted;  // the rows need a sort of their own
    };
    const std::vector<Case> cases = {
        {"longer prefix", titlePrefixQuery("jszx", "java"),
         "SEARCH TABLE jszx USING COVERING INDEX jszx_namefold (namefold>? AND namefold<?)", true},
        {"one character, page", titlePageQuery("jszx", "j", {}, std::nullopt, 200),
         "SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=?)", false},
        {"one character, page after a key", titlePageQuery("jszx", "J", {}, key, 200),
         "SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=? AND namekey>?)", false},
        {"one character beyond the BMP, page", titlePageQuery("jszx", QString::fromUcs4(U"\U00020000"), {}, std::nullopt, 9),
         "SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=?)", false},
    };
    for (const Case& k : cases) {
        QStringList plan;
        for (const Row& r : c.db().query("explain query plan " + k.query.sql, k.query.params)) plan << r.text(3);
        EXPECT_TRUE(plan.join('\n').contains(k.plan)) << k.what << "\n" << plan.join('\n').toStdString();
        EXPECT_EQ(plan.join('\n').contains("TEMP B-TREE"), k.sorted) << k.what << "\n" << plan.join('\n').toStdString();
    }
}

TEST(TitleSearchPageTest, OnlyTheSearchPageCaptionExactly)
{
    for (const auto& [caption, searchPage] : std::vector<std::pair<QString, bool>>{
             {" 检索 ", true}, {"检索", false}, {" 检索", false}, {"技术中心", false}, {"", false}})
        EXPECT_EQ(isSearchPage(caption), searchPage) << caption.toStdString();
}

TEST(PrefixUpperBoundTest, RaisesTheLastCodePoint)
{
    struct Case {
        QString prefix;
        std::optional<QString> bound;
    };
    const std::vector<Case> cases = {
        {"ab", "ac"},
        {"数", QString(QChar(0x6570 + 1))},
        {QString::fromUcs4(U"a\U00020000"), QString::fromUcs4(U"a\U00020001")},  // beyond the BMP
        {QString(QChar(0xD7FF)), QString(QChar(0xE000))},                          // over the surrogates
        {QString::fromUcs4(U"a\U0010FFFF"), "b"},                                    // carries
        {QString::fromUcs4(U"\U0010FFFF"), std::nullopt},
    };
    for (const Case& k : cases) EXPECT_EQ(prefixUpperBound(k.prefix), k.bound) << k.prefix.toStdString();
}

TEST(TitleSearchBoundTest, TitleRightAtTheTopOfTheCodeRangeIsFound)
{
    test::TestLibrary lib;
    lib.addRecords("jszx", {titled("10121011", QString::fromUcs4(U"z\U0010FFFFend")), titled("10121012", "zz")});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(titleSearch(c, "z").size(), 2u);
    EXPECT_EQ(titleSearch(c, QString::fromUcs4(U"z\U0010FFFF")).size(), 1u);
}

TEST(TitleSearchTickTest, TicksWhileMergingLongLists)
{
    test::TestLibrary lib;
    std::vector<CentreRecord> records;
    for (int i = 0; i < 9000; ++i) records.push_back(titled(QStringLiteral("1012101%1").arg(i, 5, 10, QChar('0')), "t"));
    lib.addRecords("jszx", records);
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    int ticks = 0;
    EXPECT_EQ(titleSearch(c, "T", searchPageTables(), [&] { ++ticks; }).size(), 9000u);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
