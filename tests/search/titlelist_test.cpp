#include "search/titlelist.h"

#include "library/centres.h"
#include "testlibrary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace kelvor;

namespace {

CentreRecord rec(const QString& code, const QString& name)
{
    return {code, name, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s};
}

TEST(TitleListTest, MergesSixCentresInTitleOrder)
{
    test::TestLibrary lib;
    lib.addRecords(u"jszx"_s, {rec(u"10121035"_s, u"中文"_s), rec(u"10121036"_s, u"beta"_s)});
    lib.addRecords(u"slzx"_s, {rec(u"10122135"_s, u"Alpha"_s), rec(u"10122136"_s, u"beta"_s)});  // same title, other code
    lib.addRecords(u"xmzx"_s, {rec(u"10123135"_s, u"阿里"_s)});
    lib.addRecords(u"spzx"_s, {rec(u"10121635"_s, u"长城"_s)});
    lib.addRecords(u"jmzx"_s, {rec(u"22012135"_s, u"ALPHA"_s)});
    lib.addRecords(u"study"_s, {rec(u"20510111"_s, u"不在检索页"_s)});

    SharedConnection conn(lib.layout());
    conn.open(DatabaseRole::Content);
    int ticks = 0;
    const TitleList list = allTitles(conn, searchPageTables(), [&] { ++ticks; });
    std::vector<QString> expectedNames = {u"Alpha"_s, u"ALPHA"_s, u"beta"_s, u"beta"_s, u"阿里"_s, u"长城"_s, u"中文"_s};
    // Equal titles apart from case keep a stable order; compare case-insensitively.
    ASSERT_EQ(list.size(), expectedNames.size());
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list.names[i].toLower(), expectedNames[i].toLower()) << i;
    EXPECT_EQ(list.codes[4], u"10123135"_s);

    // The same order as the database's own sort of the union.
    const Query q = searchPageQuery([&](const QString& t) { return conn.contentTable(t); });
    std::vector<QString> byDatabase;
    for (const auto& r : conn.db().query(q.sql)) byDatabase.push_back(r.text(u"name"_s).toLower());
    std::vector<QString> merged;
    for (const auto& n : list.names) merged.push_back(n.toLower());
    EXPECT_EQ(merged, byDatabase);
}

TEST(TitleListTest, SameTitleAndCodeInTwoTablesIsListedOnce)
{
    test::TestLibrary lib;
    lib.addRecords(u"jszx"_s, {rec(u"10121035"_s, u"重复"_s)});
    lib.addRecords(u"slzx"_s, {rec(u"10121035"_s, u"重复"_s)});
    SharedConnection conn(lib.layout());
    conn.open(DatabaseRole::SearchHistory);  // content tables are reached from any database
    const TitleList list = allTitles(conn, searchPageTables());
    EXPECT_EQ(list.size(), 1u);
}

}  // namespace
