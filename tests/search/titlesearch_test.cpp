#include "search/titlesearch.h"

#include "library/textrules.h"
#include "records.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

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
        lib->addRecords(u"jszx"_s, {titled(u"10121011"_s, u"Java 入门"_s), titled(u"10121012"_s, u"javascript 高级"_s),
                                 titled(u"10121013"_s, u"学习 Java"_s), titled(u"10121014"_s, u"it's a test"_s),
                                 titled(u"10121015"_s, u"\"a\" quoted"_s), titled(u"10121016"_s, u"50% off"_s),
                                 titled(u"10121017"_s, u"500 items"_s), titled(u"10121018"_s, u"a_b"_s),
                                 titled(u"10121019"_s, u"axb"_s), titled(u"10121020"_s, u"ＪＡＶＡ 全角"_s)});
        lib->addRecords(u"slzx"_s, {titled(u"10122111"_s, u"JAVA 实例"_s), titled(u"10122112"_s, u"数据库"_s),
                                 titled(u"10122113"_s, u"Java 入门"_s)});  // same title as in jszx, other code
        lib->addRecords(u"xmzx"_s, {titled(u"10123111"_s, u"数据结构"_s)});
        lib->addRecords(u"fazx"_s, {titled(u"10125111"_s, u"数据库设计"_s)});
        lib->addRecords(u"spzx"_s, {titled(u"10121611"_s, u"jav"_s)});
        lib->addRecords(u"jmzx"_s, {titled(u"22012111"_s, u"界面"_s)});
        lib->addRecords(u"study"_s, {titled(u"20510111"_s, u"Java 课程"_s)});  // learning centres are not searched
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
        {u"java"_s, {u"Java 入门"_s, u"Java 入门"_s, u"JAVA 实例"_s, u"javascript 高级"_s}},
        {u"JAV"_s, {u"jav"_s, u"Java 入门"_s, u"Java 入门"_s, u"JAVA 实例"_s, u"javascript 高级"_s}},
        {u"ｊａｖａ"_s, {u"ＪＡＶＡ 全角"_s}},
        {u"数据"_s, {u"数据结构"_s, u"数据库"_s, u"数据库设计"_s}},
        // Quotes are plain characters.
        {u"it's"_s, {u"it's a test"_s}},
        {u"\"a\""_s, {u"\"a\" quoted"_s}},
        // % and _ keep their wildcard meaning.
        {u"50%"_s, {u"50% off"_s, u"500 items"_s}},
        {u"a_b"_s, {u"a_b"_s, u"axb"_s}},
        {u"%入门"_s, {u"Java 入门"_s, u"Java 入门"_s}},
        {u"Java 课程"_s, {}},
        {u"no such title"_s, {}},
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
    const TitleList found = titleSearch(c, u"Java 入"_s);
    ASSERT_EQ(names(found), (std::vector<QString>{u"Java 入门"_s, u"Java 入门"_s}));
    EXPECT_EQ(std::set<QString>(found.codes.begin(), found.codes.end()), (std::set<QString>{u"10121011"_s, u"10122113"_s}));
}

TEST_F(TitleSearchTest, SameTitleAndCodeInTwoCentresOnce)
{
    test::TestLibrary own;
    own.addRecords(u"jszx"_s, {titled(u"10121011"_s, u"重复"_s)});
    own.addRecords(u"jmzx"_s, {titled(u"10121011"_s, u"重复"_s)});
    SharedConnection c(own.layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(titleSearch(c, u"重"_s).size(), 1u);
}

TEST_F(TitleSearchTest, EmptyTextListsEveryTitleOfTheSixCentresInTitleOrder)
{
    SharedConnection c = connection();
    const TitleList all = titleSearch(c, u""_s);
    EXPECT_EQ(all.size(), 17u);  // every record but the learning centre's
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(textrules::compare(all.names[i - 1], all.names[i]), 0) << i;
}

TEST_F(TitleSearchTest, AgreesWithTheCaseBlindLikeOfTheDatabase)
{
    // The folded range must find exactly what `name like 'text%'` finds.
    SharedConnection c = connection();
    for (const QString& text : {u"j"_s, u"Ja"_s, u"JAVASCRIPT"_s, u"数"_s, u"ｊ"_s, u"5"_s, u"a"_s}) {
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
    EXPECT_EQ(titleSearch(c, u"数据"_s).size(), 3u);
}

TEST_F(TitleSearchTest, PrefixesAreServedByCoveringIndexes)
{
    // A one-character prefix is read in listing order from the initial index,
    // so a page stops after its rows instead of sorting the whole range.
    SharedConnection c = connection();
    const TitleKey key{QByteArray("k"), u"Java"_s, u"10121011"_s};
    struct Case {
        const char* what;
        Query query;
        QString plan;
        bool sorted;  // the rows need a sort of their own
    };
    const std::vector<Case> cases = {
        {"longer prefix", titlePrefixQuery(u"jszx"_s, u"java"_s),
         u"SEARCH TABLE jszx USING COVERING INDEX jszx_namefold (namefold>? AND namefold<?)"_s, true},
        {"one character, page", titlePageQuery(u"jszx"_s, u"j"_s, {}, std::nullopt, 200),
         u"SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=?)"_s, false},
        {"one character, page after a key", titlePageQuery(u"jszx"_s, u"J"_s, {}, key, 200),
         u"SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=? AND namekey>?)"_s, false},
        {"one character beyond the BMP, page", titlePageQuery(u"jszx"_s, QString::fromUcs4(U"\U00020000"), {}, std::nullopt, 9),
         u"SEARCH TABLE jszx USING COVERING INDEX jszx_initial (<expr>=?)"_s, false},
    };
    for (const Case& k : cases) {
        QStringList plan;
        for (const Row& r : c.db().query(u"explain query plan "_s + k.query.sql, k.query.params)) plan << r.text(3);
        EXPECT_TRUE(plan.join(u'\n').contains(k.plan)) << k.what << "\n" << plan.join(u'\n').toStdString();
        EXPECT_EQ(plan.join(u'\n').contains(u"TEMP B-TREE"_s), k.sorted) << k.what << "\n" << plan.join(u'\n').toStdString();
    }
}

TEST(TitleSearchPlanTest, ADenseRangeWhosePageComesEarlyIsWalkedAndEverythingElseSorted)
{
    // 40 titles "aa…" sort before 40 titles "ab…", all of first character "a".
    test::TestLibrary lib;
    std::vector<CentreRecord> records;
    for (int i = 0; i < 40; ++i) {
        records.push_back(titled(QStringLiteral("101210%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("aa%1").arg(i)));
        records.push_back(titled(QStringLiteral("101211%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("ab%1").arg(i)));
    }
    lib.addRecords(u"jszx"_s, records);
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    Database& db = c.db();
    const auto keyOf = [&](const QString& name) {
        const Row r = db.query(u"select namekey, name, xxbh from jszx where name = ?"_s, {name}).front();
        return TitleKey{r.value(0), r.value(1), r.value(2)};
    };
    struct Case {
        const char* what;
        QString text;
        std::optional<TitleKey> after;
        TitlePlan plan;
    };
    // With a threshold of 10 and pages of 5, the walk may step over 20 entries.
    const std::vector<Case> cases = {
        {"dense, page at the start of its initial", u"aa"_s, std::nullopt, TitlePlan::InitialWalk},
        {"dense, upper case", u"AA"_s, std::nullopt, TitlePlan::InitialWalk},
        {"dense, behind 40 other titles", u"ab"_s, std::nullopt, TitlePlan::Range},
        {"dense, page after a key just before it", u"ab"_s, keyOf(u"aa9"_s), TitlePlan::InitialWalk},
        {"dense behind others, wildcard after the prefix", u"ab%"_s, std::nullopt, TitlePlan::Range},
        {"dense, wildcard after the prefix", u"aa_"_s, std::nullopt, TitlePlan::InitialWalk},
        {"sparse", u"aa3"_s, std::nullopt, TitlePlan::Range},
        {"no title", u"ac"_s, std::nullopt, TitlePlan::Range},
        {"one character: the initial index already", u"a"_s, std::nullopt, TitlePlan::Range},
        {"wildcard first: no range", u"%a"_s, std::nullopt, TitlePlan::Range},
    };
    for (const Case& k : cases) {
        const TitlePlan plan = titlePagePlan(db, u"jszx"_s, k.text, k.after, 5, 10);
        EXPECT_EQ(plan, k.plan) << k.what;
        // The walk reads the initial index in listing order; the range needs a sort.
        const Query q = titlePageQuery(u"jszx"_s, k.text, {}, k.after, 5, plan);
        QStringList steps;
        for (const Row& r : db.query(u"explain query plan "_s + q.sql, q.params)) steps << r.text(3);
        const QString shown = steps.join(u'\n');
        if (plan == TitlePlan::InitialWalk) {
            EXPECT_TRUE(shown.contains(u"USING COVERING INDEX jszx_initial"_s)) << k.what << "\n" << shown.toStdString();
            EXPECT_FALSE(shown.contains(u"TEMP B-TREE"_s)) << k.what << "\n" << shown.toStdString();
        }
        // Either way the page is the plain `like`'s first five in listing order.
        QVariantList params{k.text + u'%'};
        QString sql = u"select name from jszx where name like ?"_s;
        if (k.after) {
            sql += u" and (namekey > ? or (namekey = ? and (name > ? or (name = ? and xxbh > ?))))"_s;
            params << k.after->sortKey << k.after->sortKey << k.after->name << k.after->name << k.after->code;
        }
        QStringList want, got;
        for (const Row& r : db.query(sql + u" order by namekey, name, xxbh limit 5"_s, params)) want << r.text(0);
        for (const Row& r : db.query(q.sql, q.params)) got << r.text(1);
        EXPECT_EQ(got, want) << k.what;
    }
}

TEST(TitleSearchPageTest, OnlyTheSearchPageCaptionExactly)
{
    for (const auto& [caption, searchPage] : std::vector<std::pair<QString, bool>>{
             {u" 检索 "_s, true}, {u"检索"_s, false}, {u" 检索"_s, false}, {u"技术中心"_s, false}, {u""_s, false}})
        EXPECT_EQ(isSearchPage(caption), searchPage) << caption.toStdString();
}

TEST(PrefixUpperBoundTest, RaisesTheLastCodePoint)
{
    struct Case {
        QString prefix;
        std::optional<QString> bound;
    };
    const std::vector<Case> cases = {
        {u"ab"_s, u"ac"_s},
        {u"数"_s, QString(QChar(0x6570 + 1))},
        {QString::fromUcs4(U"a\U00020000"), QString::fromUcs4(U"a\U00020001")},  // beyond the BMP
        {QString(QChar(0xD7FF)), QString(QChar(0xE000))},                          // over the surrogates
        {QString::fromUcs4(U"a\U0010FFFF"), u"b"_s},                                    // carries
        {QString::fromUcs4(U"\U0010FFFF"), std::nullopt},
    };
    for (const Case& k : cases) EXPECT_EQ(prefixUpperBound(k.prefix), k.bound) << k.prefix.toStdString();
}

TEST(TitleSearchBoundTest, TitleRightAtTheTopOfTheCodeRangeIsFound)
{
    test::TestLibrary lib;
    lib.addRecords(u"jszx"_s, {titled(u"10121011"_s, QString::fromUcs4(U"z\U0010FFFFend")), titled(u"10121012"_s, u"zz"_s)});
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    EXPECT_EQ(titleSearch(c, u"z"_s).size(), 2u);
    EXPECT_EQ(titleSearch(c, QString::fromUcs4(U"z\U0010FFFF")).size(), 1u);
}

TEST(TitleSearchTickTest, TicksWhileMergingLongLists)
{
    test::TestLibrary lib;
    std::vector<CentreRecord> records;
    for (int i = 0; i < 9000; ++i) records.push_back(titled(QStringLiteral("1012101%1").arg(i, 5, 10, QChar(u'0')), u"t"_s));
    lib.addRecords(u"jszx"_s, records);
    SharedConnection c(lib.layout());
    c.open(DatabaseRole::Content);
    int ticks = 0;
    EXPECT_EQ(titleSearch(c, u"T"_s, searchPageTables(), [&] { ++ticks; }).size(), 9000u);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
